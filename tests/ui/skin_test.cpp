// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"
#include "ui/label_fx.h"
#include "ui/skin_manager.h"
#include "ui/skins.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Skins, AreTheEightOfTheChooserStartingWithVista)
{
    EXPECT_EQ(SkinManager::skinNames(),
              (QStringList{"Acryl (internal)", "Cold (internal)", "BlueGlass (internal)", "DarkGlass (internal)",
                           "Office2007 Black (internal)", "SoapSky - Blue (internal)", "Neutral3 (internal)",
                           "Vista (internal)"}));
    SkinManager manager;
    EXPECT_EQ(manager.skinName(), "Vista (internal)");
}

TEST(Skins, KeepEveryTextReadable)
{
    for (const Skin& skin : BuiltInSkins()) {
        SCOPED_TRACE(skin.name.toStdString());
        EXPECT_GE(WcagContrast(skin.windowText, skin.window), 4.5);
        EXPECT_GE(WcagContrast(skin.caption, skin.panel), 4.5);
        EXPECT_GE(WcagContrast(skin.title, skin.window), 4.5);
        EXPECT_GE(WcagContrast(skin.buttonText, skin.buttonTop), 3.0);
        EXPECT_GE(WcagContrast(skin.buttonText, skin.buttonBottom), 3.0);
        EXPECT_GE(WcagContrast(skin.buttonText, skin.hoverTop), 3.0);
    }
}

TEST(Skins, EachLooksDifferent)
{
    QStringList sheets;
    for (const Skin& skin : BuiltInSkins())
        sheets << SkinManager::styleSheetOf(skin);
    sheets.removeDuplicates();
    EXPECT_EQ(sheets.size(), 8);
}

TEST(Skins, ChangeReachesWidgetsThatAreAlreadyShown)
{
    SkinManager manager;
    QWidget window;
    window.resize(200, 100);
    QPushButton button(&window);
    window.show();
    QApplication::processEvents();

    manager.setSkinName(QStringLiteral("Acryl (internal)"));
    QApplication::processEvents();
    EXPECT_EQ(manager.skinName(), "Acryl (internal)");
    EXPECT_EQ(window.palette().color(QPalette::Window), BuiltInSkins().first().window);
    EXPECT_EQ(window.grab().toImage().pixelColor(150, 80), BuiltInSkins().first().window);

    manager.setSkinName(QStringLiteral("No such skin"));
    EXPECT_EQ(manager.skinName(), "Acryl (internal)");
    manager.setSkinName(StartSkinName());
}

TEST(Skins, ShowAControlSwitchedOffInAGroupAsOff)
{
    SkinManager manager;
    QGroupBox group;
    group.resize(120, 40);
    QCheckBox box(QStringLiteral("Линейка"), &group);
    box.setGeometry(8, 12, 100, 17);
    box.setChecked(true);
    group.show();
    for (const QString& name : SkinManager::skinNames()) {
        SCOPED_TRACE(name.toStdString());
        manager.setSkinName(name);
        box.setEnabled(true);
        QApplication::processEvents();
        const QImage enabled = box.grab().toImage();
        box.setEnabled(false);
        QApplication::processEvents();
        const QImage disabled = box.grab().toImage();
        // Both the mark and the caption change.
        EXPECT_NE(enabled.copy(0, 0, 17, 17), disabled.copy(0, 0, 17, 17));
        EXPECT_NE(enabled.copy(20, 0, 80, 17), disabled.copy(20, 0, 80, 17));
    }
    manager.setSkinName(StartSkinName());
}

// Whether the picture holds a pixel of exactly this colour: the inside of a
// full block character drawn in it.
bool shows(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

class SkinColours : public ::testing::TestWithParam<int> {};

// Each skin paints the sheets in its own colours: the window ground, the
// group titles, and the captions inside the groups and the labels with
// effects in the caption colour of its table.
TEST_P(SkinColours, PaintTheirCaptionsAndTitles)
{
    const Skin& skin = BuiltInSkins().at(GetParam());
    SCOPED_TRACE(skin.name.toStdString());
    SkinManager manager;
    manager.setSkinName(skin.name);

    const QString block = QStringLiteral("██");
    QWidget window;
    window.resize(300, 120);
    QGroupBox group(block, &window);
    group.setGeometry(8, 8, 284, 104);
    QLabel caption(block, &group);
    caption.setGeometry(10, 30, 60, 30);
    LabelFX effectCaption(&window);
    effectCaption.setText(block);
    effectCaption.setGeometry(200, 40, 60, 30);
    for (QLabel* label : {&caption, static_cast<QLabel*>(&effectCaption)})
        label->setFont(QFont(label->font().family(), 18));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.grab(QRect(150, 114, 10, 4)).toImage().pixelColor(5, 2), skin.window);
    EXPECT_TRUE(shows(caption.grab().toImage(), skin.caption)) << "group caption";
    EXPECT_TRUE(shows(effectCaption.grab().toImage(), skin.caption)) << "label with effects";
    EXPECT_TRUE(shows(group.grab(QRect(0, 0, 80, 20)).toImage(), skin.title)) << "group title";
    manager.setSkinName(StartSkinName());
}

INSTANTIATE_TEST_SUITE_P(EverySkin, SkinColours, ::testing::Range(0, 8));

} // namespace
