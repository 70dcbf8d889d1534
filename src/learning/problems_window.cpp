// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/problems_window.h"

#include "learning/rtf_reader.h"
#include "learning/study_pictures.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_problems_window.h"

TForm8::TForm8(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm8>())
{
    ui->setupUi(this);
    // The document and the photograph are read anew, in the new language
    // where it has them.
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        FormCreate();
        showFlask();
    });
    ShapeWindow(this, WindowShape::Centred());
    showFlask();
    ConnectGuarded(ui->sBitBtn9, &QPushButton::clicked, this, [this] { sBitBtn9Click(); });
}

TForm8::~TForm8() = default;

// The photograph keeps its proportions inside its frame; stored at twice
// the frame's size, it has the pixels of a 2x screen too.
void TForm8::showFlask()
{
    const QPixmap flask = StudyPicture(QStringLiteral("flask.jpg"));
    if (flask.isNull())
        return;
    const qreal ratio = ui->Image1->devicePixelRatioF();
    QPixmap shown = flask.scaled(ui->Image1->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    ui->Image1->setPixmap(shown);
}

void TForm8::FormCreate()
{
    LoadRtfFile(QStringLiteral("txt\\zadachi.rtf"), ui->RxRichEdit1->document());
    ui->RxRichEdit1->moveCursor(QTextCursor::Start);
}

void TForm8::sBitBtn9Click()
{
    close();
}
