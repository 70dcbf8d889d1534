// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/model_point.h"

// The numbers of the two shadow models, in extended precision.

// One source of radius s at the origin, an obstacle of radius h with its
// centre at (d, 0), a screen in the plane x = L.
struct OneSourceShadow {
    // Where the ray from the top of the source past the top of the obstacle
    // meets the screen: the upper edge of the umbra (below 0 once the rays
    // from the source's edges cross before the screen).
    long double yU;
    // Where the ray from the bottom of the source past the top of the
    // obstacle meets the screen: the upper edge of the penumbra.
    long double yP;

    // Whether the screen stands no farther than the tip of the umbra's cone
    // (a point there). Beyond the tip every point of the screen sees part of
    // the source: there is no full shadow, and the middle of the penumbra is
    // the antumbra, where a ring of the source shows round the obstacle.
    bool hasUmbra() const { return yU >= 0; }
};

OneSourceShadow OneSourceShadowEdges(int s, int h, int d, int L);

// One setting of the one-source model: the source radius s (0 for a point
// source), the obstacle radius h (0 once it is removed), the obstacle's
// distance d and the screen's distance L, all from the source.
struct OneSourceScene {
    int s;
    int h;
    int d;
    int L;
    bool obstacleShown;
};

// One redraw of the one-source model: its setting and the shadow's edges,
// which the side view and the screen face-on both show.
struct OneSourceState {
    OneSourceScene scene;
    OneSourceShadow shadow;
};

OneSourceState OneSourceStateOf(const OneSourceScene& scene);

// The obstacle never overlaps the source: its centre stays at least s + h
// from the source's, and at least 1, so that the shadow's edges never divide by 0.
int NearestObstacleDistance(int s, int h);

// The screen can never come nearer to the source than d + s + 10.
int NearestScreenDistance(int s, int d);

// A point source at distance r from the centre of an obstacle of radius R,
// turned by theta degrees up from the negative x axis, and a screen in the
// plane x = L.
struct SourceRays {
    ModelPoint source;
    // The ends of the obstacle's diameter across the direction of the source:
    // `edgePlus` is the one a quarter turn clockwise of the source.
    ModelPoint edgePlus;
    ModelPoint edgeMinus;
    // Where the rays from the source past those two edges meet the screen;
    // the source's shadow lies between them.
    long double yPlus;
    long double yMinus;
    // The slopes of the two rays.
    long double kPlus;
    long double kMinus;
};

ModelPoint SourcePosition(int theta, int r);

// How near a source may come to the centre of an obstacle of radius R: 10
// outside its rim, and no nearer than 50. Then at every angle up to 50
// degrees both rays past the obstacle's edges head for the screen, since
// r cos(theta) - R sin(theta) > 0 needs r > R tan 50 = 1.19 R, which R + 10
// is for every R up to 50.
int NearestSourceDistance(int R);

// The rays of one source past the obstacle. A source so close to a large
// obstacle that a ray runs parallel to the screen ends in a floating-point
// error; no source at NearestSourceDistance or farther comes to that.
SourceRays RaysPastObstacle(int theta, int r, int R, int L);

// One setting of the two-source model: each source's angle theta (degrees up
// from the negative x axis) and distance r from the obstacle's centre, the
// screen's distance L and the obstacle's radius R.
struct TwoSourceScene {
    int theta1;
    int r1;
    int theta2;
    int r2;
    int L;
    int R;
};

// One redraw of the two-source model: its setting and each source's rays,
// which the side view and the screen face-on both show.
struct TwoSourceState {
    TwoSourceScene scene;
    SourceRays first;
    SourceRays second;
};

TwoSourceState TwoSourceStateOf(const TwoSourceScene& scene);
