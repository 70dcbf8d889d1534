// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/model_point.h"

#include <optional>
#include <vector>

// The path of the ray through the triangular prism, in the prism's model
// coordinates (one unit a square of its grid, y upwards), traced by Snell's
// law and the law of reflection.

// How the ray got through the prism; the sheet's indicators and the deviation
// readout follow it.
enum class PrismOutcome {
    Missed,           // the ray never meets the left face: it passes above the apex or runs along or away from the face
    Emerged,          // the ray leaves the prism refracted twice, where it goes in and where it comes out
    TotallyReflected, // the ray inside is totally reflected, then leaves wherever it can
};

// The prism's three sides.
enum class PrismSide { LeftFace, RightFace, Base };

// Where the ray meets a side of the prism.
struct PrismHit {
    ModelPoint at;
    PrismSide side;
};

struct PrismTrace {
    long double n = 1;
    ModelPoint V{0, 5}; // apex, left and right base corners
    ModelPoint L{0, 0};
    ModelPoint R{0, 0};
    ModelPoint O{-10, 0}; // where the incident ray starts
    ModelPoint incident{1, 0}; // its unit direction
    PrismOutcome outcome = PrismOutcome::Missed;
    // Where the incident ray ends: the entry point on the left face (or O
    // itself, on the base of a prism wider than the grid), or for a miss the
    // edge of the grid.
    ModelPoint incidentEnd{0, 0};
    // The entry point, then every point where the ray inside meets a side, in
    // order; empty for a miss.
    std::vector<PrismHit> hits;
    // Where the ray that leaves the prism reaches the edge of the grid; none
    // when no ray leaves or it leaves outside the grid, running away from it.
    std::optional<ModelPoint> emergentEnd;
    // The angle between the incident and the emergent ray, degrees, when the
    // ray leaves refracted twice; none otherwise.
    std::optional<long double> deviation;
};

// The reflections traced inside the prism before the ray is left where it is.
constexpr int MaxPrismReflections = 6;

// Traces the ray of angle alpha above the horizontal (degrees) from (-10, 0)
// through the prism of apex angle P (degrees) and the index of the scroll bar
// position s.
PrismTrace TracePrism(int alpha, int P, int s);
