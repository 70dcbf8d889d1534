// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/questions_window.h"

#include "learning/rtf_reader.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_questions_window.h"

TForm9::TForm9(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm9>())
{
    ui->setupUi(this);
    // The document is read anew, in the new language where it has one.
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        FormCreate();
    });
    ShapeWindow(this, WindowShape::Centred());
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
}

TForm9::~TForm9() = default;

void TForm9::FormCreate()
{
    LoadRtfFile(QStringLiteral("txt\\voprosi.rtf"), ui->sRichEdit1->document());
    ui->sRichEdit1->moveCursor(QTextCursor::Start);
}

void TForm9::sBitBtn1Click()
{
    close();
}
