// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Canvas;

// Draws the law-of-reflection picture for ray angle A and mirror tilt F on
// `canvas`: refresh, protractor, mirror, normal, rays, lamp and angle arcs.
// Puts the model origin at the canvas centre.
void DrawReflection(Canvas& canvas, int A, int F);
