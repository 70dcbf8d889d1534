#pragma once

#include <QPolygonF>

// Whether a wide pen with bevel joins sets exactly the pixels it sets with
// round joins along `polyline`. The two differ only in the sliver between a
// join's chord and its circle, on either side of the line, so they agree when
// no pixel's centre lies in or near any of those slivers. Bevel joins cost a
// third of round ones, and an arc drawn as a fine polyline rarely turns
// enough at a corner for its sliver to hold a pixel centre.
bool BevelJoinsSetTheSamePixels(const QPolygonF& polyline, qreal penWidth);
