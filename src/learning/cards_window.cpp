// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/cards_window.h"

#include "learning/journal_window.h"
#include "learning/rtf_reader.h"
#include "learning/test_window.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_cards_window.h"

#include <QCloseEvent>

TForm14::TForm14(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm14>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        // The card shown is read again, in the new language.
        if (!card_.isEmpty())
            LoadCard(card_);
    });
    ShapeWindow(this, WindowShape::At(216, 129));

    const std::pair<QPushButton*, const char*> cards[] = {
        {ui->sBitBtn3, "txt\\k1.rtf"}, {ui->sBitBtn2, "txt\\k2.rtf"}, {ui->sBitBtn4, "txt\\k3.rtf"},
        {ui->sBitBtn5, "txt\\k4.rtf"}, {ui->sBitBtn6, "txt\\dk.rtf"},
    };
    for (const auto& [button, file] : cards) {
        const QString name = QString::fromLatin1(file);
        ConnectGuarded(button, &QPushButton::clicked, this, [this, name] { LoadCard(name); });
    }
    ConnectGuarded(ui->sBitBtn7, &QPushButton::clicked, this, [this] { sBitBtn7Click(); });
    ConnectGuarded(ui->sBitBtn8, &QPushButton::clicked, this, [this] {
        if (test_)
            test_->ShowTestEditor();
    });
    ConnectGuarded(ui->sBitBtn9, &QPushButton::clicked, this, [this] {
        if (journal_)
            ShowModeless(journal_);
    });
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
}

TForm14::~TForm14() = default;

void TForm14::SetTestWindow(TForm17* window)
{
    test_ = window;
}

void TForm14::SetJournalWindow(JournalWindow* window)
{
    journal_ = window;
}

void TForm14::LoadCard(const QString& relativeName)
{
    card_ = relativeName;
    LoadRtfFile(relativeName, ui->sRichEdit1->document());
}

void TForm14::sBitBtn7Click()
{
    if (test_)
        ShowModeless(test_);
}

void TForm14::sBitBtn1Click()
{
    close();
}

// Closing the window, by its button or its title bar, empties the card.
void TForm14::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ui->sRichEdit1->clear();
    card_.clear();
}

QString TForm14::cardText() const
{
    return ui->sRichEdit1->toPlainText();
}
