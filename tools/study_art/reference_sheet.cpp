// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_sheet.h"

#include "formula.h"
#include "reference_diagrams.h"

#include "kit/image_canvas.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cmath>

namespace {

constexpr int kFormulaPixels = 20;

QImage formulaImage(const QString& source, qreal scale)
{
    const Formula formula(source, kFormulaPixels);
    const QSize size(int(std::ceil(formula.size().width())) + 4, int(std::ceil(formula.size().height())) + 2);
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    formula.paint(painter, QPointF(2, 1));
    return image;
}

const SheetDiagram* findDiagram(const QString& name)
{
    for (const SheetDiagram& diagram : SheetDiagrams()) {
        if (diagram.name == name)
            return &diagram;
    }
    return nullptr;
}

QImage diagramImage(const SheetDiagram& diagram, const DiagramWords& words, qreal scale)
{
    ImageCanvas canvas(diagram.size, scale);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    canvas.SetLabelAppearance(Qt::white, font, Qt::black);
    canvas.Refresh();
    diagram.draw(canvas, words);
    return canvas.Image();
}

} // namespace

SheetPage RenderSheetPage(const QString& source, const QString& language, QSize size, qreal scale)
{
    SheetPage page;
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(16);
    document.setDefaultFont(font);
    document.setDocumentMargin(14);
    document.setDefaultStyleSheet(QStringLiteral(
        "h2 { font-family: 'Liberation Sans'; font-size: 21px; color: #10308A; margin-top: 6px; margin-bottom: 3px; }"
        "h3 { font-family: 'Liberation Sans'; font-size: 17px; color: #10308A; margin-top: 4px; margin-bottom: 2px; }"
        "p { margin-top: 3px; margin-bottom: 3px; }"
        "td { padding: 2px; }"
        ".caption { font-family: 'Liberation Sans'; font-size: 14px; }"));

    // Every placeholder becomes a picture resource of the document.
    QString html = source;
    static const QRegularExpression placeholder(QStringLiteral("\\[\\[(formula|diagram):\\s*(.*?)\\s*\\]\\]"),
                                                QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    QRegularExpressionMatch match;
    while ((match = placeholder.match(html)).hasMatch()) {
        const QString url = QStringLiteral("picture:%1").arg(++count);
        QImage image;
        QString tag;
        if (match.captured(1) == QLatin1String("formula")) {
            image = formulaImage(match.captured(2), scale);
            tag = QStringLiteral("<img src=\"%1\" align=\"middle\">").arg(url);
        } else if (const SheetDiagram* diagram = findDiagram(match.captured(2))) {
            image = diagramImage(*diagram, DiagramWordsIn(language), scale);
            tag = QStringLiteral("<img src=\"%1\">").arg(url);
        } else {
            page.error = QStringLiteral("no diagram %1").arg(match.captured(2));
            return page;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(url), image);
        html.replace(match.capturedStart(), match.capturedLength(), tag);
    }
    document.setHtml(html);
    document.setTextWidth(size.width());

    page.overflow = std::max(0, int(std::ceil(document.size().height())) - size.height());
    // The pictures in it have the same ratio, so the layout is the same at any scale.
    page.image = QImage(size * scale, QImage::Format_RGB32);
    page.image.setDevicePixelRatio(scale);
    page.image.fill(Qt::white);
    QPainter painter(&page.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    document.drawContents(&painter, QRectF(QPointF(0, 0), size));
    return page;
}
