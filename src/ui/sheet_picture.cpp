// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet_picture.h"

#include "kit/image_canvas.h"
#include "ui/language.h"
#include "ui/model_sheet.h"
#include "ui/readout_accessibility.h"
#include "ui/rx_label.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_progress_bar.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

namespace {

QString GroupOf(const QWidget* control)
{
    for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty())
            return group->title();
    }
    return {};
}

// The chosen buttons first ("ЛИНЗА: собирающая"), then every readout shown
// with its caption and unit, then the indicators that stand lit.
QStringList QuantitiesOf(const ModelSheet& sheet)
{
    QStringList lines;
    for (QObject* control : sheet.controls()) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (button && button->isChecked())
            lines << GroupOf(button) + QStringLiteral(": ") + button->text().simplified();
    }
    for (QWidget* readout : sheet.readouts()) {
        // A dial or a bar is the scale of a number that stands beside it.
        if (readout->isHidden() || qobject_cast<TVrJogMeter*>(readout) || qobject_cast<TVrProgressBar*>(readout))
            continue;
        const QString value = SpokenReadout(readout);
        if (!value.isEmpty() && !readout->accessibleName().isEmpty())
            lines << readout->accessibleName() + QStringLiteral(" = ") + value;
        else if (auto* label = qobject_cast<QLabel*>(readout); label && !label->text().isEmpty())
            lines << label->text().simplified();
    }
    return lines;
}

// What each track bar and scroll bar is set to, as the readout of the same
// name shows it.
QStringList SettingsOf(const ModelSheet& sheet)
{
    QStringList values;
    for (QObject* control : sheet.controls()) {
        auto* slider = qobject_cast<QAbstractSlider*>(control);
        if (!slider)
            continue;
        for (QWidget* readout : sheet.readouts()) {
            if (readout->accessibleName() == slider->accessibleName() && !SpokenReadout(readout).isEmpty()) {
                values << SpokenReadout(readout).remove(QLatin1Char(' '));
                break;
            }
        }
    }
    return values;
}

} // namespace

SheetPicture TakePicture(ModelSheet& sheet)
{
    SheetPicture picture;
    picture.ops = sheet.PictureOps();
    const ImageCanvas& canvas = sheet.modelCanvas()->Canvas();
    picture.size = QSize(canvas.Width(), canvas.Height());
    picture.background = canvas.Background();
    picture.title = sheet.windowTitle();
    picture.quantities = QuantitiesOf(sheet);
    const QStringList settings = SettingsOf(sheet);
    picture.fileStem = (picture.title.simplified().toLower() + QLatin1Char(' ') + settings.join(QLatin1Char(' '))).trimmed();
    return picture;
}

QImage PictureImage(const SheetPicture& picture, qreal scale)
{
    ImageCanvas canvas(picture.size, scale);
    canvas.SetLabelAppearance(picture.background, QFont(), Qt::white);
    canvas.Play(picture.ops);
    return canvas.Image();
}

void PaintPicture(QPainter& painter, const SheetPicture& picture)
{
    DeviceCanvas canvas(painter, picture.size);
    canvas.SetLabelAppearance(picture.background, QFont(), Qt::white);
    canvas.Play(picture.ops);
}

QByteArray PictureSvg(const SheetPicture& picture)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(picture.size);
    svg.setViewBox(QRect(QPoint(0, 0), picture.size));
    // The generator writes title and description into the XML as they are.
    svg.setTitle(picture.title.simplified().toHtmlEscaped());
    svg.setDescription(picture.quantities.join(QLatin1Char('\n')).toHtmlEscaped());
    QPainter painter(&svg);
    PaintPicture(painter, picture);
    painter.end();
    return buffer.data();
}

void PrintPicture(QPrinter& printer, const SheetPicture& picture)
{
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(QPointF(0, 0), page.size());
    const qreal pt = printer.resolution() / 72.0;

    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPointSizeF(16);
    heading.setBold(true);
    painter.setFont(heading);
    QRectF titleBox;
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, picture.title.simplified(), &titleBox);

    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(10);
    const QString text = picture.quantities.join(QLatin1Char('\n')) + QStringLiteral("\n\n")
                         + QLocale(CurrentLanguage()).toString(QDate::currentDate(), QLocale::LongFormat);
    painter.setFont(body);
    const QRectF textBox = painter.boundingRect(QRectF(0, 0, area.width(), area.height()),
                                                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);

    // The picture as vectors, across the page's width as far as the
    // quantities below leave room for it.
    const qreal top = titleBox.bottom() + 8 * pt;
    const qreal room = area.height() - top - textBox.height() - 10 * pt;
    const qreal scale = std::min(area.width() / picture.size.width(), room / picture.size.height());
    painter.save();
    painter.translate(0, top);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(0, 0), picture.size));
    PaintPicture(painter, picture);
    painter.restore();

    painter.setPen(Qt::black);
    const QRectF below(0, top + picture.size.height() * scale + 10 * pt, area.width(), textBox.height());
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

std::optional<QString> WritePicture(const SheetPicture& picture, const QString& path, PictureFormat format, qreal scale)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("SheetPicture", "Не удалось записать рисунок в файл \"%1\": %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString());
    bool written = false;
    if (format == PictureFormat::Svg)
        written = file.write(PictureSvg(picture)) >= 0;
    else
        written = PictureImage(picture, scale).save(&file, "PNG");
    if (!written || !file.commit())
        return QCoreApplication::translate("SheetPicture", "Не удалось записать рисунок в файл \"%1\": %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString());
    return std::nullopt;
}

// Characters no file system takes in a name, and the ones that would make
// a name awkward to type, become blanks.
QString PictureFileName(const SheetPicture& picture)
{
    QString name = picture.fileStem;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\n\\t]+")), QStringLiteral(" "));
    return name.simplified();
}
