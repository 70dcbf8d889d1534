// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin_manager.h"

#include "ui/balloon_hints.h"

#include <QApplication>
#include <QPalette>

SkinManager::SkinManager(QObject* parent)
    : QObject(parent)
{
    for (const Skin& skin : BuiltInSkins()) {
        if (skin.name == StartSkinName())
            skin_ = skin;
    }
    apply();
}

QStringList SkinManager::skinNames()
{
    QStringList names;
    for (const Skin& skin : BuiltInSkins())
        names << skin.name;
    return names;
}

void SkinManager::setSkinName(const QString& name)
{
    for (const Skin& skin : BuiltInSkins()) {
        if (skin.name == name) {
            skin_ = skin;
            apply();
            emit skinChanged(name);
            return;
        }
    }
}

QPalette SkinManager::paletteOf(const Skin& skin)
{
    QPalette palette;
    palette.setColor(QPalette::Window, skin.window);
    palette.setColor(QPalette::WindowText, skin.windowText);
    palette.setColor(QPalette::Button, skin.buttonBottom);
    palette.setColor(QPalette::ButtonText, skin.buttonText);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xED, 0xF2, 0xF9));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Light, skin.buttonTop);
    palette.setColor(QPalette::Midlight, skin.panel);
    palette.setColor(QPalette::Mid, skin.border);
    palette.setColor(QPalette::Dark, skin.border.darker(140));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0, 160));
    palette.setColor(QPalette::Highlight, skin.highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    return palette;
}

QString SkinManager::styleSheetOf(const Skin& s)
{
    const auto c = [](const QColor& colour) { return colour.name(); };
    QString sheet = QStringLiteral(
        "QPushButton { color: %1; border: 1px solid %2; border-radius: %3px; padding: 2px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4, stop:1 %5); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %6, stop:1 %7); }"
        "QPushButton:pressed { background: %7; }"
        "QPushButton:disabled { color: %2; }"
        "QGroupBox { background: %8; border: 1px solid %2; border-radius: %3px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: %9; }"
        "QGroupBox QLabel, QGroupBox QRadioButton, QGroupBox QCheckBox, LabelFX, QLabel[role=\"caption\"]"
        " { color: %10; }"
        // A control a model has switched off must look it, its check mark kept.
        "QGroupBox QRadioButton:disabled, QGroupBox QCheckBox:disabled { color: %2; }"
        "QTabWidget::pane { border: 1px solid %2; background: %11; }"
        "QTabBar::tab { color: %1; padding: 4px 12px; border: 1px solid %2; border-bottom: none;"
        " border-top-left-radius: %3px; border-top-right-radius: %3px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4, stop:1 %5); }"
        "PanelStatusBar QLabel { color: %12; }"
        "QRadioButton::indicator, QCheckBox::indicator { width: 12px; height: 12px; border: 1px solid %2;"
        " background: white; }"
        "QRadioButton::indicator { border-radius: 7px; }"
        "QCheckBox::indicator { border-radius: 2px; }"
        "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
        " stop:0 %13, stop:0.5 %13, stop:0.6 white, stop:1 white); }"
        "QCheckBox::indicator:checked { background: %13; border: 3px solid white; outline: 1px solid %2; }"
        "QRadioButton::indicator:disabled, QCheckBox::indicator:disabled { background: %8; }"
        "QCheckBox::indicator:checked:disabled { background: %2; border: 3px solid %8; }"
        // The focus: a ring on the edge of the button and of the current tab,
        // in place of their border, the caption staying where it is; the
        // other controls get theirs from the FocusRing. The base style's faint
        // focus rectangle would only blur the ring.
        "QPushButton, QTabBar, QRadioButton, QCheckBox { outline: none; }"
        "QPushButton:focus { border: 2px solid %14; padding: 1px; }"
        // A pixel of ground parts the focused tab's ring from the pane's border.
        "QTabBar::tab:focus { border: 2px solid %14; padding: 3px 11px 1px 11px; margin-bottom: 1px; }");
    sheet = sheet.arg(c(s.buttonText), c(s.border), QString::number(s.radius), c(s.buttonTop), c(s.buttonBottom),
                      c(s.hoverTop), c(s.hoverBottom), c(s.panel), c(s.title))
                .arg(c(s.caption), c(s.window), c(s.windowText), c(s.highlight), c(s.focus));
    return sheet + BalloonHintStyleSheet();
}

void SkinManager::apply()
{
    qApp->setPalette(paletteOf(skin_));
    qApp->setStyleSheet(styleSheetOf(skin_));
    focusRing_.setColours(skin_.focus, skin_.window);
}
