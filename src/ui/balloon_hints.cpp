// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/balloon_hints.h"

#include <QApplication>
#include <QProxyStyle>

namespace {

class HintPauseStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 200;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void InstallBalloonHints(QApplication& application)
{
    application.setStyle(new HintPauseStyle(QStringLiteral("Fusion")));
}

QString BalloonHintStyleSheet()
{
    return QStringLiteral("QToolTip { font: bold 13px \"Tahoma\"; color: black; background-color: #FFFFE1;"
                          " border: 1px solid #404040; border-radius: 6px; padding: 3px; }");
}
