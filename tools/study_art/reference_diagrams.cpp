// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_diagrams.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"

#include <QFont>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The hatch of a denser medium, the sky blue of the models.
const QColor kWater(0xA6, 0xCA, 0xF0);

QFont letterFont()
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(17);
    font.setItalic(true);
    return font;
}

QFont wordFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    return font;
}

long double degrees(long double radians)
{
    return radians * 180 / Pi;
}

void pen(Canvas& canvas, const QColor& colour, int width, PenStyle style = PenStyle::psSolid)
{
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(width);
    canvas.SetPenStyle(style);
}

void segment(Canvas& canvas, ModelPoint a, ModelPoint b)
{
    MoveTo(canvas, a);
    LineTo(canvas, b);
}

// A ray of light from a to b, b to the right of a, with its direction marked
// a little past its middle. A level ray gets the two strokes of the kit's
// head drawn by hand, as the kit takes no zero slope.
void ray(Canvas& canvas, ModelPoint a, ModelPoint b)
{
    pen(canvas, DiagramInk::Ray, 2);
    segment(canvas, a, b);
    const long double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length < 60)
        return;
    const long double t = 0.5 + 10 / length;
    const ModelPoint tip{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    if (std::fabs(b.y - a.y) < 1e-9) {
        segment(canvas, tip, {tip.x - 20, tip.y + 20.0L / 3});
        segment(canvas, tip, {tip.x - 20, tip.y - 20.0L / 3});
    } else {
        DrawArrowHead(canvas, tip.x, tip.y, (b.y - a.y) / (b.x - a.x));
    }
}

// Where a ray seems to come from or go to: a thin dashed line.
void extension(Canvas& canvas, ModelPoint a, ModelPoint b)
{
    pen(canvas, DiagramInk::Ray, 1, PenStyle::psDash);
    segment(canvas, a, b);
    canvas.SetPenStyle(PenStyle::psSolid);
}

void normal(Canvas& canvas, ModelPoint a, ModelPoint b)
{
    pen(canvas, DiagramInk::Normal, 1, PenStyle::psDash);
    segment(canvas, a, b);
    canvas.SetPenStyle(PenStyle::psSolid);
}

// A bold line in short strokes: the kit draws dashes only one pixel wide.
void boldDashes(Canvas& canvas, ModelPoint a, ModelPoint b)
{
    const long double length = std::hypot(b.x - a.x, b.y - a.y);
    for (long double s = 0; s < length; s += 9) {
        const long double e = std::min<long double>(s + 5, length);
        segment(canvas, {a.x + (b.x - a.x) * s / length, a.y + (b.y - a.y) * s / length},
                {a.x + (b.x - a.x) * e / length, a.y + (b.y - a.y) * e / length});
    }
}

// An upright arrow on the axis, pointing up or down to its tip.
void arrow(Canvas& canvas, long double x, long double tipY, const QColor& colour, bool dashed)
{
    pen(canvas, colour, 3);
    if (dashed)
        boldDashes(canvas, {x, 0}, {x, tipY});
    else
        segment(canvas, {x, 0}, {x, tipY});
    const long double back = tipY > 0 ? -9 : 9;
    segment(canvas, {x, tipY}, {x - 5, tipY + back});
    segment(canvas, {x, tipY}, {x + 5, tipY + back});
}

void disc(Canvas& canvas, ModelPoint centre, long double radius, const QColor& colour)
{
    pen(canvas, colour, 1);
    canvas.SetBrushColor(colour);
    CircleAround(canvas, centre, radius);
    canvas.SetBrushStyle(BrushStyle::bsClear);
}

// Text centred on a model point; a boxed text hides what it stands on.
void label(Canvas& canvas, ModelPoint at, const QString& text, const QFont& font = letterFont(), bool boxed = false)
{
    canvas.SetFont(font, DiagramInk::Text);
    if (boxed)
        canvas.SetBrushColor(Qt::white);
    TextAt(canvas, {at.x - canvas.TextWidth(text) / 2.0L, at.y + canvas.TextHeight() / 2.0L}, text);
    canvas.SetBrushStyle(BrushStyle::bsClear);
}

// A letter where rays crowd: on a white box.
void boxedLabel(Canvas& canvas, ModelPoint at, const QString& text)
{
    label(canvas, at, text, letterFont(), true);
}

// A mark of the angle between two directions, counterclockwise from `from`.
void angleMark(Canvas& canvas, long double from, long double to, const QString& name, long double radius = 36)
{
    pen(canvas, DiagramInk::Text, 1);
    ArcAroundOrigin(canvas, radius, from, to);
    boxedLabel(canvas, Polar(radius + 14, (from + to) / 2), name);
}

// A mirror lying along the x axis, its back hatched below it.
void horizontalMirror(Canvas& canvas, long double half)
{
    pen(canvas, DiagramInk::Optics, 1);
    for (long double x = -half + 8; x <= half; x += 12)
        segment(canvas, {x, 0}, {x - 7, -7});
    pen(canvas, DiagramInk::Optics, 4);
    segment(canvas, {-half, 0}, {half, 0});
}

// The denser medium below the x axis, hatched as on the models, and the
// boundary over it.
void lowerMedium(Canvas& canvas, long double left, long double right, long double depth)
{
    pen(canvas, kWater, 1);
    canvas.SetBrushColor(kWater);
    canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
    const ScreenMapping& m = canvas.Mapping();
    canvas.Rectangle(m.ToScreenX(double(left)), m.ToScreenY(0), m.ToScreenX(double(right)), m.ToScreenY(double(-depth)));
    canvas.SetBrushStyle(BrushStyle::bsClear);
    pen(canvas, DiagramInk::Optics, 2);
    segment(canvas, {left, 0}, {right, 0});
}

} // namespace

const DiagramWords& DiagramWordsIn(const QString& language)
{
    static const DiagramWords russian{QStringLiteral("падающий луч"), QStringLiteral("отражённый луч"),
                                      QStringLiteral("зеркало"), QStringLiteral("воздух"), QStringLiteral("стекло"),
                                      QStringLiteral("вода")};
    static const DiagramWords english{QStringLiteral("incident ray"), QStringLiteral("reflected ray"),
                                      QStringLiteral("mirror"), QStringLiteral("air"), QStringLiteral("glass"),
                                      QStringLiteral("water")};
    return language == QLatin1String("en") ? english : russian;
}

void DrawReflectionDiagram(Canvas& canvas, double incidence, const DiagramWords& words)
{
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() - 34});
    horizontalMirror(canvas, 170);
    normal(canvas, {0, 0}, {0, 150});
    const long double a = incidence;
    const ModelPoint lamp = Polar(145, 90 + a);
    ray(canvas, lamp, {0, 0});
    ray(canvas, {0, 0}, Polar(145, 90 - a));
    disc(canvas, lamp, 5, DiagramInk::Object);
    angleMark(canvas, 90, 90 + a, QStringLiteral("α"));
    angleMark(canvas, 90 - a, 90, QStringLiteral("β"));
    label(canvas, {0, -20}, QStringLiteral("O"));
    label(canvas, {-140, 100}, words.incidentRay, wordFont());
    label(canvas, {140, 100}, words.reflectedRay, wordFont());
    label(canvas, {135, -20}, words.mirror, wordFont());
}

void DrawPlaneMirrorDiagram(Canvas& canvas, double height)
{
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});
    horizontalMirror(canvas, 180);
    const long double h = height;
    const ModelPoint source{-90, h};
    const ModelPoint image{-90, -h};
    normal(canvas, source, image);
    for (const long double x : {-40.0L, 25.0L}) {
        const ModelPoint onMirror{x, 0};
        ray(canvas, source, onMirror);
        // The reflected ray leaves as if it came from the image.
        const long double reach = (h + 20) / h;
        ray(canvas, onMirror, {x + (x - image.x) * reach, (h + 20) * 1.0L});
        extension(canvas, onMirror, image);
    }
    disc(canvas, source, 5, DiagramInk::Object);
    pen(canvas, DiagramInk::Image, 2);
    CircleAround(canvas, image, 5);
    label(canvas, {source.x - 18, source.y + 6}, QStringLiteral("S"));
    label(canvas, {image.x - 20, image.y - 4}, QStringLiteral("S′"));
    label(canvas, {source.x - 14, h / 2}, QStringLiteral("a"));
    label(canvas, {image.x - 14, -h / 2}, QStringLiteral("a"));
}

void DrawRefractionDiagram(Canvas& canvas, double n, double incidence, const DiagramWords& words)
{
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});
    lowerMedium(canvas, -190, 190, canvas.Height() / 2 - 4);
    normal(canvas, {0, -95}, {0, 95});
    const long double a = incidence;
    const long double b = degrees(ArcSin(std::sin(Radians(a)) / n));
    const ModelPoint lamp = Polar(135, 90 + a);
    ray(canvas, lamp, {0, 0});
    ray(canvas, {0, 0}, Polar(105, 270 + b));
    disc(canvas, lamp, 5, DiagramInk::Object);
    angleMark(canvas, 90, 90 + a, QStringLiteral("α"));
    angleMark(canvas, 270, 270 + b, QStringLiteral("β"), 42);
    label(canvas, {150, 20}, words.air, wordFont());
    label(canvas, {150, -20}, words.glass, wordFont());
}

void DrawTotalReflectionDiagram(Canvas& canvas, double n, const DiagramWords& words)
{
    // The origin is where the ray at the limiting angle meets the surface.
    canvas.SetMapping({canvas.Width() / 2 + 10, 104});
    const long double depth = 80;
    const long double limit = degrees(ArcSin(1 / static_cast<long double>(n)));
    const ModelPoint source{-depth * std::tan(Radians(limit)), -depth};
    lowerMedium(canvas, -canvas.Width() / 2.0L + 6, canvas.Width() / 2.0L - 16, canvas.Height() - 108);

    for (const long double a : {20.0L, limit, 65.0L}) {
        const ModelPoint onSurface{source.x + depth * std::tan(Radians(a)), 0};
        normal(canvas, {onSurface.x, -45}, {onSurface.x, 60});
        ray(canvas, source, onSurface);
        if (a < limit - 1e-9) {
            const long double b = degrees(ArcSin(n * std::sin(Radians(a))));
            ray(canvas, onSurface, {onSurface.x + 100 * std::sin(Radians(b)), 100 * std::cos(Radians(b))});
        } else if (a > limit + 1e-9) {
            ray(canvas, onSurface, {onSurface.x + 100 * std::sin(Radians(a)), -100 * std::cos(Radians(a))});
        } else {
            ray(canvas, onSurface, {canvas.Width() / 2.0L - 24, 0});
        }
    }
    disc(canvas, source, 5, DiagramInk::Object);
    label(canvas, {source.x - 16, source.y}, QStringLiteral("S"));
    angleMark(canvas, 270 - limit, 270, QStringLiteral("α₀"), 34);
    label(canvas, {-canvas.Width() / 2.0L + 40, 76}, words.air, wordFont());
    label(canvas, {-canvas.Width() / 2.0L + 34, -84}, words.water, wordFont());
}

namespace {

void axis(Canvas& canvas, long double left, long double right)
{
    pen(canvas, DiagramInk::Normal, 1);
    segment(canvas, {left, 0}, {right, 0});
}

// A lens drawn as a school book draws it, half `half` high.
void lensOutline(Canvas& canvas, LensType type, long double half)
{
    pen(canvas, DiagramInk::Optics, 2);
    if (type == LensType::Converging) {
        EllipseInBox(canvas, {-12, half}, {12, -half});
        return;
    }
    // Two faces curved towards the centre, joined by the edges.
    const long double a = 24, gap = 5, edge = half * std::sqrt(1 - (16.0L / 24) * (16.0L / 24));
    ArcInBox(canvas, {-gap - 2 * a, half}, {-gap, -half}, {-gap - 8, -half}, {-gap - 8, half});
    ArcInBox(canvas, {gap, half}, {gap + 2 * a, -half}, {gap + 8, half}, {gap + 8, -half});
    segment(canvas, {-gap - 8, edge}, {gap + 8, edge});
    segment(canvas, {-gap - 8, -edge}, {gap + 8, -edge});
}

// The lens as the models draw it in their schematic mode: a line with
// arrowheads, pointing out for a converging lens and in for a diverging one.
void lensSymbol(Canvas& canvas, LensType type, long double half)
{
    pen(canvas, DiagramInk::Optics, 2);
    segment(canvas, {0, -half}, {0, half});
    const long double back = type == LensType::Converging ? -9 : 9;
    for (const long double end : {half, -half}) {
        const long double s = end > 0 ? 1 : -1;
        segment(canvas, {0, end}, {-6, end + s * back});
        segment(canvas, {0, end}, {6, end + s * back});
    }
}

void focusMarks(Canvas& canvas, long double focus, bool doubled)
{
    for (const long double side : {-1.0L, 1.0L}) {
        disc(canvas, {side * focus, 0}, 2.5, DiagramInk::Text);
        boxedLabel(canvas, {side * focus, -14}, QStringLiteral("F"));
        if (doubled) {
            disc(canvas, {side * 2 * focus, 0}, 2.5, DiagramInk::Text);
            boxedLabel(canvas, {side * 2 * focus, -14}, QStringLiteral("2F"));
        }
    }
}

} // namespace

void DrawLensFocusDiagram(Canvas& canvas, LensType type, double focus)
{
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});
    const long double F = focus, reach = canvas.Width() / 2.0L - 15;
    axis(canvas, -reach, reach);
    lensOutline(canvas, type, 60);
    for (const long double y : {-40.0L, -20.0L, 20.0L, 40.0L}) {
        ray(canvas, {-reach, y}, {0, y});
        if (type == LensType::Converging) {
            ray(canvas, {0, y}, {reach, y * (1 - reach / F)});
        } else {
            const long double end = F * 0.8L;
            ray(canvas, {0, y}, {end, y * (1 + end / F)});
            extension(canvas, {0, y}, {-F, 0});
        }
    }
    focusMarks(canvas, F, false);
    boxedLabel(canvas, {type == LensType::Converging ? 22.0L : 34.0L, -14}, QStringLiteral("O"));
}

void DrawImageConstruction(Canvas& canvas, LensType type, double focus, double distance, double height,
                           bool thirdRay)
{
    const long double F = focus, d = distance, h = height;
    const bool converging = type == LensType::Converging;
    const bool hasImage = !(converging && d == F);
    const long double f = !hasImage ? 0 : converging ? d * F / (d - F) : -(d * F) / (d + F);
    const long double Y = hasImage ? -h * f / d : 0;
    const bool real = converging && d > F;

    // Where the rays end on the right, and the room the picture needs.
    const long double rayEnd = real ? std::max(f, 2 * F) + 25 : converging ? 2 * F + 15 : 1.2L * F;
    long double left = -std::max(d, 2 * F) - 25;
    if (hasImage && f < 0)
        left = std::min(left, f - 25);
    canvas.SetMapping({int(std::lround(canvas.Width() / 2.0L - (left + rayEnd + 10) / 2)), canvas.Height() / 2});

    axis(canvas, left, rayEnd + 10);
    const long double half = std::max<long double>(std::max(h, std::fabs(Y)), 40) + 14;
    lensSymbol(canvas, type, half);
    // A ray leaving the lens at (0, y0) with `slope` ends at rayEnd, or
    // sooner where it would leave the band of the lens's height.
    const auto leaving = [&](long double y0, long double slope) -> ModelPoint {
        long double x = rayEnd;
        if (std::fabs(y0 + slope * x) > half + 8)
            x = ((slope > 0 ? half + 8 : -half - 8) - y0) / slope;
        return {x, y0 + slope * x};
    };
    focusMarks(canvas, F, true);

    const ModelPoint top{-d, h};
    // The ray parallel to the axis, refracted through the rear focus, or
    // away from the front focus by a diverging lens.
    ray(canvas, top, {0, h});
    if (converging) {
        ray(canvas, {0, h}, leaving(h, -h / F));
        if (hasImage && !real)
            extension(canvas, {0, h}, {f, Y});
    } else {
        ray(canvas, {0, h}, leaving(h, h / F));
        extension(canvas, {0, h}, {-F, 0});
    }
    // The ray through the centre goes on unturned.
    ray(canvas, top, {0, 0});
    ray(canvas, {0, 0}, leaving(0, -h / d));
    if (hasImage && converging && !real)
        extension(canvas, top, {f, Y});
    // The ray through the front focus leaves parallel to the axis.
    if (thirdRay && real) {
        ray(canvas, top, {0, Y});
        ray(canvas, {0, Y}, {rayEnd, Y});
    }

    // The letters stand beside the arrows, on the side away from the marks
    // of the foci under the axis.
    arrow(canvas, -d, h, DiagramInk::Object, false);
    label(canvas, {-d - 11, 9}, QStringLiteral("A"));
    label(canvas, {-d - 12, h}, QStringLiteral("B"));
    if (hasImage) {
        arrow(canvas, f, Y, DiagramInk::Image, !real);
        // A₁ on the side of the image's foot away from the nearest focus
        // mark; B₁ of an inverted image under its tip, clear of the marks'
        // letters under the axis.
        const auto clearance = [F](long double x) {
            long double room = std::numeric_limits<long double>::max();
            for (const long double mark : {-2 * F, -F, F, 2 * F})
                room = std::min(room, std::fabs(x - mark));
            return room;
        };
        const long double side = clearance(f + 13) >= clearance(f - 13) ? 13 : -13;
        label(canvas, {f + side, Y > 0 ? -9.0L : 9.0L}, QStringLiteral("A₁"));
        label(canvas, {f + 15, Y > 0 ? Y : Y - 10}, QStringLiteral("B₁"));
    }
}

const QList<SheetDiagram>& SheetDiagrams()
{
    using Draw = std::function<void(Canvas&, const DiagramWords&)>;
    const auto construction = [](LensType type, double F, double d, double h, bool third) -> Draw {
        return [=](Canvas& canvas, const DiagramWords&) { DrawImageConstruction(canvas, type, F, d, h, third); };
    };
    static const QList<SheetDiagram> diagrams = {
        {QStringLiteral("reflection"), {400, 180},
         [](Canvas& c, const DiagramWords& w) { DrawReflectionDiagram(c, 40, w); }},
        {QStringLiteral("plane-mirror"), {400, 180},
         [](Canvas& c, const DiagramWords&) { DrawPlaneMirrorDiagram(c, 65); }},
        {QStringLiteral("refraction"), {400, 200},
         [](Canvas& c, const DiagramWords& w) { DrawRefractionDiagram(c, 1.5, 50, w); }},
        {QStringLiteral("total-reflection"), {420, 200},
         [](Canvas& c, const DiagramWords& w) { DrawTotalReflectionDiagram(c, 1.33, w); }},
        {QStringLiteral("converging-focus"), {400, 140},
         [](Canvas& c, const DiagramWords&) { DrawLensFocusDiagram(c, LensType::Converging, 100); }},
        {QStringLiteral("diverging-focus"), {400, 140},
         [](Canvas& c, const DiagramWords&) { DrawLensFocusDiagram(c, LensType::Diverging, 100); }},
        {QStringLiteral("construction"), {440, 190}, construction(LensType::Converging, 70, 120, 50, true)},
        {QStringLiteral("case-beyond-2f"), {420, 150}, construction(LensType::Converging, 45, 120, 40, false)},
        {QStringLiteral("case-2f"), {420, 150}, construction(LensType::Converging, 45, 90, 40, false)},
        {QStringLiteral("case-between"), {420, 170}, construction(LensType::Converging, 45, 65, 30, false)},
        {QStringLiteral("case-focus"), {420, 150}, construction(LensType::Converging, 45, 45, 40, false)},
        {QStringLiteral("case-inside"), {420, 170}, construction(LensType::Converging, 45, 25, 30, false)},
        {QStringLiteral("case-diverging"), {420, 150}, construction(LensType::Diverging, 60, 100, 40, false)},
    };
    return diagrams;
}
