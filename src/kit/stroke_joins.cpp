#include "kit/stroke_joins.h"

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

} // namespace

bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth)
{
    const qreal halfWidth = penWidth / 2;
    for (qsizetype i = 1; i + 1 < polyline.size(); ++i) {
        const QPointF in = polyline[i] - polyline[i - 1], out = polyline[i + 1] - polyline[i];
        if (length(in) == 0 || length(out) == 0)
            return false;
        const QPointF inNormal(-in.y() / length(in), in.x() / length(in));
        const QPointF outNormal(-out.y() / length(out), out.x() / length(out));
        QPointF middle = inNormal + outNormal;
        if (length(middle) < 1e-9)
            return false; // turning back on itself
        middle /= length(middle);
        // Turning towards the normals, the corner's outer side is the other one.
        const Corner corner{polyline[i], cross(in, out) > 0 ? -middle : middle,
                            QPointF::dotProduct(inNormal, middle), halfWidth, length(out) <= halfWidth + 1e-6};
        if (corner.holdsAPixel())
            return false;
    }
    return true;
}
