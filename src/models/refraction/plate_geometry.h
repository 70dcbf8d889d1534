// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/model_point.h"

#include <optional>

// The numbers of the plane-parallel plate model, in extended precision and
// stored as doubles where a readout or the picture takes them. The plate
// lies in air (n1 = 1) with its upper face through O, where the ray meets it;
// lengths are in model pixels, one pixel per millimetre of the plate. It is
// drawn from x = -200 to 200, so a steep ray through a thick plate can reach
// its right side face before the lower face.

// The positions of the sheet's three controls.
struct PlateSettings {
    int A; // angle of incidence in degrees, 1..89
    int s; // refractive index in hundredths, 100..300
    int t; // thickness setting, 0..200
};

// The face through which the ray leaves the plate.
enum class PlateExit {
    LowerFace, // parallel to the incident ray, shifted sideways
    SideFace,  // the right side face x = 200, refracted there
};

// One redraw of the plate: its settings and every number and point shown.
struct PlateGeometry {
    PlateSettings settings;
    double n2;     // index of the plate
    long double d; // thickness in centimetres
    double B;      // angle of refraction in degrees
    ModelPoint S;  // the source, 200 from O, A to the left of the upward normal
    ModelPoint Q;  // where the incident ray would go on without the plate
    PlateExit exit;
    // Where the refracted ray from O leaves the plate: the exit point on the
    // lower face, or on the right side face when the lower face's line lies
    // beyond the plate's end.
    ModelPoint X;
    double emergence;       // A": the emergent ray's angle to the normal at X, degrees
    double reading;         // its direction on the protractor about X, which reads 90 along the normal
    ModelPoint emergentEnd; // 200 from X along the emergent ray
    // The lateral shift of the emergent ray in centimetres; none for a ray
    // that leaves through the side face, not parallel to the incident one.
    std::optional<double> shift;
};

// n2 = s / 100 + 0.01: never exactly 1, so the ray always bends.
double PlateIndex(int s);

// d = t / 10 + 0.1 centimetres, so the plate is t + 1 pixels thick.
long double PlateThickness(int t);

// B = arcsin(sin A / n2) in degrees; below A, as the plate is denser than air.
double PlateRefractionAngle(long double A, double n2);

// cos A (tan A - tan B) d, the distance between the incident ray's line and
// the parallel emergent ray.
double PlateShift(long double A, double B, double d);

PlateGeometry PlateGeometryOf(const PlateSettings& settings);
