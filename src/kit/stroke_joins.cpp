#include "kit/stroke_joins.h"

#include <cmath>

namespace {

// How far the painter's outline may stray from the exact one: its corners
// are rounded to 1/64 pixel on each axis.
constexpr qreal kSlack = 0.012;

qreal length(const QPointF& v)
{
    return std::hypot(v.x(), v.y());
}

qreal cross(const QPointF& a, const QPointF& b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// Whether a pixel centre lies within the slack of the sliver at corner `at`
// between the directions `in` and `out`, on the outer side, `halfWidth` out.
bool sliverHoldsAPixel(const QPointF& at, const QPointF& in, const QPointF& out, qreal halfWidth)
{
    const QPointF inNormal(-in.y() / length(in), in.x() / length(in));
    const QPointF outNormal(-out.y() / length(out), out.x() / length(out));
    QPointF middle = inNormal + outNormal;
    if (length(middle) < 1e-9)
        return true; // turning back on itself
    middle /= length(middle);
    // Turning towards the normals, the corner's outer side is the other one.
    const QPointF outwards = cross(in, out) > 0 ? -middle : middle;
    // The chord stands this far from the corner; the circle reaches halfWidth.
    const qreal chord = halfWidth * QPointF::dotProduct(inNormal, middle) - kSlack;
    const qreal reach = halfWidth + kSlack;
    // The sliver lies in a small box out from the corner: half as deep as
    // the chord is far from the circle, and as wide as the circle at the chord.
    const QPointF middleOfSliver = at + outwards * ((chord + reach) / 2);
    const qreal aside = std::sqrt(std::max<qreal>(0, reach * reach - chord * chord)) + (reach - chord) / 2;
    for (int y = int(std::floor(middleOfSliver.y() - aside - 0.5)); y <= int(std::ceil(middleOfSliver.y() + aside)); ++y) {
        for (int x = int(std::floor(middleOfSliver.x() - aside - 0.5)); x <= int(std::ceil(middleOfSliver.x() + aside));
             ++x) {
            const QPointF centre(x + 0.5 - at.x(), y + 0.5 - at.y());
            if (QPointF::dotProduct(centre, centre) <= reach * reach
                && QPointF::dotProduct(centre, outwards) >= chord)
                return true;
        }
    }
    return false;
}

} // namespace

bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth)
{
    // A round join after a piece no longer than half the pen's width turns
    // inside the line as well; only longer pieces join alike on the inside.
    const qreal halfWidth = penWidth / 2;
    for (qsizetype i = 1; i < polyline.size(); ++i) {
        if (length(polyline[i] - polyline[i - 1]) <= halfWidth + 1e-6)
            return false;
    }
    for (qsizetype i = 1; i + 1 < polyline.size(); ++i) {
        if (sliverHoldsAPixel(polyline[i], polyline[i] - polyline[i - 1], polyline[i + 1] - polyline[i], halfWidth))
            return false;
    }
    return true;
}
