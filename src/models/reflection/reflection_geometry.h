// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the law-of-reflection model. A is the angle of the incident
// ray from the protractor's vertical (1..89), F the mirror's tilt (0..89),
// both in whole degrees.

// Directions on the protractor, in degrees counterclockwise from the x axis.
struct AngleRange {
    long double from;
    long double to;
};

struct ReflectionReadouts {
    int rayAngle;          // VrNum15: A
    int rayOnProtractor;   // VrNum16: 90 - A
    int mirrorAngle;       // VrNum13: F
    int mirrorOnProtractor; // VrNum14: F
    int reflectedAngle;    // VrNum17: A + 2F, from the vertical
    int reflectedOnProtractor; // VrNum12: 90 + A + 2F
    // VrNum29 and VrNum30: the angles of incidence and reflection, from the
    // normal on the lamp's side, which the arcs mark; always equal.
    int incidenceAngle;
    int reflectionAngle;
};

ReflectionReadouts ComputeReflectionReadouts(int A, int F);

// The reflected ray's direction R = 90 + A + 2F, in radians.
long double ReflectedDirection(int A, int F);

// True when the lamp lies behind the mirror line (A + F > 90): the angle arcs
// then run the other way round the normal.
bool LampBehindMirrorLine(int A, int F);

// The arc of the angle of incidence and that of the angle of reflection, in
// degrees; each ends 1 degree beyond the normal.
AngleRange IncidenceArc(int A, int F);
AngleRange ReflectionArc(int A, int F);

// One redraw of the law of reflection: the settings, the readouts, and the
// reflected ray's direction and the angle arcs the picture draws.
struct ReflectionState {
    int A;
    int F;
    ReflectionReadouts readouts;
    long double R; // radians
    AngleRange incidenceArc;
    AngleRange reflectionArc;
};

ReflectionState ReflectionStateOf(int A, int F);
