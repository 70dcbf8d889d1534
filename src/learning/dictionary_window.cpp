// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/dictionary_window.h"

#include "learning/rtf_reader.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_dictionary_window.h"

TForm6::TForm6(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm6>())
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

TForm6::~TForm6() = default;

void TForm6::FormCreate()
{
    LoadRtfFile(QStringLiteral("txt\\slovar.rtf"), ui->sRichEdit1->document());
    ui->sRichEdit1->moveCursor(QTextCursor::Start);
}

void TForm6::sBitBtn1Click()
{
    close();
}
