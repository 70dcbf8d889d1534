// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rz_led_display.h"

#include "ui/readout_accessibility.h"
#include "ui/segment_font.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal kMargin = 4;
constexpr int kGapCells = 2;
} // namespace

TRzLEDDisplay::TRzLEDDisplay(QWidget* parent)
    : QWidget(parent), marquee_(250)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&marquee_, &LedMarquee::stepped, this, qOverload<>(&QWidget::update));
}

void TRzLEDDisplay::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    cells_ = LedCells(caption);
    marquee_.restart();
    marquee_.setNeeded(isScrolling());
    update();
    AnnounceReadoutChange(this);
}

void TRzLEDDisplay::setSegmentColor(const QColor& color)
{
    on_ = color;
    glyphs_.clear();
    update();
}

void TRzLEDDisplay::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

qreal TRzLEDDisplay::cellWidth() const
{
    return (height() - 2 * kMargin) * 0.5;
}

qreal TRzLEDDisplay::cellPitch() const
{
    return cellWidth() * 1.45;
}

int TRzLEDDisplay::cellCount() const
{
    return std::max(1, int((width() - 2 * kMargin + cellPitch() - cellWidth()) / cellPitch()));
}

bool TRzLEDDisplay::isScrolling() const
{
    return cells_.size() > cellCount();
}

QSize TRzLEDDisplay::sizeHint() const
{
    return QSize(200, 41);
}

void TRzLEDDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int count = cellCount();
    const int period = int(cells_.size()) + kGapCells;
    const int shift = isScrolling() ? marquee_.offset() % period : 0;
    // The cells stand in the middle of the display; a caption that fits is
    // flush with their right end when the display aligns right.
    const qreal left = (width() - (count - 1) * cellPitch() - cellWidth()) / 2;
    const int lead = !isScrolling() && (alignment_ & Qt::AlignRight) ? count - int(cells_.size()) : 0;
    for (int i = 0; i < count; ++i) {
        const int index = isScrolling() ? (i + shift) % period : i - lead;
        const LedCell cell = index >= 0 && index < cells_.size() ? cells_[index] : LedCell{};
        painter.drawImage(QPointF(std::round(left + i * cellPitch()), 0), glyph(cell));
    }
}

// A cell's picture, drawn once per character, size and colour.
const QImage& TRzLEDDisplay::glyph(const LedCell& cell) const
{
    // Drawn in the screen's own pixels, so that a 2x screen gets sharp segments.
    const qreal ratio = devicePixelRatioF();
    if (ratio != glyphRatio_) {
        glyphs_.clear();
        glyphRatio_ = ratio;
    }
    const QString key = QString(cell.character) + cell.mark;
    const auto known = glyphs_.constFind(key);
    if (known != glyphs_.constEnd())
        return *known;
    // The picture reaches into the gap after the cell and the margin below
    // it, where a decimal mark stands; it is transparent around the segments.
    QImage image(QSizeF(std::ceil(cellPitch() + kMargin) * ratio, std::max(1, height()) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QColor off = QColor::fromHsv(on_.hsvHue(), on_.hsvSaturation() / 2, 24);
    PaintFourteenSegments(painter, QRectF(0, kMargin, cellWidth(), height() - 2 * kMargin), cell.character, cell.mark,
                          on_, off);
    return *glyphs_.insert(key, image);
}

void TRzLEDDisplay::resizeEvent(QResizeEvent*)
{
    glyphs_.clear();
    marquee_.setNeeded(isScrolling());
}

void TRzLEDDisplay::showEvent(QShowEvent*)
{
    marquee_.setVisible(true);
}

void TRzLEDDisplay::hideEvent(QHideEvent*)
{
    marquee_.setVisible(false);
}
