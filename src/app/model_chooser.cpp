// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model_chooser.h"

#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "ui/data_files.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_model_chooser.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPixmap>

TForm5::TForm5(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm5>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        if (shown_ > 0)
            ui->sRichEdit1->setPlainText(ModelCatalogue()[shown_ - 1].description());
    });
    ShapeWindow(this, WindowShape::Centred());

    for (int n = 1; n <= 8; ++n) {
        QPushButton* button = modelButton(n);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        button->setCursor(Qt::PointingHandCursor);
        ConnectGuarded(button, &QPushButton::clicked, this, [this, n] { ModelButtonClick(n); });
    }
    ConnectGuarded(ui->sBitBtn9, &QPushButton::clicked, this, [this] { sBitBtn9Click(); });
}

TForm5::~TForm5() = default;

void TForm5::SetMainWindow(TForm1* mainWindow)
{
    mainWindow_ = mainWindow;
}

QPushButton* TForm5::modelButton(int n) const
{
    QPushButton* const buttons[] = {ui->sBitBtn1, ui->sBitBtn2, ui->sBitBtn3, ui->sBitBtn4,
                                    ui->sBitBtn5, ui->sBitBtn6, ui->sBitBtn7, ui->sBitBtn8};
    return buttons[n - 1];
}

// A model button shows its model's picture and description as the pointer
// moves over it, and as the keys move the focus to it. The focus a window
// gets back as it opens again leaves the model last shown where it is.
bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    const auto keyFocus = [event] {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    };
    if (event->type() == QEvent::MouseMove || (event->type() == QEvent::FocusIn && keyFocus())) {
        for (int n = 1; n <= 8; ++n) {
            if (watched == modelButton(n))
                RunGuarded([this, n] { ModelButtonMouseMove(n); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm5::ModelButtonMouseMove(int n)
{
    const ModelEntry& model = ModelCatalogue()[n - 1];
    // The picture is read anew at every movement, at the ratio of the screen
    // the window is on now; a missing file stops here, before the description
    // changes.
    ui->Image1->setPixmap(QPixmap::fromImage(LoadPicture(model.picture, ui->Image1->devicePixelRatioF())));
    ui->sRichEdit1->setPlainText(model.description());
    shown_ = n;
}

void TForm5::ModelButtonClick(int n)
{
    mainWindow_->ShowModelSheet(mainWindow_->sheet(ModelCatalogue()[n - 1].sheet));
    close();
}

void TForm5::sBitBtn9Click()
{
    close();
}
