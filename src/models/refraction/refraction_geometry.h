// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The numbers of the law-of-refraction model, in extended precision.

struct RefractionInputs {
    long double A;  // angle of incidence, degrees: p / 2
    long double n1; // index of the upper medium: s1 / 100 + 0.01
    long double n2; // index of the lower medium
};

// The inputs from the track bar position p (1..179) and the scroll bar
// positions s1, s2 (100..300).
RefractionInputs RefractionInputsOf(int p, int s1, int s2);

// The limiting angle Ao = arcsin(n2 / n1) in degrees; none when n1 < n2.
std::optional<long double> LimitingAngle(long double n1, long double n2);

// sin A * n1 / n2: above 1 the ray is totally reflected.
long double RefractionSine(long double A, long double n1, long double n2);

// The angle of refraction B in degrees; none during total internal reflection.
std::optional<long double> RefractionAngle(long double A, long double n1, long double n2);

// The speed of light in a medium of index n, metres per second.
long double LightSpeedIn(long double n);

// One redraw of the law of refraction: the settings and every angle shown.
struct RefractionState {
    int s1; // the index scroll bars' positions, which decide the hatch
    int s2;
    RefractionInputs in;
    std::optional<long double> Ao; // none when medium 1 is the less dense
    std::optional<long double> B;  // none during total internal reflection
};

RefractionState RefractionStateOf(int p, int s1, int s2);
