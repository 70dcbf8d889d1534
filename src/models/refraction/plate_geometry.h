#pragma once

#include "kit/model_drawing.h"

// The numbers of the plane-parallel plate model, in extended precision and
// stored as doubles where a readout or the picture takes them. The plate
// lies in air (n1 = 1) with its upper face through O, where the ray meets it;
// lengths are in model pixels, one pixel per millimetre of the plate.

// The positions of the sheet's three controls.
struct PlateSettings {
    int A; // angle of incidence in degrees, 1..89
    int s; // refractive index in hundredths, 100..300
    int t; // thickness setting, 0..200
};

struct PlateGeometry {
    double n2;      // index of the plate
    long double d;  // thickness in centimetres
    double B;       // angle of refraction in degrees
    double shift;   // lateral shift of the emergent ray in centimetres
    ModelPoint S;   // the source, 200 from O, A to the left of the upward normal
    ModelPoint Q;   // where the incident ray would go on without the plate
    ModelPoint X;   // the exit point on the lower face
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
