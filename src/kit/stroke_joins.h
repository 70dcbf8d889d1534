#pragma once

#include <QPolygonF>

// Whether a wide pen with bevel joins sets exactly the pixels it sets with
// round joins along `polyline`. A round join bulges past the bevel's chord on
// the outer side of each corner; after a piece no longer than half the pen's
// width it also turns round the inside, where a bevel join passes through the
// corner itself. The two agree when no pixel's centre lies in or near those
// places. Bevel joins cost far less, and a wide arc drawn as a fine polyline
// rarely turns enough at a corner for them to hold a pixel centre.
bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth);
