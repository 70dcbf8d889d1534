// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_matrix.h"

#include "ui/dot_matrix_font.h"
#include "ui/readout_accessibility.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

const QColor kLit(0x00, 0xFF, 0x00);
const QColor kUnlit(0x00, 0x38, 0x00);
constexpr int kCellColumns = 6; // five dots and a gap, where decimal marks stand
constexpr int kRows = 8;        // seven dots and a row for the tail of a comma
constexpr int kGapCells = 2;    // blank cells between the end and the new start of a moving text
constexpr int kStepMs = 500;    // a moving text's pace: slow enough to read, and to let the program sleep

} // namespace

TVrMatrix::TVrMatrix(QWidget* parent)
    : QWidget(parent), marquee_(kStepMs)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&marquee_, &LedMarquee::stepped, this, qOverload<>(&QWidget::update));
}

void TVrMatrix::setLeds(int leds)
{
    leds_ = std::max(1, leds);
    strip_ = QImage();
    marquee_.setNeeded(isScrolling());
    update();
}

void TVrMatrix::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    cells_ = LedCells(text);
    strip_ = QImage();
    marquee_.restart();
    marquee_.setNeeded(isScrolling());
    update();
    AnnounceReadoutChange(this);
}

bool TVrMatrix::isScrolling() const
{
    return cells_.size() > leds_;
}

QSize TVrMatrix::sizeHint() const
{
    return QSize(leds_ * kCellColumns * 3 + 6, kRows * 3 + 6);
}

void TVrMatrix::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);

    const int columns = leds_ * kCellColumns - 1;
    const qreal pitch = std::min(qreal(width() - 4) / columns, qreal(height() - 4) / kRows);
    const QPointF origin((width() - columns * pitch) / 2, (height() - kRows * pitch) / 2);
    // The strip is made in the screen's own pixels, so that a 2x screen gets
    // round dots, not enlarged ones.
    const qreal ratio = devicePixelRatioF();
    const QImage& strip = this->strip(pitch * ratio);

    // A moving text advances a character per step through the text followed
    // by a short blank gap, as a ticker does; the strip holds one round of it.
    const int period = stripColumns_;
    const int shift = isScrolling() ? (marquee_.offset() * kCellColumns) % period : 0;
    const int first = std::min(columns, period - shift);
    const qreal rows = kRows * pitch;
    painter.drawImage(QRectF(origin, QSizeF(first * pitch, rows)), strip,
                      QRectF(shift * pitch * ratio, 0, first * pitch * ratio, rows * ratio));
    if (first < columns)
        painter.drawImage(QRectF(origin + QPointF(first * pitch, 0), QSizeF((columns - first) * pitch, rows)), strip,
                          QRectF(0, 0, (columns - first) * pitch * ratio, rows * ratio));
}

// Every dot column the display can show, set once per text and size from
// the pictures of its cells: a scrolling step then only copies part of it.
const QImage& TVrMatrix::strip(qreal pitch)
{
    const int cellCount = isScrolling() ? int(cells_.size()) + kGapCells : leds_;
    const int stripColumns = cellCount * kCellColumns;
    if (!strip_.isNull() && stripPitch_ == pitch && stripColumns_ == stripColumns)
        return strip_;
    stripPitch_ = pitch;
    stripColumns_ = stripColumns;
    strip_ = QImage(int(std::ceil(stripColumns * pitch)), int(std::ceil(kRows * pitch)), QImage::Format_RGB32);
    strip_.fill(Qt::black);
    QPainter painter(&strip_);
    // Where neighbouring cells' soft edges meet, the brighter shows.
    painter.setCompositionMode(QPainter::CompositionMode_Lighten);
    for (int index = 0; index < cellCount; ++index) {
        const qreal left = index * kCellColumns * pitch;
        const int quarters = int(std::lround((left - std::floor(left)) * 4));
        const LedCell cell = index < cells_.size() ? cells_[index] : LedCell{};
        painter.drawImage(QPointF(std::floor(left), 0), cellPicture(cell, pitch, quarters));
    }
    return strip_;
}

// A cell's five dot columns and its decimal mark, drawn a quarter of a pixel
// at a time to the right; the cells of all displays of one size share them.
const QImage& TVrMatrix::cellPicture(const LedCell& cell, qreal pitch, int quarters)
{
    struct Key {
        qreal pitch;
        QChar character;
        QChar mark;
        int quarters;
        bool operator==(const Key& other) const
        {
            return pitch == other.pitch && character == other.character && mark == other.mark
                   && quarters == other.quarters;
        }
    };
    struct KeyHash {
        size_t operator()(const Key& key) const
        {
            return qHashMulti(0, key.pitch, key.character, key.mark, key.quarters);
        }
    };
    static std::unordered_map<Key, QImage, KeyHash> pictures;
    QImage& picture = pictures[Key{pitch, cell.character, cell.mark, quarters}];
    if (!picture.isNull())
        return picture;
    picture = QImage(int(std::ceil((kCellColumns + 1) * pitch)) + 1, int(std::ceil(kRows * pitch)),
                     QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal dot = pitch * 0.42;
    const QPointF origin(quarters / 4.0 + pitch / 2, pitch / 2);
    const DotGlyph& glyph = DotGlyphOf(cell.character);
    for (int column = 0; column < 5; ++column) {
        for (int row = 0; row < 7; ++row) {
            painter.setBrush(glyph[row] & (0x10 >> column) ? kLit : kUnlit);
            painter.drawEllipse(origin + QPointF(column * pitch, row * pitch), dot, dot);
        }
    }
    if (!cell.mark.isNull())
        drawMark(painter, origin + QPointF(5 * pitch, 6 * pitch), pitch, cell.mark);
    return picture;
}

// A decimal mark in the narrow column between two characters: a stroke as
// thick as the column, so that "2,94" never reads as 294. It stays clear of
// the neighbouring characters' dots.
void TVrMatrix::drawMark(QPainter& painter, const QPointF& baseline, qreal pitch, QChar mark)
{
    painter.save();
    painter.setPen(QPen(kLit, pitch, Qt::SolidLine, Qt::RoundCap));
    if (mark == QLatin1Char(','))
        painter.drawLine(baseline - QPointF(0, 0.1 * pitch), baseline + QPointF(-0.35 * pitch, 1.55 * pitch));
    else
        painter.drawPoint(baseline);
    painter.restore();
}

void TVrMatrix::showEvent(QShowEvent*)
{
    marquee_.setVisible(true);
}

void TVrMatrix::hideEvent(QHideEvent*)
{
    marquee_.setVisible(false);
}
