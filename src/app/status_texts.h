#pragma once

#include <QString>

// The texts of the main window's status panels, each a prefix ending in two
// blanks followed by its value.

// "Время:  " and the current time in the user's long time format.
QString StatusTimeText();
// "Дата:  " and the current date in the user's short date format.
QString StatusDateText();
// "Подсказка экрана:  " and the hint of the control under the mouse pointer.
QString StatusHintText();

// The hint of the control under the mouse pointer: its own, or that of the
// nearest container that has one; empty when none has.
QString HintUnderMouse();
