#pragma once

class Canvas;

// How far the ray got through the prism in the last picture; the sheet's
// indicators follow it.
enum class PrismOutcome {
    NoRay,            // the angle of incidence on the left face is 90 degrees or more: no ray drawn
    Missed,           // the ray meets the left face's line above the apex
    ThroughCorner,    // the ray inside reaches the row of the base: drawn on through the corner
    Emerged,          // the ray leaves by the right face or by the base
    TotallyReflected, // the ray inside cannot leave where it meets the prism's surface
};

// Refreshes the canvas and draws the prism picture for the ray angle alpha
// (degrees), the apex angle P (degrees) and the index position s: the grid
// with its numbered axis, the prism with its apex mark, then as far as the
// ray gets the incident ray with its double arc, the normals where it meets
// the surfaces, the ray inside and the emergent ray.
PrismOutcome DrawPrism(Canvas& canvas, int alpha, int P, int s);
