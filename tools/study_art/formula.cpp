// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Node;
using Row = std::vector<std::unique_ptr<Node>>;

// A parsed piece of a formula: a run of text, a fraction, or the scripts
// that stand after the piece before them.
struct Node {
    enum class Kind { Text, Fraction, Scripts } kind;
    QString text;
    bool italic = false;
    Row upper; // numerator or superscript
    Row lower; // denominator or subscript
};

bool isLatin(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isGreek(QChar c)
{
    return c.unicode() >= 0x0391 && c.unicode() <= 0x03C9;
}

// Splits plain text into upright and italic runs: a lone Latin letter is a
// quantity, several in a row a word (a function's name among them).
void appendText(Row& row, const QString& text)
{
    int i = 0;
    while (i < text.size()) {
        int end = i;
        bool italic = false;
        if (isLatin(text[i])) {
            while (end < text.size() && isLatin(text[end]))
                ++end;
            italic = end - i == 1;
        } else if (isGreek(text[i])) {
            end = i + 1;
            italic = true;
        } else {
            while (end < text.size() && !isLatin(text[end]) && !isGreek(text[end]))
                ++end;
        }
        QString piece = text.mid(i, end - i);
        piece.replace(QLatin1Char('-'), QChar(0x2212));
        if (!row.empty() && row.back()->kind == Node::Kind::Text && row.back()->italic == italic) {
            row.back()->text += piece;
        } else {
            auto node = std::make_unique<Node>(Node{Node::Kind::Text, piece, italic, {}, {}});
            row.push_back(std::move(node));
        }
        i = end;
    }
}

class Parser {
public:
    explicit Parser(const QString& source) : s_(source) {}

    Row parseRow()
    {
        Row row;
        QString text;
        const auto flush = [&] {
            appendText(row, text);
            text.clear();
        };
        while (i_ < s_.size() && s_[i_] != QLatin1Char('}')) {
            const QChar c = s_[i_];
            if (c == QLatin1Char('\\') && s_.mid(i_, 5) == QLatin1String("\\frac")) {
                flush();
                i_ += 5;
                auto node = std::make_unique<Node>(Node{Node::Kind::Fraction, {}, false, {}, {}});
                node->upper = parseArgument();
                node->lower = parseArgument();
                row.push_back(std::move(node));
            } else if (c == QLatin1Char('_') || c == QLatin1Char('^')) {
                flush();
                auto node = std::make_unique<Node>(Node{Node::Kind::Scripts, {}, false, {}, {}});
                while (i_ < s_.size() && (s_[i_] == QLatin1Char('_') || s_[i_] == QLatin1Char('^'))) {
                    const bool sub = s_[i_++] == QLatin1Char('_');
                    (sub ? node->lower : node->upper) = parseArgument();
                }
                row.push_back(std::move(node));
            } else if (c == QLatin1Char('{')) {
                flush();
                for (auto& node : parseArgument())
                    row.push_back(std::move(node));
            } else {
                text += c;
                ++i_;
            }
        }
        flush();
        return row;
    }

private:
    // A group in braces, or the one character that follows.
    Row parseArgument()
    {
        if (i_ < s_.size() && s_[i_] == QLatin1Char('{')) {
            ++i_;
            Row row = parseRow();
            if (i_ < s_.size())
                ++i_; // the closing brace
            return row;
        }
        Row row;
        if (i_ < s_.size())
            appendText(row, QString(s_[i_++]));
        return row;
    }

    QString s_;
    int i_ = 0;
};

// A laid-out piece in its own coordinates: x from 0, baseline at y = 0.
struct Laid {
    QList<Formula::Run> runs;
    QList<QLineF> bars;
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;

    void place(const Laid& part, qreal dx, qreal dy)
    {
        for (Formula::Run run : part.runs) {
            run.box.translate(dx, dy);
            run.baseline += dy;
            runs << run;
        }
        for (const QLineF& bar : part.bars)
            bars << bar.translated(dx, dy);
    }
};

QFont formulaFont(qreal pixelSize, bool italic)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setItalic(italic);
    return font;
}

Laid layoutRow(const Row& row, qreal size);

Laid layoutText(const Node& node, qreal size)
{
    const QFont font = formulaFont(size, node.italic);
    const QFontMetricsF metrics(font);
    Laid laid;
    // An italic letter leans over its advance: give it a little room.
    laid.width = metrics.horizontalAdvance(node.text) + (node.italic ? size * 0.08 : 0);
    laid.ascent = metrics.ascent();
    laid.descent = metrics.descent();
    laid.runs << Formula::Run{node.text, QRectF(0, -laid.ascent, laid.width, laid.ascent + laid.descent), 0, font};
    return laid;
}

Laid layoutFraction(const Node& node, qreal size)
{
    const Laid upper = layoutRow(node.upper, size);
    const Laid lower = layoutRow(node.lower, size);
    const qreal axis = QFontMetricsF(formulaFont(size, false)).strikeOutPos();
    const qreal gap = size * 0.12;
    const qreal margin = size * 0.12;
    const qreal bar = std::max(upper.width, lower.width) + size * 0.2;

    Laid laid;
    laid.width = bar + 2 * margin;
    laid.bars << QLineF(margin, -axis, margin + bar, -axis);
    // Each part centred over or under the bar, clear of it by the gap.
    const qreal upperBaseline = -axis - gap - upper.descent;
    const qreal lowerBaseline = -axis + gap + lower.ascent;
    laid.place(upper, margin + (bar - upper.width) / 2, upperBaseline);
    laid.place(lower, margin + (bar - lower.width) / 2, lowerBaseline);
    laid.ascent = -upperBaseline + upper.ascent;
    laid.descent = lowerBaseline + lower.descent;
    return laid;
}

Laid layoutScripts(const Node& node, qreal size)
{
    const qreal small = size * 0.7;
    const Laid upper = layoutRow(node.upper, small);
    const Laid lower = layoutRow(node.lower, small);
    const qreal raise = size * 0.42;
    const qreal drop = size * 0.22;
    Laid laid;
    laid.width = std::max(upper.width, lower.width) + size * 0.05;
    if (!node.upper.empty()) {
        laid.place(upper, 0, -raise);
        laid.ascent = std::max(laid.ascent, raise + upper.ascent);
    }
    if (!node.lower.empty()) {
        laid.place(lower, 0, drop);
        laid.descent = std::max(laid.descent, drop + lower.descent);
    }
    return laid;
}

Laid layoutRow(const Row& row, qreal size)
{
    Laid laid;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const auto& node = row[i];
        // A subscript tucks in under the overhang of an italic letter.
        if (node->kind == Node::Kind::Scripts && node->upper.empty() && i > 0
            && row[i - 1]->kind == Node::Kind::Text && row[i - 1]->italic)
            laid.width -= size * 0.08;
        Laid part;
        switch (node->kind) {
        case Node::Kind::Text: part = layoutText(*node, size); break;
        case Node::Kind::Fraction: part = layoutFraction(*node, size); break;
        case Node::Kind::Scripts: part = layoutScripts(*node, size); break;
        }
        laid.place(part, laid.width, 0);
        laid.width += part.width;
        laid.ascent = std::max(laid.ascent, part.ascent);
        laid.descent = std::max(laid.descent, part.descent);
    }
    return laid;
}

} // namespace

Formula::Formula(const QString& source, int pixelSize)
    : pixelSize_(pixelSize)
{
    Parser parser(source);
    const Laid laid = layoutRow(parser.parseRow(), pixelSize);
    Laid top;
    top.place(laid, 0, laid.ascent);
    runs_ = top.runs;
    bars_ = top.bars;
    size_ = QSizeF(laid.width, laid.ascent + laid.descent);
    ascent_ = laid.ascent;
}

void Formula::paint(QPainter& painter, QPointF topLeft, const QColor& colour) const
{
    painter.save();
    painter.setPen(colour);
    for (const Run& run : runs_) {
        painter.setFont(run.font);
        painter.drawText(QPointF(run.box.left(), run.baseline) + topLeft, run.text);
    }
    for (const QLineF& bar : bars_) {
        painter.setPen(QPen(colour, std::max(1.0, pixelSize_ / 16.0), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(bar.translated(topLeft));
    }
    painter.restore();
}

QImage FormulaPicture(const QString& source, QSize size, int pixelSize, qreal scale)
{
    constexpr int left = 10, right = 6, vertical = 4;
    int px = pixelSize;
    while (px > 8) {
        const Formula formula(source, px);
        if (formula.size().width() <= size.width() - left - right && formula.size().height() <= size.height() - 2 * vertical)
            break;
        --px;
    }
    const Formula formula(source, px);
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    formula.paint(painter, QPointF(left, std::round((size.height() - formula.size().height()) / 2)));
    return picture;
}
