#pragma once

#include <QPolygonF>

// Whether a wide pen with bevel joins sets exactly the pixels it sets with
// round joins along `polyline`. Where every piece is longer than half the
// pen's width, the two join alike on the inside of each corner and differ
// only in the sliver between the outer chord and circle, so they agree when
// no pixel's centre lies in or near any of those slivers. Bevel joins cost
// far less, and a wide arc drawn as a fine polyline rarely turns enough at a
// corner for its sliver to hold a pixel centre.
bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth);
