// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/prism_trace.h"

#include "kit/checked_math.h"
#include "models/refraction/prism_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

ModelPoint operator+(ModelPoint a, ModelPoint b)
{
    return {a.x + b.x, a.y + b.y};
}

ModelPoint operator-(ModelPoint a, ModelPoint b)
{
    return {a.x - b.x, a.y - b.y};
}

ModelPoint operator*(long double k, ModelPoint a)
{
    return {k * a.x, k * a.y};
}

long double Dot(ModelPoint a, ModelPoint b)
{
    return a.x * b.x + a.y * b.y;
}

long double Cross(ModelPoint a, ModelPoint b)
{
    return a.x * b.y - a.y * b.x;
}

ModelPoint Unit(ModelPoint a)
{
    return Divide(1, std::hypot(a.x, a.y)) * a;
}

// A side of the prism as a segment, with its unit normal pointing out of the glass.
struct Side {
    PrismSide which;
    ModelPoint from, to, outward;
};

// How far along the ray from p in the unit direction d it meets the segment
// of `side`, and where along the segment (0 at its start, 1 at its end); none
// when the ray runs parallel to it.
struct Crossing {
    long double distance, along;
};

std::optional<Crossing> CrossingOf(ModelPoint p, ModelPoint d, const Side& side)
{
    const ModelPoint span = side.to - side.from;
    const long double denominator = Cross(d, span);
    if (denominator == 0)
        return std::nullopt;
    const ModelPoint toStart = side.from - p;
    return Crossing{Cross(toStart, span) / denominator, Cross(toStart, d) / denominator};
}

// A point that rounding puts a hair outside a segment still meets it.
constexpr long double Tolerance = 1e-12L;

bool Meets(const std::optional<Crossing>& c)
{
    return c && c->distance > Tolerance && c->along >= -Tolerance && c->along <= 1 + Tolerance;
}

// The direction of a ray of unit direction d through a surface of unit normal
// m pointing the way the light goes, eta being n before / n after; none when
// the ray is totally reflected.
std::optional<ModelPoint> Refracted(ModelPoint d, ModelPoint m, long double eta)
{
    const long double cosI = Dot(d, m);
    const long double sinSquared = eta * eta * (1 - cosI * cosI);
    if (sinSquared > 1)
        return std::nullopt;
    return Unit(eta * d + (std::sqrt(1 - sinSquared) - eta * cosI) * m);
}

ModelPoint Reflected(ModelPoint d, ModelPoint m)
{
    return d - 2 * Dot(d, m) * m;
}

// Where the ray from p along d leaves the grid's frame, x -10 .. 10 and
// y -5 .. 5; none when it runs away from the frame outside it.
std::optional<ModelPoint> GridExit(ModelPoint p, ModelPoint d)
{
    long double distance = INFINITY;
    if (d.x != 0)
        distance = std::min(distance, ((d.x > 0 ? 10 : -10) - p.x) / d.x);
    if (d.y != 0)
        distance = std::min(distance, ((d.y > 0 ? 5 : -5) - p.y) / d.y);
    if (!(distance > 0))
        return std::nullopt;
    return p + distance * d;
}

} // namespace

PrismTrace TracePrism(int alpha, int P, int s)
{
    PrismTrace t;
    t.n = PrismIndex(s);
    // Each face stands at half the apex angle to the vertical.
    t.L = {Divide(-5, std::tan(Radians(90 - static_cast<long double>(P) / 2))), 0};
    t.R = {-t.L.x, 0};
    t.incident = Polar(1, alpha);

    const Side left{PrismSide::LeftFace, t.L, t.V, Unit({-5, -t.L.x})};
    const Side right{PrismSide::RightFace, t.V, t.R, Unit({5, t.R.x})};
    const Side base{PrismSide::Base, t.R, t.L, {0, -1}};

    // The light comes from O. It enters where it meets the left face ahead of
    // O from outside, at an angle of incidence alpha + P / 2 below 90 degrees,
    // or passes the prism. A prism wider than the grid (P from 2 arctan 2)
    // stands with its base over O, and a ray that could meet the left face
    // enters through the base at O; one that could not is not drawn at all,
    // as it would run through the glass unbent.
    const Side* entrySide = &left;
    if (t.L.x <= t.O.x) {
        if (2 * alpha + P >= 180) {
            t.outcome = PrismOutcome::Missed;
            t.incidentEnd = t.O;
            return t;
        }
        entrySide = &base;
        t.incidentEnd = t.O;
    } else {
        const std::optional<Crossing> entry = CrossingOf(t.O, t.incident, left);
        if (Dot(t.incident, left.outward) >= 0 || !Meets(entry)) {
            t.outcome = PrismOutcome::Missed;
            t.incidentEnd = GridExit(t.O, t.incident).value_or(t.O);
            return t;
        }
        t.incidentEnd = t.O + entry->distance * t.incident;
    }
    t.hits.push_back({t.incidentEnd, entrySide->which});
    ModelPoint d = *Refracted(t.incident, -1 * entrySide->outward, 1 / t.n);

    int reflections = 0;
    for (;;) {
        // A straight ray leaves a side for one of the other two.
        const PrismHit from = t.hits.back();
        const Side* next = nullptr;
        long double distance = INFINITY;
        for (const Side* side : {&left, &right, &base}) {
            const std::optional<Crossing> c = CrossingOf(from.at, d, *side);
            if (side->which != from.side && Meets(c) && c->distance < distance) {
                next = side;
                distance = c->distance;
            }
        }
        if (!next)
            break;
        t.hits.push_back({from.at + distance * d, next->which});

        if (const std::optional<ModelPoint> out = Refracted(d, next->outward, t.n)) {
            t.emergentEnd = GridExit(t.hits.back().at, *out);
            if (reflections == 0)
                t.deviation = std::atan2(std::fabs(Cross(t.incident, *out)), Dot(t.incident, *out)) * 180 / Pi;
            break;
        }
        if (++reflections > MaxPrismReflections)
            break;
        d = Reflected(d, next->outward);
    }
    t.outcome = reflections == 0 ? PrismOutcome::Emerged : PrismOutcome::TotallyReflected;
    return t;
}
