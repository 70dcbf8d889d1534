// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/reflection/reflection_geometry.h"

class Canvas;

// Draws the law-of-reflection picture for ray angle A and mirror tilt F on
// `canvas`: refresh, protractor, mirror, normal, rays, lamp and angle arcs.
// Puts the model origin at the canvas centre.
void DrawReflection(Canvas& canvas, const ReflectionState& state);
