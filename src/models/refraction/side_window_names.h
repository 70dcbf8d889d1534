// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The side windows of the refraction sheets, by their layout names. All three
// sheets open the one table of refractive indices.
inline const char* const IndexTableWindow = "TForm4";
inline const char* const LightSpeedWindow = "TForm12";
