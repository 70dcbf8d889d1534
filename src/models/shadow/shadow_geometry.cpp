// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/shadow_geometry.h"

#include "kit/checked_math.h"

#include <algorithm>
#include <cmath>

OneSourceShadow OneSourceShadowEdges(int s, int h, int d, int L)
{
    const long double yU = Divide(static_cast<long double>(h - s) * L, d) + s;
    const long double yP = Divide(static_cast<long double>(h + s) * L, d) - s;
    return {yU, yP};
}

int NearestObstacleDistance(int s, int h)
{
    return std::max(1, s + h);
}

int NearestScreenDistance(int s, int d)
{
    return d + s + 10;
}

ModelPoint SourcePosition(int theta, int r)
{
    const long double alpha = Radians(180 - theta);
    return {r * std::cos(alpha), r * std::sin(alpha)};
}

int NearestSourceDistance(int R)
{
    return std::max(50, R + 10);
}

SourceRays RaysPastObstacle(int theta, int r, int R, int L)
{
    const ModelPoint S = SourcePosition(theta, r);
    const long double beta = Radians(90 - theta);
    const ModelPoint plus{R * std::cos(beta), R * std::sin(beta)};
    const ModelPoint minus{-plus.x, -plus.y};

    SourceRays rays{S, plus, minus, 0, 0, 0, 0};
    rays.yPlus = Divide((L - S.x) * (plus.y - S.y), plus.x - S.x) + S.y;
    rays.yMinus = Divide((L - S.x) * (minus.y - S.y), minus.x - S.x) + S.y;
    rays.kPlus = Divide(plus.y - S.y, plus.x - S.x);
    rays.kMinus = Divide(minus.y - S.y, minus.x - S.x);
    return rays;
}

OneSourceState OneSourceStateOf(const OneSourceScene& scene)
{
    return {scene, OneSourceShadowEdges(scene.s, scene.h, scene.d, scene.L)};
}

TwoSourceState TwoSourceStateOf(const TwoSourceScene& scene)
{
    return {scene, RaysPastObstacle(scene.theta1, scene.r1, scene.R, scene.L),
            RaysPastObstacle(scene.theta2, scene.r2, scene.R, scene.L)};
}
