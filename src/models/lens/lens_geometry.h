// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The numbers of the lens model in double precision; lengths in centimetres
// (one centimetre is one canvas pixel). F is the magnitude of the focal
// length for both lens kinds, d the object distance, h1 the object height.

enum class LensKind { Converging, Diverging };

struct LensNumbers {
    double D;  // optical power, dioptres: negative for a diverging lens
    double f;  // image distance: positive for a real image on the right
    double G;  // magnification -f / d: negative for an inverted image
    double h2; // image height G h1: negative for an inverted image
};

// The optical power in dioptres, 100 / F, negative for a diverging lens.
double LensPower(LensKind kind, double F);

// Requires d != F for the converging lens, whose rays then leave parallel.
LensNumbers ComputeLens(LensKind kind, double F, double d, double h1);

// "d>2F", "d=2F", "F<d<2F", "d=F" or "d<F".
QString LensCaseText(int F, int d);

// Rays that leave the picture are drawn on to this x, beyond its right edge.
constexpr double RayEndX = 500;

// One redraw of the lens model: its settings and every number and point it
// shows. With the object in the focus of a converging lens the rays leave
// parallel: there is no image, and nothing to say of f, Г and h2.
struct LensState {
    LensKind kind;
    double F;
    double d;
    double h1;
    QString caseText;
    double D;
    bool raysParallel;
    LensNumbers numbers; // all but D unset while the rays leave parallel
    // Converging lens: where the central rays and the refracted parallel ray
    // end, the latter also the tip of the image.
    double centralRayTip = 0;
    double imageTip = 0;
    // Diverging lens: where the refracted rays leave the picture at RayEndX,
    // and the half-length of the virtual image.
    double divergingRayEnd = 0;
    double virtualImageHalf = 0;
};

LensState LensStateOf(LensKind kind, int F, int d, int h1);

// The outline's half-height, sqrt(17500).
double LensHalfHeight();
