// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The auxiliary screens of the shadow models, by their layout names.
inline const char* const OneSourceScreenWindow = "TForm2";
inline const char* const TwoSourceScreenWindow = "TForm3";
