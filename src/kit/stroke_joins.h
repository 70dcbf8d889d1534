#pragma once

#include <QPolygonF>

// Whether a wide pen with bevel joins sets exactly the pixels it sets with
// round joins along `polyline`. Where a fine polyline turns a little, the
// painter's round join is one straight step to a point on the circle round
// the corner, next to where the bevel goes; elsewhere it bulges past the
// bevel's chord on the outer side. After a piece no longer than half the
// pen's width it also turns round the inside, where a bevel join passes
// through the corner itself. The two agree when no pixel's centre lies in or
// near the places where they part. Bevel joins cost far less, and a wide arc
// drawn as a fine polyline rarely holds a pixel centre there.
bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth);
