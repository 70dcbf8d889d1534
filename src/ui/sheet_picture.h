// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/canvas_op.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class ModelSheet;
class QPainter;
class QPrinter;

// A model's picture as it leaves the program: the operations of its last
// redraw, drawn again on an image of any scale, into SVG or onto a printed
// page, so that every output is the drawing the screen shows.
struct SheetPicture {
    std::vector<CanvasOp> ops;
    QSize size;
    QColor background;
    QString title;          // the model's title
    QStringList quantities; // its settings and readouts, "Угол падения = 55 °"
    QString fileStem;       // the title and the controls' values, for a file name
};

// The sheet's picture and quantities as it shows them now.
SheetPicture TakePicture(ModelSheet& sheet);

// The picture at `scale` image pixels per canvas pixel: at 1 the canvas's own image.
QImage PictureImage(const SheetPicture& picture, qreal scale = 1);
// The picture as SVG: lines, arcs and ellipses as vectors, texts as text.
QByteArray PictureSvg(const SheetPicture& picture);
// The picture on `painter`, one canvas pixel to one unit of it.
void PaintPicture(QPainter& painter, const SheetPicture& picture);
// One page: the title, the picture across the page's width, the quantities
// and the date.
void PrintPicture(QPrinter& printer, const SheetPicture& picture);

enum class PictureFormat { Png, Svg };
// Writes the picture to `path` whole or not at all; the message of a failure.
std::optional<QString> WritePicture(const SheetPicture& picture, const QString& path, PictureFormat format,
                                    qreal scale = 1);
// A file name of the model's title and its settings' values.
QString PictureFileName(const SheetPicture& picture);
