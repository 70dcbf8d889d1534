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

// Converging lens: the tip of the central rays and of the refracted parallel
// ray, which is also the tip of the image.
double CentralRayTip(double h1, double f, double d);
double ImageTip(double h1, double f, double F);

// Rays that leave the picture are drawn on to this x, beyond its right edge.
constexpr double RayEndX = 500;

// Diverging lens: where the refracted rays leave the picture at RayEndX, and
// the half-length of the virtual image.
double DivergingRayEnd(double h1, double F);
double VirtualImageHalf(double h1, double F, double d);

// The outline's half-height, sqrt(17500).
double LensHalfHeight();
