#pragma once

class Canvas;

// The law-of-refraction picture, drawn in the redraw's order; every angle in
// degrees. The redraw writes its readouts between these steps.

// Refreshes the canvas, centres the origin, names the media and draws the
// protractor with its numbered scale.
void DrawMediaAndProtractor(Canvas& canvas);
// The boundary and the normal; leaves a black brush.
void DrawBoundaryAndNormal(Canvas& canvas);
// The lamp, the incident ray and the arc of A, with the reflected ray's arrowhead.
void DrawIncidentRay(Canvas& canvas, long double A);
// The reflected ray and the arc of Y = A, with the incident ray's arrowhead.
void DrawReflectedRay(Canvas& canvas, long double A);
// The incident ray's straight continuation, dotted in yellow; leaves a solid
// yellow pen 3 pixels wide.
void DrawContinuation(Canvas& canvas, long double A);
// The critical line at the limiting angle Ao, its arrowhead and triple arc.
void DrawCriticalLine(Canvas& canvas, long double Ao);
// The refracted ray at B, its arrowhead and double arc.
void DrawRefractedRay(Canvas& canvas, long double B);
// Hatches the half of the picture that holds the denser medium, or the whole
// disc when both indices are equal above the lowest setting.
void HatchDenserMedium(Canvas& canvas, int s1, int s2);
