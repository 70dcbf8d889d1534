// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/model_catalogue.h"
#include "app/model_chooser.h"
#include "app/program_windows.h"
#include "app/status_texts.h"
#include "learning/cards_window.h"
#include "learning/about_window.h"
#include "learning/dictionary_window.h"
#include "learning/formulas_window.h"
#include "learning/help_window.h"
#include "learning/problems_window.h"
#include "learning/questions_window.h"
#include "learning/reference_window.h"
#include "ui/error_box.h"
#include "ui/glyphs.h"
#include "ui/language.h"
#include "ui/model_sheet.h"
#include "ui/picture_buttons.h"
#include "ui/window_placement.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QMenu>
#include <QShortcut>
#include <QSystemTrayIcon>

#include <functional>

namespace {

// How long after the pointer's last movement the status bar stops following it.
constexpr qint64 kRestAfterMs = 200;

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm1>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        retranslate();
    });
    setWindowIcon(GlyphIcon(Glyph::Models));

    ShapeWindow(this, WindowShape::Centred().Minimisable());

    createModelSheets();

    // Wide enough for a 12-hour clock's "Time:  10:18:03 PM" and a date of four-digit years.
    ui->sStatusBar2->setPanelWidths({120, 110, 500, 50});
    connectToolRow();
    createShortcuts();
    createTrayIcon();
    retranslate();

    // The status bar follows the pointer every 10 ms while it moves over the
    // program; at rest only the clock changes, once a second, and the program
    // sleeps in between.
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, [this] { RunGuarded([this] { Timer1Timer(); }); });
    connect(&pointer_, &PointerTracker::moved, this, [this] {
        lastMove_.start();
        if (!Timer1.isActive())
            Timer1.start();
    });
    secondTimer_.setSingleShot(true);
    secondTimer_.setTimerType(Qt::PreciseTimer);
    connect(&secondTimer_, &QTimer::timeout, this, [this] { RunGuarded([this] { Timer1Timer(); }); });
    lastMove_.start();
    Timer1.start();
}

TForm1::~TForm1() = default;

void TForm1::SetWindows(const ProgramWindows* windows)
{
    windows_ = windows;
}

void TForm1::connectToolRow()
{
    const struct {
        QPushButton* button;
        Glyph glyph;
    } tools[] = {
        {ui->sBitBtn32, Glyph::HideModel}, {ui->sBitBtn1, Glyph::Models},
        {ui->sBitBtn2, Glyph::Dictionary}, {ui->sBitBtn3, Glyph::Reference},
        {ui->sBitBtn4, Glyph::Formulas},   {ui->sBitBtn5, Glyph::Questions},
        {ui->sBitBtn6, Glyph::Problems},   {ui->sBitBtn7, Glyph::Knowledge},
        {ui->sBitBtn8, Glyph::Help},       {ui->sBitBtn9, Glyph::Exit},
    };
    for (const auto& tool : tools) {
        tool.button->setIcon(GlyphIcon(tool.glyph));
        tool.button->setCursor(Qt::PointingHandCursor);
    }

    const auto opens = [this](QPushButton* button, auto window) {
        ConnectGuarded(button, &QPushButton::clicked, this,
                       [this, window] { ShowModeless((windows_->*window).get()); });
    };
    ConnectGuarded(ui->sBitBtn32, &QPushButton::clicked, this, [this] { sBitBtn32Click(); });
    opens(ui->sBitBtn1, &ProgramWindows::form5);
    opens(ui->sBitBtn2, &ProgramWindows::form6);
    opens(ui->sBitBtn3, &ProgramWindows::form7);
    opens(ui->sBitBtn4, &ProgramWindows::form10);
    opens(ui->sBitBtn5, &ProgramWindows::form9);
    opens(ui->sBitBtn6, &ProgramWindows::form8);
    opens(ui->sBitBtn7, &ProgramWindows::form14);
    opens(ui->sBitBtn8, &ProgramWindows::form11);
    ConnectGuarded(ui->sBitBtn9, &QPushButton::clicked, this, [this] { close(); });
}

// Keys that reach the models and the help from the keyboard alone, from
// every window of the program: Ctrl+1 ... Ctrl+8 show the models in the
// chooser's order, Ctrl+0 and F2 the chooser, F1 the help on the controls.
void TForm1::createShortcuts()
{
    const auto key = [this](const QKeySequence& sequence, std::function<void()> action) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        ConnectGuarded(shortcut, &QShortcut::activated, this, std::move(action));
    };
    for (int n = 1; n <= 8; ++n) {
        key(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + n)), [this, n] {
            ShowModeless(this);
            ShowModelSheet(sheet(ModelCatalogue()[n - 1].sheet));
            windows_->form5->close();
        });
    }
    const auto chooser = [this] { ShowModeless(windows_->form5.get()); };
    key(QKeySequence(Qt::CTRL | Qt::Key_0), chooser);
    key(QKeySequence(Qt::Key_F2), chooser);
    key(QKeySequence(Qt::Key_F1), [this] { ShowModeless(windows_->form11.get()); });
}

void TForm1::createModelSheets()
{
    // One sheet per model, in the chooser's order; a model not built yet
    // keeps an empty sheet. The host starts hidden, every tab with it.
    for (const ModelEntry& model : ModelCatalogue()) {
        QWidget* sheet = model.createSheet ? model.createSheet() : new QWidget;
        sheet->setObjectName(model.sheet);
        const int index = ui->sPageControl1->addTab(sheet, QString());
        ui->sPageControl1->setTabVisible(index, false);
    }
    ui->sPageControl1->setCurrentIndex(0);
    pictureButtons_ = new PictureButtons;
    ui->sPageControl1->setCornerWidget(pictureButtons_, Qt::TopRightCorner);
    // The tab bar's arrow keys, its wheel and Ctrl+Tab step to the next tab
    // even when it is hidden: the host goes straight back to the one shown.
    connect(ui->sPageControl1, &QTabWidget::currentChanged, this, [host = ui->sPageControl1](int index) {
        if (index < 0 || host->isTabVisible(index))
            return;
        for (int i = 0; i < host->count(); ++i) {
            if (host->isTabVisible(i))
                host->setCurrentIndex(i);
        }
    });
}

void TForm1::AttachSideWindows()
{
    for (const ModelEntry& model : ModelCatalogue()) {
        if (ModelSheet* sheet = modelSheet(model.sheet))
            sheet->AttachSideWindows(*windows_);
    }
}

void TForm1::createTrayIcon()
{
    PopupMenu1 = new QMenu(this);
    const auto item = [this](const char* name) {
        QAction* action = PopupMenu1->addAction(QString());
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QAction* N4 = item("N4");
    QAction* N2 = item("N2");
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N5"));
    item("N4020091");
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N3"));
    QAction* N1 = item("N1");

    ConnectGuarded(N4, &QAction::triggered, this, [this] { ShowModeless(windows_->form11.get()); });
    ConnectGuarded(N2, &QAction::triggered, this, [this] { ShowModeless(windows_->form16.get()); });
    ConnectGuarded(N1, &QAction::triggered, this, [this] { close(); });

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    RzTrayIcon1 = new QSystemTrayIcon(windowIcon(), this);
    RzTrayIcon1->setContextMenu(PopupMenu1);
    RzTrayIcon1->show();
}

void TForm1::retranslate()
{
    for (const ModelEntry& model : ModelCatalogue()) {
        QWidget* sheet = this->sheet(model.sheet);
        sheet->setWindowTitle(model.title()); // the title its printed page and saved pictures carry
        ui->sPageControl1->setTabText(ui->sPageControl1->indexOf(sheet), model.title());
    }
    const auto caption = [this](const char* name, const QString& text) {
        PopupMenu1->findChild<QAction*>(QLatin1String(name))->setText(text);
    };
    caption("N4", tr("Помощь"));
    caption("N2", tr("Автор программы"));
    caption("N4020091", tr("Версия программы: %1").arg(QStringLiteral(OPTIKA_VERSION)));
    caption("N1", tr("Закрыть"));
    if (RzTrayIcon1)
        RzTrayIcon1->setToolTip(tr("Оптика"));
}

void TForm1::ShowModelSheet(QWidget* sheet)
{
    QTabWidget* host = ui->sPageControl1;
    const int chosen = host->indexOf(sheet);
    host->setVisible(true);
    // The host covers the banner and the clock; a covered clock need not tick.
    ui->VrLedClock1->setVisible(false);
    for (int i = 0; i < host->count(); ++i)
        host->setTabVisible(i, i == chosen);
    host->setCurrentIndex(chosen);
    pictureButtons_->Follow(sheet);
}

QWidget* TForm1::sheet(const QString& name) const
{
    return ui->sPageControl1->findChild<QWidget*>(name);
}

ModelSheet* TForm1::modelSheet(const QString& name) const
{
    return ui->sPageControl1->findChild<ModelSheet*>(name);
}

void TForm1::sBitBtn32Click()
{
    // The tabs go in the order of the sheets: sTabSheet1, 2, 3, 5, 4, 6, 7, 8.
    ui->sPageControl1->setVisible(false);
    ui->VrLedClock1->setVisible(true);
    for (int i = 0; i < ui->sPageControl1->count(); ++i)
        ui->sPageControl1->setTabVisible(i, false);
}

void TForm1::Timer1Timer()
{
    // The clock's texts change once a second; most ticks only look at the hint.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now >= nextSecond_) {
        nextSecond_ = (now / 1000 + 1) * 1000;
        ui->sStatusBar2->setPanelText(0, StatusTimeText());
        ui->sStatusBar2->setPanelText(1, StatusDateText());
    }
    ui->sStatusBar2->setPanelText(2, StatusHintText(pointer_.underMouse()));
    if (lastMove_.hasExpired(kRestAfterMs))
        Timer1.stop();
    secondTimer_.start(int(nextSecond_ - now));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::quit();
}
