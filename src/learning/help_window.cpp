// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/help_window.h"

#include "learning/about_window.h"
#include "learning/skin_chooser_window.h"
#include "ui/error_box.h"
#include "ui/glyphs.h"
#include "ui/keyboard_stepping.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_help_window.h"

TForm11::TForm11(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm11>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        showLanguage();
    });
    // High enough that its list of keys and its buttons fit a 768-pixel screen.
    ShapeWindow(this, WindowShape::At(191, 40));
    // The demonstration controls are connected to nothing: they only show
    // what the controls of the models look like.
    ui->sBitBtn4->setIcon(GlyphIcon(Glyph::Refresh));
    ui->sBitBtn5->setIcon(GlyphIcon(Glyph::Defaults));
    ui->sBitBtn6->setIcon(GlyphIcon(Glyph::IndexTable));
    MakeKeyboardOperable(ui->sTrackBar1);
    MakeKeyboardOperable(ui->sScrollBar1);

    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
    ConnectGuarded(ui->sBitBtn2, &QPushButton::clicked, this, [this] { sBitBtn2Click(); });
    ConnectGuarded(ui->sBitBtn3, &QPushButton::clicked, this, [this] { sBitBtn3Click(); });

    // Each language named in itself, so that whoever reads it finds their own.
    for (const QString& code : AvailableLanguages())
        ui->languageChoice->addItem(LanguageName(code), code);
    showLanguage();
    connect(ui->languageChoice, &QComboBox::activated, this, [this](int index) {
        RunGuarded([&] { SetLanguage(ui->languageChoice->itemData(index).toString()); });
    });
}

TForm11::~TForm11() = default;

void TForm11::SetAboutWindow(TForm16* window)
{
    about_ = window;
}

void TForm11::SetSkinChooser(TForm18* window)
{
    skinChooser_ = window;
}

void TForm11::showLanguage()
{
    ui->languageChoice->setCurrentIndex(ui->languageChoice->findData(CurrentLanguage()));
}

void TForm11::sBitBtn1Click()
{
    close();
}

void TForm11::sBitBtn2Click()
{
    if (about_)
        ShowModeless(about_);
}

void TForm11::sBitBtn3Click()
{
    if (skinChooser_)
        ShowModeless(skinChooser_);
}
