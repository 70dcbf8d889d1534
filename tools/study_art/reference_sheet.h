// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// One page of the reference sheet, rendered from its source: rich text (the
// HTML subset of Qt's text documents) in which [[formula: SOURCE]] stands for
// a formula (see Formula) and [[diagram: NAME]] for a diagram of
// SheetDiagrams(), which writes its words in the page's `language`
// ("ru" or "en"). The page is white, `size` large, drawn with `scale` image
// pixels to each of its pixels; `overflow` tells by how many pixels the text
// runs past its bottom (0 when it fits).
struct SheetPage {
    QImage image;
    int overflow = 0;
    QString error; // an unknown diagram
};

SheetPage RenderSheetPage(const QString& source, const QString& language, QSize size, qreal scale = 1);
