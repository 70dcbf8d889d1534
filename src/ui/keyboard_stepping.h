// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractSlider;

// Makes a track bar or scroll bar of a model operable from the keyboard:
// it takes the focus by Tab and by a click, moves a step by the arrow keys
// (right and up raise its value), to its ends by Home and End, and a page by
// Page Up and Page Down (up raises), ten steps where it has no page of its
// own (a scroll bar whose thumb shows no page).
void MakeKeyboardOperable(QAbstractSlider* slider);
