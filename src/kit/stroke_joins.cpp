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

// Whether a pixel centre lies within the slack of the slivers at corner
// `at`, between the directions `in` and `out`, `halfWidth` out on each side.
bool sliverHoldsAPixel(const QPointF& at, const QPointF& in, const QPointF& out, qreal halfWidth)
{
    const QPointF inNormal(-in.y() / length(in), in.x() / length(in));
    const QPointF outNormal(-out.y() / length(out), out.x() / length(out));
    QPointF middle = inNormal + outNormal;
    if (length(middle) < 1e-9)
        return true; // turning back on itself
    middle /= length(middle);
    // The chord stands this far from the corner; the circle reaches halfWidth.
    const qreal chord = halfWidth * QPointF::dotProduct(inNormal, middle) - kSlack;
    const qreal reach = halfWidth + kSlack;
    for (int y = int(std::floor(at.y() - reach - 0.5)); y <= int(std::ceil(at.y() + reach)); ++y) {
        for (int x = int(std::floor(at.x() - reach - 0.5)); x <= int(std::ceil(at.x() + reach)); ++x) {
            const QPointF centre(x + 0.5 - at.x(), y + 0.5 - at.y());
            if (QPointF::dotProduct(centre, centre) <= reach * reach
                && std::abs(QPointF::dotProduct(centre, middle)) >= chord)
                return true;
        }
    }
    return false;
}

} // namespace

bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth)
{
    for (qsizetype i = 1; i + 1 < polyline.size(); ++i) {
        const QPointF in = polyline[i] - polyline[i - 1], out = polyline[i + 1] - polyline[i];
        if (length(in) == 0 || length(out) == 0 || sliverHoldsAPixel(polyline[i], in, out, penWidth / 2))
            return false;
    }
    return true;
}
