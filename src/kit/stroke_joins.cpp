#include "kit/stroke_joins.h"

#include <algorithm>
#include <cmath>

namespace {

// How far the painter's outline may stray from the exact one: its corners
// are rounded to 1/64 pixel on each axis.
constexpr qreal kSlack = 0.012;
// How deep the rim of a round join's inner turn is watched, and how much
// wider than the turn.
constexpr qreal kRimDepth = 0.05;
constexpr qreal kTurnSlack = 0.02;

qreal length(const QPointF& v)
{
    return std::sqrt(QPointF::dotProduct(v, v));
}

qreal cross(const QPointF& a, const QPointF& b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// The corner at `at` between the pieces along `in` and `out`, for a pen
// `halfWidth` out on each side of the line.
struct Corner {
    QPointF at;
    QPointF outwards; // halving the turn, away from its inside
    qreal cosHalfTurn;
    qreal halfWidth;
    bool turnsInside; // a round join turns on the inside too, after a short piece

    // Whether a round and a bevel join may set the pixel centred `c` differently.
    bool mayDifferAt(const QPointF& c) const
    {
        const QPointF offset = c - at;
        const qreal squared = QPointF::dotProduct(offset, offset);
        const qreal reach = halfWidth + kSlack;
        if (squared > reach * reach)
            return false;
        // Between the outer chord and the outer circle.
        if (QPointF::dotProduct(offset, outwards) >= halfWidth * cosHalfTurn - kSlack)
            return true;
        if (!turnsInside)
            return false;
        // On the corner itself, where a bevel join's inner edge passes, or at
        // the rim of the round join's inner turn.
        const qreal distance = std::sqrt(squared);
        return distance <= kSlack
               || (distance >= halfWidth - kRimDepth
                   && -QPointF::dotProduct(offset, outwards) >= distance * (cosHalfTurn - kTurnSlack));
    }

    // Whether any pixel centre within `aside` of `place` may differ.
    bool mayDifferNear(const QPointF& place, qreal aside) const
    {
        for (int y = int(std::ceil(place.y() - aside - 0.5)); y <= int(std::floor(place.y() + aside - 0.5)); ++y) {
            for (int x = int(std::ceil(place.x() - aside - 0.5)); x <= int(std::floor(place.x() + aside - 0.5)); ++x) {
                if (mayDifferAt(QPointF(x + 0.5, y + 0.5)))
                    return true;
            }
        }
        return false;
    }

    // The places a round and a bevel join can differ are small: the outer
    // sliver, the corner, and the rim of the inner turn; each is looked at
    // within a box round it.
    bool holdsAPixel() const
    {
        const qreal reach = halfWidth + kSlack;
        const qreal chord = halfWidth * cosHalfTurn - kSlack;
        const qreal sliverWidth = std::sqrt(std::max<qreal>(0, reach * reach - chord * chord));
        if (mayDifferNear(at + outwards * ((chord + reach) / 2), sliverWidth + (reach - chord) / 2))
            return true;
        if (!turnsInside)
            return false;
        const qreal rim = halfWidth - kRimDepth;
        const qreal rimWidth = reach * std::sqrt(std::max<qreal>(0, 1 - std::pow(cosHalfTurn - kTurnSlack, 2)));
        return mayDifferNear(at, kSlack) || mayDifferNear(at - outwards * ((rim + reach) / 2), rimWidth + (reach - rim) / 2);
    }
};

// Whether the centre of a pixel lies within `radius` of the segment from `a`
// to `b`.
bool pixelCentreNear(const QPointF& a, const QPointF& b, qreal radius)
{
    const QPointF along = b - a;
    const qreal squaredLength = QPointF::dotProduct(along, along);
    const int top = int(std::ceil(std::min(a.y(), b.y()) - radius - 0.5));
    const int bottom = int(std::floor(std::max(a.y(), b.y()) + radius - 0.5));
    const int left = int(std::ceil(std::min(a.x(), b.x()) - radius - 0.5));
    const int right = int(std::floor(std::max(a.x(), b.x()) + radius - 0.5));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            const qreal t =
                squaredLength > 0 ? std::clamp(QPointF::dotProduct(centre - a, along) / squaredLength, 0.0, 1.0) : 0;
            const QPointF aside = centre - (a + along * t);
            if (QPointF::dotProduct(aside, aside) <= radius * radius)
                return true;
        }
    }
    return false;
}

// Whether a point within `reach` of `p` may round to another 64th of a pixel.
bool nearAHalf64th(const QPointF& p, qreal reach)
{
    const auto near = [reach](qreal v) { return std::abs(v * 64 - std::floor(v * 64) - 0.5) <= reach * 64; };
    return near(p.x()) || near(p.y());
}

// `p` mirrored in the line through `centre` and `axis`.
QPointF mirrored(const QPointF& p, const QPointF& centre, const QPointF& axis)
{
    const QPointF unit = (axis - centre) / length(axis - centre);
    return (centre + unit * QPointF::dotProduct(p - centre, unit)) * 2 - p;
}

// A corner turning so little that the painter's round join is one straight
// step, to a point on the circle round the corner. The painter strokes one
// side of the line going forwards and the other coming back, each time with
// the pen's edge on its left.
bool fineCornerHoldsAPixel(const QPointF& at, const QPointF& inNormal, const QPointF& outNormal, qreal side,
                           qreal halfWidth, qreal sine, bool turnsInside)
{
    // On the outer side the step ends where the bevel ends, but for the
    // painter's circle being a little off the true one: by less than a
    // thousandth of the pen's half width (twice what it is found to be).
    // They differ only if the two ends round to different 64ths of a pixel.
    const bool forwards = side < 0;
    const QPointF outerIn = at + inNormal * (side * halfWidth), outerOut = at + outNormal * (side * halfWidth);
    if (nearAHalf64th(forwards ? outerOut : outerIn, 0.001 * halfWidth)
        && pixelCentreNear(outerIn, outerOut, kSlack + 0.002))
        return true;
    if (!turnsInside)
        return false;
    // After a short piece the inner side's step goes the wrong way round the
    // circle, as far as the corner turns, and comes back to the bevel's end:
    // the rim there, and the corner itself, may differ.
    const QPointF innerIn = at - inNormal * (side * halfWidth), innerOut = at - outNormal * (side * halfWidth);
    const qreal rim = kSlack + 0.002 + halfWidth * 2 * sine * sine;
    return pixelCentreNear(at, at, kSlack)
           || (forwards ? pixelCentreNear(mirrored(innerIn, at, innerOut), innerIn, rim)
                        : pixelCentreNear(mirrored(innerOut, at, innerIn), innerOut, rim));
}

} // namespace

bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth)
{
    const qreal halfWidth = penWidth / 2;
    for (qsizetype i = 1; i + 1 < polyline.size(); ++i) {
        const QPointF in = polyline[i] - polyline[i - 1], out = polyline[i + 1] - polyline[i];
        const qreal inLength = length(in), outLength = length(out);
        if (inLength == 0 || outLength == 0)
            return false;
        const QPointF inNormal(-in.y() / inLength, in.x() / inLength);
        const QPointF outNormal(-out.y() / outLength, out.x() / outLength);
        QPointF middle = inNormal + outNormal;
        if (length(middle) < 1e-9)
            return false; // turning back on itself
        middle /= length(middle);
        // Turning towards the normals, the corner's outer side is the other one.
        const qreal side = cross(in, out) > 0 ? -1 : 1;
        const bool turnsInside = std::min(inLength, outLength) <= halfWidth + 1e-6;
        const qreal sine = std::abs(cross(in, out)) / (inLength * outLength);
        // The painter draws its circle in quarters: where the direction
        // passes the level or the upright, the join goes round the whole
        // circle or steps onto it where two quarters meet; where the corner
        // turns sharply, a quarter's piece is drawn in several steps.
        const auto passes = [](qreal a, qreal b, qreal scale) {
            return (a < 0) != (b < 0) || std::abs(a) <= 1e-9 * scale || std::abs(b) <= 1e-9 * scale;
        };
        const qreal scale = inLength + outLength;
        const bool passesAnAxis = passes(in.x(), out.x(), scale) || passes(in.y(), out.y(), scale);
        // The painter takes a piece of circle in one step while its control
        // points stray less than a quarter of a pixel.
        const bool fine = halfWidth * sine < 0.14 && QPointF::dotProduct(in, out) > 0;
        if (fine && !passesAnAxis) {
            if (fineCornerHoldsAPixel(polyline[i], inNormal, outNormal, side, halfWidth, sine, turnsInside))
                return false;
            continue;
        }
        if (!fine && turnsInside)
            return false; // a sharp turn after a short piece: its inside is too intricate to foresee
        const Corner corner{polyline[i], middle * side, QPointF::dotProduct(inNormal, middle), halfWidth, turnsInside};
        if (corner.holdsAPixel())
            return false;
    }
    return true;
}
