#include "ui/vr_matrix.h"

#include "ui/dot_matrix_font.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor kLit(0x00, 0xFF, 0x00);
const QColor kUnlit(0x00, 0x38, 0x00);
constexpr int kCellColumns = 6; // five dots and a gap, where decimal marks stand
constexpr int kRows = 8;        // seven dots and a row for the tail of a comma
constexpr int kGapCells = 2;    // blank cells between the end and the new start of a moving text

} // namespace

TVrMatrix::TVrMatrix(QWidget* parent)
    : QWidget(parent), marquee_(90)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&marquee_, &LedMarquee::stepped, this, qOverload<>(&QWidget::update));
}

void TVrMatrix::setLeds(int leds)
{
    leds_ = std::max(1, leds);
    marquee_.setNeeded(isScrolling());
    update();
}

void TVrMatrix::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    cells_ = LedCells(text);
    marquee_.restart();
    marquee_.setNeeded(isScrolling());
    update();
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
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const int columns = leds_ * kCellColumns - 1;
    const qreal pitch = std::min(qreal(width() - 4) / columns, qreal(height() - 4) / kRows);
    const qreal dot = pitch * 0.42;
    const QPointF origin((width() - columns * pitch) / 2 + pitch / 2, (height() - kRows * pitch) / 2 + pitch / 2);
    const auto dotAt = [&](int column, int row, const QColor& colour) {
        painter.setBrush(colour);
        painter.drawEllipse(origin + QPointF(column * pitch, row * pitch), dot, dot);
    };

    // Which cell of the text each display cell shows: a moving text advances a
    // dot column per step through the text followed by a short blank gap.
    const int period = (int(cells_.size()) + kGapCells) * kCellColumns;
    const int shift = isScrolling() ? marquee_.offset() % period : 0;
    for (int column = 0; column < columns; ++column) {
        const int textColumn = column + shift;
        const int cellIndex = isScrolling() ? (textColumn / kCellColumns) % (period / kCellColumns)
                                            : textColumn / kCellColumns;
        const int dotColumn = textColumn % kCellColumns;
        const bool inText = cellIndex < cells_.size();
        const LedCell cell = inText ? cells_[cellIndex] : LedCell{};

        if (dotColumn < 5) {
            const DotGlyph& glyph = DotGlyphOf(cell.character);
            for (int row = 0; row < 7; ++row)
                dotAt(column, row, glyph[row] & (0x10 >> dotColumn) ? kLit : kUnlit);
        } else if (!cell.mark.isNull()) {
            drawMark(painter, origin + QPointF(column * pitch, 6 * pitch), pitch, cell.mark);
        }
    }
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
