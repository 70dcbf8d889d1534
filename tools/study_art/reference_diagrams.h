// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class Canvas;

// The diagrams of the reference sheet, drawn with the drawing kit on a white
// canvas: model coordinates in pixels, y upwards, each diagram setting its
// own origin. Rays travel from left to right, so that every
// direction mark is a kit arrowhead.

// The inks of the diagrams, by what they draw.
namespace DiagramInk {
inline const QColor Ray(0xD0, 0x10, 0x10);    // rays, and their dashed extensions
inline const QColor Optics(0x10, 0x40, 0xC0); // mirrors, boundaries, lenses
inline const QColor Normal(0x80, 0x80, 0x80); // normals and the optical axis
inline const QColor Object(0x00, 0x80, 0x00); // objects and light sources
inline const QColor Image(0x80, 0x20, 0xA0);  // images, dashed when virtual
inline const QColor Text(0x00, 0x00, 0x00);
} // namespace DiagramInk

// The words the diagrams write beside what they draw, in the language of
// their page; the letters of points and angles are the same in every one.
struct DiagramWords {
    QString incidentRay, reflectedRay, mirror, air, glass, water;
};
// The words in "ru" or "en"; Russian, the sheet's own language, for any other code.
const DiagramWords& DiagramWordsIn(const QString& language);

// A ray falls on a horizontal mirror at `incidence` degrees from the normal.
void DrawReflectionDiagram(Canvas& canvas, double incidence, const DiagramWords& words);

// A luminous point `height` above a horizontal mirror, two of its rays, and
// its image where the extensions of the reflected rays meet.
void DrawPlaneMirrorDiagram(Canvas& canvas, double height);

// A ray passes from air into a medium of index `n` at `incidence` degrees.
void DrawRefractionDiagram(Canvas& canvas, double n, double incidence, const DiagramWords& words);

// Three rays from a point in a medium of index `n` meet its boundary with
// air: below, at and beyond the limiting angle.
void DrawTotalReflectionDiagram(Canvas& canvas, double n, const DiagramWords& words);

enum class LensType { Converging, Diverging };

// A beam parallel to the axis through a lens of focal length `focus`
// (a magnitude) and its focus.
void DrawLensFocusDiagram(Canvas& canvas, LensType type, double focus);

// The image of an arrow of `height` at `distance` before a lens of focal
// length `focus`, built with the ray parallel to the axis and the ray
// through the centre, and the ray through the front focus when `thirdRay`
// is set and the object stands beyond it. A real image is solid, a virtual
// one dashed where the extensions of the rays meet; at distance = focus the
// rays leave parallel and there is no image.
void DrawImageConstruction(Canvas& canvas, LensType type, double focus, double distance, double height,
                           bool thirdRay);

// A diagram of the sheet: its name in the sheet's source, its size, and how
// it is drawn with the words of its page.
struct SheetDiagram {
    QString name;
    QSize size;
    std::function<void(Canvas&, const DiagramWords&)> draw;
};
const QList<SheetDiagram>& SheetDiagrams();
