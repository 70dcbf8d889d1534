// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;

// Hints show as balloons after a 200 ms pause.
void InstallBalloonHints(QApplication& application);

// The balloons' look: bold Tahoma 13 px, black; part of every skin.
QString BalloonHintStyleSheet();
