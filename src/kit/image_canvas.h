#pragma once

#include "kit/canvas.h"
#include "kit/dirty_tiles.h"
#include "kit/recently_used.h"

#include <QImage>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

// A canvas whose pixels live in a retained image, drawn without antialiasing
// so that lines, dashes and hatches land on exact pixels. A label widget
// shows the image; `onChanged` tells it to repaint.
//
// Drawing is deferred: a redraw only notes its strokes, and the image is
// brought up to date when it is looked at, with one painter for all of them.
// Most redraws begin with the same strokes as the one before (a protractor,
// an axis, a lens outline); the picture after those shared strokes is kept,
// and the next redraw restores just the parts its predecessor painted over.
// Arcs, ellipses and texts on solid boxes, the dearest strokes, are kept as
// the pixels they set once they keep coming back, in the same place or
// moved whole, even a control's sweep to its end and back later, and set
// again when they do; wide arcs take bevel joins where
// those set the pixels round ones set. Either way every pixel is the one the
// strokes draw.
class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(const QSize& size = QSize(1, 1));
    ~ImageCanvas() override;

    int Width() const override { return size_.width(); }
    int Height() const override { return size_.height(); }

    // A new size starts an empty picture in the background colour.
    void Resize(const QSize& size);
    // The picture with every stroke so far.
    const QImage& Image() const;
    void SetChangedCallback(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }
    // How many figures are kept as the pixels they set.
    size_t KeptFigures() const { return stamps_.size(); }

protected:
    void paintBackground() override;
    void paintLine(const QPoint& from, const QPoint& to) override;
    void paintEllipse(const QRect& box) override;
    void paintRectangle(const QRect& box) override;
    void paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie) override;
    void paintText(const QPoint& topLeft, const QString& text) override;

private:
    // One drawing operation with everything it is drawn with.
    struct Stroke {
        enum class Kind { Line, Ellipse, Rectangle, Arc, Pie, Text };
        Kind kind;
        QPoint from; // line ends, the radial points of an arc, a text's corner and baseline
        QPoint to;
        QRect box;   // of an ellipse, rectangle or arc; the box behind a text
        QString text;
        CanvasPen pen;
        CanvasBrush brush;
        QFont font;
        QColor fontColor;

        bool operator==(const Stroke& other) const;
        // Whether a figure looks the same wherever it stands.
        bool movable() const;
        std::optional<QPoint> binades() const;
        // The corner a figure's pixels are kept relative to.
        QPoint anchor() const;
        Stroke translated(QPoint by) const;
        std::pair<QPoint, QPoint> relativeEnds() const;
        // Alike but for where the figure stands.
        bool sameShape(const Stroke& other) const;
        size_t shapeHash() const;
    };

    // A run of pixels of one colour that a stroke sets.
    struct Span {
        int y;
        int x;
        int length;
        QRgb colour;
    };
    struct Stamp {
        Stroke stroke;
        std::vector<Span> spans;
        std::vector<QRect> bands; // round nearby spans, a band of rows at a time
        QRect bounds;             // round them all
        size_t bytes() const;
    };
    static Stamp stampOf(const Stroke& stroke, std::vector<Span> spans, QPoint at);
    // A text as the pixels it sets on a ground of one colour.
    struct KeptText {
        Stroke stroke;
        QRgb ground;
        QImage pixels; // none while a letter reaches out of the area kept
    };
    std::optional<QRgb> groundUnder(const Stroke& text, const QRect& area) const;
    QImage textPixels(const Stroke& text, const QRect& area, QRgb ground) const;

    struct ArcShape;
    static ArcShape arcShape(const Stroke& stroke);

    static Stroke figure(Stroke::Kind kind, QPoint from, QPoint to, QRect box);
    void note(Stroke stroke);
    // Where a stroke can set pixels, and that part of it within the picture.
    static QRectF extent(const Stroke& stroke);
    QRect reach(const Stroke& stroke) const;
    void restoreLayer() const;
    void markReach(const Stroke& stroke) const;
    std::vector<Span> takeSpans(const Stroke& stroke, const QRect& area) const;
    void place(const Stamp& stamp, QPoint at) const;
    int sightings(size_t key) const;
    void drawStamped(const Stroke& given, QPainter& painter) const;
    std::optional<QPoint> shiftInto(const QRectF& extent) const;
    std::optional<std::pair<QPoint, QPoint>> drawnPart(const Stroke& line) const;
    void drawKeptText(const Stroke& stroke, QPainter& painter) const;
    void startFrame();
    void bringUpToDate() const;
    void drawStrokes(size_t end) const;
    void drawStroke(const Stroke& stroke, QPainter& painter) const;
    void drawDirectly(const Stroke& stroke, QPainter& painter) const; // marking where it paints
    void plotThinLine(const Stroke& stroke, QPoint from, QPoint to) const;
    void drawArc(const Stroke& stroke, QPainter& painter) const;
    void drawText(const Stroke& stroke, QPainter& painter) const;
    void changed();

    QSize size_;
    std::vector<Stroke> frame_;     // since the last refresh
    std::vector<Stroke> lastFrame_; // the frame before
    QColor frameBackground_;        // what the refresh that began the frame cleared to
    mutable QImage image_;
    mutable size_t drawn_ = 0;      // strokes of the frame already in the image
    mutable bool fresh_ = true;     // the frame is not yet in the image at all
    mutable QImage layer_;          // the picture after the strokes in `layerStrokes_`
    mutable std::vector<Stroke> layerStrokes_;
    mutable size_t lastShared_ = 0; // strokes the last frame looked at shared with its predecessor
    mutable QColor layerBackground_;
    mutable bool overLayer_ = false; // the image is the layer but where `painted_` says
    mutable DirtyTiles painted_;
    mutable RecentlyUsed<Stamp> stamps_{8 << 20}; // by their shapes' hashes, weighed in bytes
    mutable RecentlyUsed<KeptText> texts_{128};
    struct Sighting {
        size_t key = 0; // the stroke's hash
        int count = 0;
        quint64 frame = 0; // when it came last
    };
    mutable std::vector<Sighting> seen_; // the strokes drawn lately, made when the first comes
    quint64 frames_ = 0;                 // begun so far
    mutable QImage scratch_;             // transparent but while a stamp is taken
    std::function<void()> onChanged_;
    mutable bool changeTold_ = false; // since the picture was last looked at
};
