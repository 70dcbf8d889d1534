#include "ui/start_look.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QPalette>

void ApplyStartLook(QApplication& application)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x3B, 0x46, 0x56));
    palette.setColor(QPalette::WindowText, QColor(0xF2, 0xF4, 0xF7));
    palette.setColor(QPalette::Button, QColor(0x4C, 0x5A, 0x6E));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xED, 0xF2, 0xF9));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Light, QColor(0x6A, 0x7A, 0x90));
    palette.setColor(QPalette::Midlight, QColor(0x5A, 0x68, 0x7C));
    palette.setColor(QPalette::Mid, QColor(0x2E, 0x37, 0x44));
    palette.setColor(QPalette::Dark, QColor(0x22, 0x29, 0x33));
    palette.setColor(QPalette::Shadow, QColor(0x10, 0x14, 0x1A));
    palette.setColor(QPalette::Highlight, QColor(0x3A, 0x7B, 0xD5));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    application.setPalette(palette);

    // The layouts' default face: MS Sans Serif, 11 pixels.
    application.setFont(UiFont(QStringLiteral("MS Sans Serif"), 11));
    application.setStyleSheet(application.styleSheet()
                              + QStringLiteral("QGroupBox { border: 1px solid #7A8AA0; border-radius: 4px;"
                                               " margin-top: 6px; }"
                                               "QGroupBox::title { subcontrol-origin: margin; left: 8px;"
                                               " padding: 0 3px; }"));
}
