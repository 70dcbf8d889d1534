#include "kit/image_canvas.h"

#include "kit/stroke_joins.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Dash and dot lengths of a one-pixel pen: on, off.
struct DashPattern {
    int on;
    int off;
};

DashPattern dashPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::psDash: return {18, 6};
    case PenStyle::psDot: return {3, 3};
    case PenStyle::psSolid: break;
    }
    return {1, 0};
}

bool isThin(const CanvasPen& pen)
{
    return pen.width <= 1;
}

// The pen as QPainter should stroke outlines with it: dashes only at width 1,
// round ends and joins on wide pens.
QPen outlinePen(const CanvasPen& pen)
{
    QPen qpen(pen.color, std::max(pen.width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (isThin(pen)) {
        qpen.setWidth(0); // cosmetic: exactly one pixel
        qpen.setCapStyle(Qt::FlatCap);
        if (pen.style != PenStyle::psSolid) {
            const DashPattern p = dashPattern(pen.style);
            qpen.setDashPattern({qreal(p.on), qreal(p.off)});
        }
    }
    return qpen;
}

QBrush fillBrush(const CanvasBrush& brush)
{
    switch (brush.style) {
    case BrushStyle::bsSolid: return QBrush(brush.color);
    case BrushStyle::bsClear: return Qt::NoBrush;
    case BrushStyle::bsFDiagonal: return QBrush(brush.color, Qt::BDiagPattern);  // lines like '/'
    case BrushStyle::bsBDiagonal: return QBrush(brush.color, Qt::FDiagPattern);  // lines like '\'
    }
    return Qt::NoBrush;
}

// Sets the painter to the canvas's pen and brush; gaps between dashes take
// the brush colour only while the brush is solid.
void preparePainter(QPainter& painter, const CanvasPen& pen, const CanvasBrush& brush)
{
    painter.setPen(outlinePen(pen));
    painter.setBrush(fillBrush(brush));
    if (brush.style == BrushStyle::bsSolid) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(brush.color);
    } else {
        painter.setBackgroundMode(Qt::TransparentMode);
    }
}

// Cuts the segment to `area` (Liang-Barsky), so that absurdly long lines cost
// no more than visible ones. Returns false when nothing of it is inside.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& area)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(), area.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const QPointF start = a;
    a = start + t0 * QPointF(dx, dy);
    b = start + t1 * QPointF(dx, dy);
    return true;
}

// Whether eight pixels of the scratch picture are all transparent, tested
// a word at a time, as most of a figure's box is.
bool blank(const QRgb* pixels)
{
    quint64 words[4];
    std::memcpy(words, pixels, sizeof words);
    return (words[0] | words[1] | words[2] | words[3]) == 0;
}

// The area beyond which reading a stroke back costs more than drawing it
// once more.
constexpr qint64 kLargeStamp = 160 * 160;

double angleOnScreen(const QPointF& centre, const QPoint& through)
{
    return std::atan2(-(through.y() - centre.y()), through.x() - centre.x());
}

bool samePen(const CanvasPen& a, const CanvasPen& b)
{
    return a.color == b.color && a.width == b.width && a.style == b.style;
}

bool sameBrush(const CanvasBrush& a, const CanvasBrush& b)
{
    return a.color == b.color && a.style == b.style;
}

// Marks the strip a segment with `margin` around it covers, a piece at a time.
void markSegment(DirtyTiles& tiles, QPointF a, QPointF b, qreal margin, const QSize& size)
{
    if (!clipSegment(a, b, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-margin, -margin, margin, margin)))
        return;
    const QPointF step = b - a;
    const int pieces = std::max(1, int(std::ceil(std::max(std::abs(step.x()), std::abs(step.y())) / 16)));
    for (int i = 0; i < pieces; ++i) {
        const QPointF p = a + step * (double(i) / pieces), q = a + step * (double(i + 1) / pieces);
        tiles.mark(QRectF(p, q).normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect());
    }
}

} // namespace

// The ellipse in a box, and on it the part an arc between two rays covers.
struct ImageCanvas::ArcShape {
    QPointF mid; // of the ellipse as drawn
    double a;
    double b;
    double t1;   // the ellipse's own parameter where the arc begins
    double span; // counterclockwise on the screen

    QPointF pointAt(double t) const { return QPointF(mid.x() + a * std::cos(t), mid.y() - b * std::sin(t)); }
};

ImageCanvas::ArcShape ImageCanvas::arcShape(const Stroke& stroke)
{
    // The radial points are taken from the centre of the box as given; the
    // curve itself follows the ellipse that Ellipse draws in the same box.
    const QRect& box = stroke.box;
    const QPointF centre(box.x() + box.width() / 2.0, box.y() + box.height() / 2.0);
    const QRectF drawn(box.x(), box.y(), box.width() - 1, box.height() - 1);
    ArcShape shape{drawn.center(), drawn.width() / 2, drawn.height() / 2, 0, 2 * M_PI};
    if (stroke.kind == Stroke::Kind::Ellipse)
        return shape;

    // A ray's screen angle becomes the ellipse's own parameter, so that the
    // arc ends exactly where the ray meets an elongated ellipse.
    const auto parameterOf = [&](const QPoint& through) {
        const double theta = angleOnScreen(centre, through);
        return std::atan2(shape.a * std::sin(theta), shape.b * std::cos(theta));
    };
    const QPoint& start = stroke.from;
    const QPoint& end = stroke.to;
    shape.t1 = parameterOf(start);
    shape.span = parameterOf(end) - shape.t1;
    const double sx = 2 * start.x() - 2 * centre.x(), sy = 2 * start.y() - 2 * centre.y();
    const double ex = 2 * end.x() - 2 * centre.x(), ey = 2 * end.y() - 2 * centre.y();
    const bool sameRay = sx * ey - sy * ex == 0 && sx * ex + sy * ey >= 0;
    if (sameRay)
        shape.span = 2 * M_PI;
    else if (shape.span <= 0)
        shape.span += 2 * M_PI;
    return shape;
}

bool ImageCanvas::Stroke::operator==(const Stroke& other) const
{
    return kind == other.kind && from == other.from && to == other.to && box == other.box && samePen(pen, other.pen)
           && sameBrush(brush, other.brush) && text == other.text && fontColor == other.fontColor
           && font == other.font;
}

ImageCanvas::ImageCanvas(const QSize& size)
    : size_(size.expandedTo(QSize(1, 1))), frameBackground_(Background()), image_(size_, QImage::Format_RGB32)
{
    image_.fill(frameBackground_);
}

ImageCanvas::~ImageCanvas() = default;

void ImageCanvas::Resize(const QSize& size)
{
    size_ = size.expandedTo(QSize(1, 1));
    image_ = QImage(size_, QImage::Format_RGB32);
    overLayer_ = false;
    startFrame();
    changed();
}

const QImage& ImageCanvas::Image() const
{
    bringUpToDate();
    changeTold_ = false;
    return image_;
}

void ImageCanvas::paintBackground()
{
    startFrame();
    changed();
}

void ImageCanvas::startFrame()
{
    lastFrame_.swap(frame_);
    frame_.clear();
    ++frames_;
    frameBackground_ = Background();
    fresh_ = true;
    drawn_ = 0;
}

void ImageCanvas::note(Stroke stroke)
{
    stroke.pen = Pen();
    stroke.brush = Brush();
    frame_.push_back(std::move(stroke));
    changed();
}

// A stroke that writes no text. Its font is one shared copy: a font made
// afresh asks the application for its font, under a lock, at every line.
ImageCanvas::Stroke ImageCanvas::figure(Stroke::Kind kind, QPoint from, QPoint to, QRect box)
{
    static const QFont noFont;
    return Stroke{kind, from, to, box, {}, {}, {}, noFont, {}};
}

void ImageCanvas::paintLine(const QPoint& from, const QPoint& to)
{
    note(figure(Stroke::Kind::Line, from, to, {}));
}

void ImageCanvas::paintEllipse(const QRect& box)
{
    note(figure(Stroke::Kind::Ellipse, {}, {}, box));
}

void ImageCanvas::paintRectangle(const QRect& box)
{
    note(figure(Stroke::Kind::Rectangle, {}, {}, box));
}

void ImageCanvas::paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie)
{
    note(figure(pie ? Stroke::Kind::Pie : Stroke::Kind::Arc, start, end, box));
}

void ImageCanvas::paintText(const QPoint& topLeft, const QString& text)
{
    // The text's box, and its baseline as `to`, measured now with the canvas's own metrics.
    note(Stroke{Stroke::Kind::Text, topLeft, topLeft + QPoint(0, TextAscent()),
                QRect(topLeft, QSize(TextWidth(text), TextHeight())), text, {}, {}, Font(), FontColor()});
}

void ImageCanvas::bringUpToDate() const
{
    if (fresh_) {
        fresh_ = false;
        const bool layerFits = !layer_.isNull() && layer_.size() == size_ && layerBackground_ == frameBackground_
                               && frame_.size() >= layerStrokes_.size()
                               && std::equal(layerStrokes_.begin(), layerStrokes_.end(), frame_.begin());
        if (layerFits) {
            restoreLayer();
            drawn_ = layerStrokes_.size();
        } else {
            if (image_.size() != size_)
                image_ = QImage(size_, QImage::Format_RGB32);
            image_.fill(frameBackground_);
            overLayer_ = false;
            drawn_ = 0;
        }
        // What this frame shares with the one before is likely to open the
        // next frame too: keep the picture after it. A kept picture grows
        // only by strokes the frame before last shared as well: a letter
        // that stands still every other step would otherwise have the whole
        // picture copied at one step and drawn afresh at the next.
        const auto mismatch = std::mismatch(frame_.begin(), frame_.end(), lastFrame_.begin(), lastFrame_.end());
        const size_t shared = size_t(mismatch.first - frame_.begin());
        const size_t steady = std::min(shared, lastShared_);
        lastShared_ = shared;
        const size_t keep = layerFits ? steady : shared;
        if (keep > 0 && (!layerFits || keep > layerStrokes_.size())) {
            drawStrokes(keep);
            layer_ = image_.copy();
            layerStrokes_.assign(frame_.begin(), frame_.begin() + long(keep));
            layerBackground_ = frameBackground_;
            overLayer_ = true;
            painted_.reset(image_.size());
        }
    }
    drawStrokes(frame_.size());
}

// Copies back from the layer what was painted over it since: the whole
// picture only when the image is not the layer's own.
void ImageCanvas::restoreLayer() const
{
    if (!overLayer_ || image_.size() != layer_.size()) {
        image_ = layer_.copy();
        painted_.reset(image_.size());
    } else {
        painted_.copyBack(layer_, image_);
    }
    overLayer_ = true;
}

// Marks where a stroke can set pixels; lines and outlines piece by piece.
void ImageCanvas::markReach(const Stroke& stroke) const
{
    const qreal margin = stroke.pen.width + 3;
    const bool outlineOnly = stroke.kind == Stroke::Kind::Arc
                             || (stroke.kind != Stroke::Kind::Text && stroke.brush.style == BrushStyle::bsClear);
    if (stroke.kind == Stroke::Kind::Line) {
        markSegment(painted_, QPointF(stroke.from), QPointF(stroke.to), margin, image_.size());
        return;
    }
    if (!outlineOnly || stroke.kind == Stroke::Kind::Rectangle) {
        painted_.mark(reach(stroke));
        return;
    }
    // Points on the curve no more than 12 pixels apart; the chords the
    // outline is drawn with stay within a pixel of it.
    const ArcShape shape = arcShape(stroke);
    const int pieces = int(std::ceil(shape.span * std::max(shape.a, shape.b) / 12)) + 1;
    if (pieces > 512) {
        painted_.mark(reach(stroke));
        return;
    }
    QPointF last = shape.pointAt(shape.t1);
    if (stroke.kind == Stroke::Kind::Pie)
        markSegment(painted_, shape.mid, last, margin, image_.size());
    for (int i = 1; i <= pieces; ++i) {
        const QPointF next = shape.pointAt(shape.t1 + shape.span * i / pieces);
        const qreal around = margin + 1;
        painted_.mark(QRectF(last, next).normalized().adjusted(-around, -around, around, around).toAlignedRect());
        last = next;
    }
    if (stroke.kind == Stroke::Kind::Pie)
        markSegment(painted_, last, shape.mid, margin, image_.size());
}

QRect ImageCanvas::reach(const Stroke& stroke) const
{
    return extent(stroke).intersected(QRectF(image_.rect())).toAlignedRect() & image_.rect();
}

// Where a stroke can set pixels: its line or box and the pen's width around
// it, or a text's box with room for the overhang of its letters. In doubles:
// ends and corners may lie anywhere in the 32-bit range.
QRectF ImageCanvas::extent(const Stroke& stroke)
{
    QRectF area;
    qreal margin = stroke.pen.width + 3;
    switch (stroke.kind) {
    case Stroke::Kind::Line:
        area = QRectF(QPointF(stroke.from), QPointF(stroke.to)).normalized();
        break;
    case Stroke::Kind::Text:
        area = QRectF(stroke.box);
        margin = 3;
        break;
    default:
        area = QRectF(stroke.box);
        break;
    }
    return area.adjusted(-margin, -margin, margin, margin);
}

void ImageCanvas::drawStrokes(size_t end) const
{
    if (drawn_ >= end)
        return;
    image_.bits(); // one copy of a shared picture before any painting
    QPainter painter;
    for (; drawn_ < end; ++drawn_) {
        const Stroke& stroke = frame_[drawn_];
        // Thin lines are plotted and kept strokes set straight into the image:
        // the painter paints immediately, so it can stay open meanwhile.
        if (stroke.kind == Stroke::Kind::Line && isThin(stroke.pen)) {
            if (overLayer_)
                markReach(stroke);
            QPointF a(stroke.from), b(stroke.to);
            const QRectF area = QRectF(image_.rect()).adjusted(-16, -16, 16, 16);
            if (area.contains(a) && area.contains(b))
                plotThinLine(stroke, stroke.from, stroke.to);
            else if (clipSegment(a, b, area))
                plotThinLine(stroke, a.toPoint(), b.toPoint());
            continue;
        }
        if (!painter.isActive()) {
            painter.begin(&image_);
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
        if (stroke.kind != Stroke::Kind::Text && stroke.kind != Stroke::Kind::Rectangle)
            drawStamped(stroke, painter);
        else if (stroke.kind == Stroke::Kind::Text)
            drawKeptText(stroke, painter);
        else
            drawDirectly(stroke, painter);
    }
}

void ImageCanvas::drawDirectly(const Stroke& stroke, QPainter& painter) const
{
    if (overLayer_)
        markReach(stroke);
    drawStroke(stroke, painter);
}

// A hatch is laid from the picture's corner, so a hatched figure looks the
// same only in the same place. Lines, texts and the canvas's arcs, drawn
// through points of its own, look the same wherever they stand. The
// painter's own ellipse looks the same only while its coordinates keep their
// binary exponents: where it splits its curves depends on their rounding.
bool ImageCanvas::Stroke::movable() const
{
    const bool hatched = brush.style == BrushStyle::bsFDiagonal || brush.style == BrushStyle::bsBDiagonal;
    if (kind == Kind::Ellipse)
        return !hatched && binades().has_value();
    return !hatched || kind == Kind::Arc || kind == Kind::Text;
}

// The binary exponents of an ellipse's coordinates, to the pen's width and
// more round it, the same on either side along each axis; none otherwise.
std::optional<QPoint> ImageCanvas::Stroke::binades() const
{
    const int margin = pen.width + 2;
    const auto binade = [](int low, int high) -> std::optional<int> {
        if (low < 1 || std::ilogb(double(low)) != std::ilogb(double(high)))
            return std::nullopt;
        return std::ilogb(double(low));
    };
    const auto across = binade(box.left() - margin, box.left() + box.width() + margin);
    const auto down = binade(box.top() - margin, box.top() + box.height() + margin);
    if (!across || !down)
        return std::nullopt;
    return QPoint(*across, *down);
}

QPoint ImageCanvas::Stroke::anchor() const
{
    if (!movable())
        return QPoint(0, 0);
    return kind == Kind::Line ? from : box.topLeft();
}

// The ends of a line, the radial points of an arc or the corner of a text,
// relative to the anchor; an ellipse or rectangle has none.
std::pair<QPoint, QPoint> ImageCanvas::Stroke::relativeEnds() const
{
    if (kind == Kind::Ellipse || kind == Kind::Rectangle)
        return {};
    return {from - anchor(), to - anchor()};
}

bool ImageCanvas::Stroke::sameShape(const Stroke& other) const
{
    return kind == other.kind && box.size() == other.box.size()
           && box.topLeft() - anchor() == other.box.topLeft() - other.anchor()
           && (kind != Kind::Ellipse || binades() == other.binades())
           && relativeEnds() == other.relativeEnds() && samePen(pen, other.pen)
           && sameBrush(brush, other.brush) && text == other.text && fontColor == other.fontColor
           && font == other.font;
}

size_t ImageCanvas::Stroke::shapeHash() const
{
    const QPoint at = anchor();
    const auto [start, end] = relativeEnds();
    const QPoint binary = kind == Kind::Ellipse ? binades().value_or(QPoint()) : QPoint();
    return qHashMulti(0, int(kind), start.x(), start.y(), end.x(), end.y(), box.x() - at.x(), box.y() - at.y(),
                      box.width(), box.height(), pen.color.rgba(), pen.width, int(pen.style), brush.color.rgba(),
                      int(brush.style), text, binary.x(), binary.y());
}

// Draws on the transparent scratch picture and reads back the runs of pixels
// the stroke set within `area`, leaving the scratch transparent again.
std::vector<ImageCanvas::Span> ImageCanvas::takeSpans(const Stroke& stroke, const QRect& area) const
{
    if (scratch_.size() != image_.size()) {
        scratch_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        scratch_.fill(Qt::transparent);
    }
    {
        QPainter painter(&scratch_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawStroke(stroke, painter);
    }
    std::vector<Span> spans;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(scratch_.scanLine(y));
        for (int x = area.left(); x <= area.right();) {
            if (x + 8 <= area.right() + 1 && blank(row + x)) {
                x += 8;
                continue;
            }
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const QRgb colour = row[x];
            const int start = x;
            while (x <= area.right() && row[x] == colour)
                row[x++] = 0;
            spans.push_back({y, start, x - start, colour});
        }
    }
    return spans;
}

// A stroke's pixels kept relative to `at`, with the boxes they fill a band
// of rows at a time, to mark where they are set. Runs of a band more than a
// tile apart fill boxes of their own: a ring marks its rim, not its middle.
ImageCanvas::Stamp ImageCanvas::stampOf(const Stroke& stroke, std::vector<Span> spans, QPoint at)
{
    constexpr int kBand = 16, kGap = 16;
    Stamp stamp{stroke, std::move(spans), {}, {}};
    size_t bandStart = 0;
    for (Span& span : stamp.spans) {
        span.x -= at.x();
        span.y -= at.y();
        span.colour |= 0xFF000000u;
        const QRect run(span.x, span.y, span.length, 1);
        if (bandStart == stamp.bands.size() || stamp.bands[bandStart].top() / kBand != span.y / kBand)
            bandStart = stamp.bands.size();
        auto near = std::find_if(stamp.bands.begin() + long(bandStart), stamp.bands.end(), [&run](const QRect& box) {
            return run.left() <= box.right() + kGap && run.right() >= box.left() - kGap;
        });
        if (near == stamp.bands.end())
            stamp.bands.push_back(run);
        else
            *near |= run;
        stamp.bounds |= run;
    }
    return stamp;
}

size_t ImageCanvas::Stamp::bytes() const
{
    return sizeof(Stamp) + spans.size() * sizeof(Span) + bands.size() * sizeof(QRect);
}

// Sets a kept stroke's pixels with `at` as their anchor.
void ImageCanvas::place(const Stamp& stamp, QPoint at) const
{
    if (overLayer_) {
        for (const QRect& band : stamp.bands)
            painted_.mark(band.translated(at));
    }
    uchar* bits = image_.bits();
    const qsizetype bytesPerLine = image_.bytesPerLine();
    if (image_.rect().contains(stamp.bounds.translated(at))) {
        for (const Span& span : stamp.spans) {
            QRgb* pixel = reinterpret_cast<QRgb*>(bits + (span.y + at.y()) * bytesPerLine) + span.x + at.x();
            for (int i = 0; i < span.length; ++i)
                pixel[i] = span.colour;
        }
        return;
    }
    const int width = image_.width(), height = image_.height();
    for (const Span& span : stamp.spans) {
        const int y = span.y + at.y();
        const int left = std::max(0, span.x + at.x()), right = std::min(width, span.x + at.x() + span.length);
        if (y < 0 || y >= height || left >= right)
            continue;
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * bytesPerLine) + left, right - left, span.colour);
    }
}

// How often a stroke has come, this time included, with no more than 400
// frames between its comings: a pupil sweeping a track bar of up to 200
// positions to its end and back brings every figure back within 400 redraws.
// Four places per key, picked by the hash's bits well mixed; a stroke new to
// them takes the place of the one that came longest ago.
int ImageCanvas::sightings(size_t key) const
{
    constexpr quint64 kRecentFrames = 400;
    constexpr size_t kWays = 4, kSets = 4096;
    if (seen_.empty())
        seen_.resize(kWays * kSets);
    Sighting* const set = seen_.data() + (size_t(quint64(key) * 0x9E3779B97F4A7C15ull >> 32) % kSets) * kWays;
    Sighting* oldest = set;
    for (Sighting* seen = set; seen != set + kWays; ++seen) {
        if (seen->key == key && seen->count > 0) {
            seen->count = frames_ - seen->frame <= kRecentFrames ? seen->count + 1 : 1;
            seen->frame = frames_;
            return seen->count;
        }
        if (seen->frame < oldest->frame)
            oldest = seen;
    }
    *oldest = {key, 1, frames_};
    return 1;
}

// Sets the pixels a wide line, an arc, a pie or an ellipse sets. A figure
// that keeps coming back, in the same place or moved whole, is drawn once
// more on a transparent scratch picture and its pixels read back; they are
// all opaque, as nothing is drawn antialiased or translucent, so setting them
// is drawing the figure. Until then it is simply drawn.
void ImageCanvas::drawStamped(const Stroke& given, QPainter& painter) const
{
    Stroke stroke = given;
    if (stroke.kind == Stroke::Kind::Line) {
        // The part of the line that is drawn, as the figure to keep.
        const auto part = drawnPart(given);
        if (!part)
            return;
        std::tie(stroke.from, stroke.to) = *part;
        if (drawnPart(stroke) != part) {
            drawDirectly(given, painter);
            return;
        }
    }
    // Where the picture's edge cuts a one-pixel outline, the painter draws it
    // differently from the same outline within.
    if (stroke.movable() && isThin(stroke.pen) && !QRectF(image_.rect()).contains(extent(stroke))) {
        drawDirectly(stroke, painter);
        return;
    }
    const QPoint at = stroke.anchor();
    const size_t key = stroke.shapeHash();
    const Stamp* stamp = stamps_.find(key, [&stroke](const Stamp& s) { return s.stroke.sameShape(stroke); });
    if (!stamp) {
        // Read back whole, moved into the picture where it reaches out; a
        // figure that stays where it is needs only its part within.
        const std::optional<QPoint> shift = stroke.movable() ? shiftInto(extent(stroke)) : QPoint(0, 0);
        if (!shift || (stroke.kind == Stroke::Kind::Ellipse && !shift->isNull())) {
            drawDirectly(stroke, painter);
            return;
        }
        const Stroke taken = stroke.translated(*shift);
        const QRect area = reach(taken);
        // Kept the third time it comes, as most that come twice while a
        // control moves never come again; a large one, whose reading back
        // costs more than drawing it, only when it keeps coming.
        const int needed = qint64(area.width()) * area.height() > kLargeStamp ? 4 : 3;
        if (sightings(key) < needed) {
            drawDirectly(stroke, painter);
            return;
        }
        Stamp kept = stampOf(stroke, takeSpans(taken, area), at + *shift);
        const size_t bytes = kept.bytes();
        stamp = &stamps_.add(key, std::move(kept), bytes);
    }
    place(*stamp, at);
}

// How far to move a figure that reaches out of the picture to have it all
// within; none when it is too large.
std::optional<QPoint> ImageCanvas::shiftInto(const QRectF& extent) const
{
    const auto shift = [](qreal low, qreal high, int size) {
        return low < 0 ? int(std::ceil(-low)) : high > size ? -int(std::ceil(high - size)) : 0;
    };
    const QPoint by(shift(extent.left(), extent.right(), image_.width()),
                    shift(extent.top(), extent.bottom(), image_.height()));
    if (!QRectF(image_.rect()).contains(extent.translated(by)))
        return std::nullopt;
    return by;
}

ImageCanvas::Stroke ImageCanvas::Stroke::translated(QPoint by) const
{
    Stroke moved = *this;
    moved.from += by;
    moved.to += by;
    moved.box.translate(by);
    return moved;
}

// The ends of a line as drawn: cut to a margin round the picture, so that
// absurdly long lines cost no more than visible ones.
std::optional<std::pair<QPoint, QPoint>> ImageCanvas::drawnPart(const Stroke& line) const
{
    QPointF a(line.from), b(line.to);
    if (!clipSegment(a, b, QRectF(image_.rect()).adjusted(-16, -16, 16, 16)))
        return std::nullopt;
    return std::pair(a.toPoint(), b.toPoint());
}

// A text sets the same pixels wherever it stands on the same ground: its
// letters blend with what lies below them. On a solid box that is the box;
// otherwise it is the picture, kept when it is of one colour all round the
// text. The pixels of the text on its ground are kept and copied in.
void ImageCanvas::drawKeptText(const Stroke& stroke, QPainter& painter) const
{
    const bool boxed = stroke.brush.style == BrushStyle::bsSolid;
    const QRect area = boxed ? stroke.box : extent(stroke).toAlignedRect();
    const std::optional<QRgb> ground = image_.rect().contains(area) ? groundUnder(stroke, area) : std::nullopt;
    if (!ground) {
        drawDirectly(stroke, painter);
        return;
    }
    const size_t key = qHashMulti(stroke.shapeHash(), *ground, boxed);
    const KeptText* text = texts_.find(key, [&stroke, boxed, ground](const KeptText& kept) {
        const Stroke& k = kept.stroke;
        return kept.ground == *ground && (k.brush.style == BrushStyle::bsSolid) == boxed && k.text == stroke.text
               && k.box.size() == stroke.box.size() && k.to - k.from == stroke.to - stroke.from
               && k.fontColor == stroke.fontColor && k.font == stroke.font;
    });
    if (!text) {
        if (sightings(key) < 2) {
            drawDirectly(stroke, painter);
            return;
        }
        text = &texts_.add(key, {stroke, *ground, textPixels(stroke, area, *ground)});
    }
    if (text->pixels.isNull()) {
        drawDirectly(stroke, painter); // its letters reach out of the area
        return;
    }
    if (overLayer_)
        painted_.mark(area);
    const qsizetype rowBytes = qsizetype(area.width()) * 4;
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(image_.scanLine(area.y() + y) + area.x() * 4, text->pixels.constScanLine(y), size_t(rowBytes));
}

// The one colour of the ground a text is drawn on within `area`: its box's,
// or the picture's if it has only one there.
std::optional<QRgb> ImageCanvas::groundUnder(const Stroke& text, const QRect& area) const
{
    if (text.brush.style == BrushStyle::bsSolid)
        return text.brush.color.rgb() | 0xFF000000u;
    const QRgb ground = image_.pixel(area.topLeft()) | 0xFF000000u;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((row[x] | 0xFF000000u) != ground)
                return std::nullopt;
        }
    }
    // Letters of the ground's own colour would leave no trace to tell
    // whether they stay within the area.
    if ((text.fontColor.rgb() | 0xFF000000u) == ground)
        return std::nullopt;
    return ground;
}

// The pixels of `area` with the text drawn on its ground; none when a
// letter reaches out of the area.
QImage ImageCanvas::textPixels(const Stroke& text, const QRect& area, QRgb ground) const
{
    constexpr int kRoom = 8;
    QImage drawn(area.size() + QSize(2 * kRoom, 2 * kRoom), image_.format());
    drawn.fill(ground);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawText(text.translated(QPoint(kRoom, kRoom) - area.topLeft()), painter);
    }
    const QRect inside(QPoint(kRoom, kRoom), area.size());
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (row[x] != ground && !inside.contains(x, y))
                return {};
        }
    }
    return drawn.copy(inside);
}

void ImageCanvas::drawStroke(const Stroke& stroke, QPainter& painter) const
{
    const QRect& box = stroke.box;
    switch (stroke.kind) {
    case Stroke::Kind::Line:
        if (const auto part = drawnPart(stroke)) {
            preparePainter(painter, stroke.pen, stroke.brush);
            painter.drawLine(part->first, part->second);
        }
        return;
    case Stroke::Kind::Ellipse:
        preparePainter(painter, stroke.pen, stroke.brush);
        painter.drawEllipse(QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1));
        return;
    case Stroke::Kind::Rectangle:
        preparePainter(painter, stroke.pen, stroke.brush);
        painter.drawRect(QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1));
        return;
    case Stroke::Kind::Arc:
    case Stroke::Kind::Pie:
        drawArc(stroke, painter);
        return;
    case Stroke::Kind::Text:
        drawText(stroke, painter);
        return;
    }
}

// Bresenham's line without its end pixel, with the pen's dashes; the gaps
// take the brush colour while the brush is solid.
void ImageCanvas::plotThinLine(const Stroke& stroke, QPoint from, QPoint to) const
{
    const DashPattern pattern = dashPattern(stroke.pen.style);
    const int period = pattern.on + pattern.off;
    const QRgb ink = stroke.pen.color.rgb();
    const bool fillGaps = stroke.brush.style == BrushStyle::bsSolid;
    const QRgb gap = stroke.brush.color.rgb();
    uchar* const bits = image_.bits();
    const qsizetype bytesPerLine = image_.bytesPerLine();
    const unsigned width = unsigned(image_.width()), height = unsigned(image_.height());

    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    int x = from.x(), y = from.y();
    for (int step = 0; x != to.x() || y != to.y(); ++step) {
        if (unsigned(x) < width && unsigned(y) < height) {
            auto* pixel = reinterpret_cast<QRgb*>(bits + y * bytesPerLine) + x;
            if (step % period < pattern.on)
                *pixel = ink;
            else if (fillGaps)
                *pixel = gap;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ImageCanvas::drawArc(const Stroke& stroke, QPainter& painter) const
{
    const bool pie = stroke.kind == Stroke::Kind::Pie;
    const ArcShape shape = arcShape(stroke);
    const int segments = std::clamp(int(shape.span * std::max(shape.a, shape.b) / 2) + 8, 8, 20000);

    QPolygonF chords;
    chords.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i)
        chords.append(shape.pointAt(shape.t1 + shape.span * i / segments));

    preparePainter(painter, stroke.pen, stroke.brush);
    QPainterPath path;
    if (pie) {
        path.moveTo(shape.mid);
        path.lineTo(chords.first());
        for (qsizetype i = 1; i < chords.size(); ++i)
            path.lineTo(chords[i]);
        path.closeSubpath();
    } else {
        path.addPolygon(chords);
        painter.setBrush(Qt::NoBrush);
        if (!isThin(stroke.pen) && BevelJoinsSetTheSamePixels(chords, stroke.pen.width)) {
            QPen pen = painter.pen();
            pen.setJoinStyle(Qt::BevelJoin);
            painter.setPen(pen);
        }
    }
    painter.drawPath(path);
}

void ImageCanvas::drawText(const Stroke& stroke, QPainter& painter) const
{
    if (stroke.brush.style == BrushStyle::bsSolid)
        painter.fillRect(stroke.box, stroke.brush.color);
    painter.setFont(stroke.font);
    painter.setPen(stroke.fontColor);
    painter.setBackgroundMode(Qt::TransparentMode); // the box above is the only background
    painter.drawText(stroke.to, stroke.text);
}

// Told once until the picture is looked at again: a redraw notes hundreds
// of strokes, and one repaint shows them all.
void ImageCanvas::changed()
{
    if (onChanged_ && !changeTold_) {
        changeTold_ = true;
        onChanged_();
    }
}
