// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calc_edit.h"

#include "kit/number_text.h"
#include "ui/glyphs.h"
#include "ui/language.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

using Key = Calculator::Key;

struct PadKey {
    const char* caption;
    Key key;
};

// The key pad, row by row; "=" fills the last row.
const PadKey kPad[5][4] = {
    {{"C", Key::Clear}, {"←", Key::BackSpace}, {"%", Key::Percent}, {"√", Key::Root}},
    {{"7", Key::Digit7}, {"8", Key::Digit8}, {"9", Key::Digit9}, {"÷", Key::Divide}},
    {{"4", Key::Digit4}, {"5", Key::Digit5}, {"6", Key::Digit6}, {"×", Key::Multiply}},
    {{"1", Key::Digit1}, {"2", Key::Digit2}, {"3", Key::Digit3}, {"−", Key::Subtract}},
    {{"±", Key::Sign}, {"0", Key::Digit0}, {",", Key::Comma}, {"+", Key::Add}},
};

QString numberText(double value)
{
    Calculator calculator;
    calculator.SetValue(value);
    return calculator.Display();
}

} // namespace

CalculatorPopup::CalculatorPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup), display_(new QLabel(this))
{
    setObjectName(QStringLiteral("CalculatorPopup"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setStyleSheet(QStringLiteral("QLabel { background: white; color: black; border: 1px solid #7A8AA0;"
                                 " font: bold 16px \"MS Sans Serif\"; padding: 2px 4px; }"
                                 "QToolButton { font: bold 13px \"MS Sans Serif\"; min-width: 34px;"
                                 " min-height: 26px; }"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(3);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setMinimumHeight(28);
    grid->addWidget(display_, 0, 0, 1, 4);

    const auto addKey = [this, grid](const QString& caption, Key key, int row, int column, int span) {
        auto* button = new QToolButton(this);
        button->setText(caption);
        button->setObjectName(QStringLiteral("key ") + caption);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, [this, key] { press(key); });
        grid->addWidget(button, row, column, 1, span);
    };
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column)
            addKey(QString::fromUtf8(kPad[row][column].caption), kPad[row][column].key, row + 1, column, 1);
    }
    addKey(QStringLiteral("="), Key::Equals, 6, 0, 4);
    display_->setText(calculator_.Display());
}

void CalculatorPopup::Open(double value, const QWidget* anchor)
{
    calculator_.SetValue(value);
    display_->setText(calculator_.Display());
    key(QStringLiteral(","))->setText(DecimalSeparator());
    adjustSize();
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
    setFocus();
}

QString CalculatorPopup::display() const
{
    return display_->text();
}

QToolButton* CalculatorPopup::key(const QString& caption) const
{
    return findChild<QToolButton*>(QStringLiteral("key ") + caption);
}

void CalculatorPopup::press(Key key)
{
    calculator_.Press(key);
    display_->setText(calculator_.Display());
    if (key == Key::Equals) {
        if (const auto value = calculator_.Value())
            emit resultReady(*value);
    }
}

void CalculatorPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press(Key::Equals);
        close();
        return;
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Backspace:
        return press(Key::BackSpace);
    case Qt::Key_Delete:
        return press(Key::Clear);
    case Qt::Key_F9:
        return press(Key::Sign);
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        if (const auto key = Calculator::KeyOfCharacter(text.front()))
            return press(*key);
    }
    QFrame::keyPressEvent(event);
}

CalcEdit::CalcEdit(QWidget* parent)
    : QLineEdit(parent), popup_(new CalculatorPopup(this))
{
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?\\d{0,15}([,.]\\d{0,15})?")), this));
    setText(QStringLiteral("0"));
    QAction* drop = addAction(GlyphIcon(Glyph::Calculator), QLineEdit::TrailingPosition);
    const auto caption = [drop] { drop->setToolTip(tr("Калькулятор")); };
    caption();
    RetranslateOnLanguageChange(this, caption);
    connect(drop, &QAction::triggered, this, &CalcEdit::ShowCalculator);
    connect(popup_, &CalculatorPopup::resultReady, this, &CalcEdit::setValue);
}

std::optional<double> CalcEdit::value() const
{
    bool ok = false;
    const double number = QString(text()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

void CalcEdit::setValue(double value)
{
    setText(numberText(value));
}

void CalcEdit::ShowCalculator()
{
    popup_->Open(value().value_or(0), this);
}

// Alt+Down or F4 drops the calculator down, as in a combo box.
void CalcEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier)) {
        ShowCalculator();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
