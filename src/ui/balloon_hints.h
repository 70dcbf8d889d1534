#pragma once

class QApplication;

// Hints shown as balloons in bold Tahoma 13 px, black, after a 200 ms pause.
void InstallBalloonHints(QApplication& application);
