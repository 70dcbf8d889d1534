// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include "kit/canvas_op.h"
#include "ui/model_sheet.h"
#include "ui/readout_text.h"
#include "ui/rx_label.h"
#include "ui/sheet_picture.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QPainter>
#include <QPrinter>
#include <QTextStream>

#include <cstdio>
#include <vector>

bool ApplySetting(ModelSheet* sheet, const QString& setting)
{
    const int eq = setting.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    const QString name = setting.left(eq);
    bool isNumber = false;
    const int value = setting.mid(eq + 1).toInt(&isNumber);
    if (!isNumber)
        return false;
    if (auto* slider = sheet->findChild<QAbstractSlider*>(name)) {
        slider->setValue(value);
        return true;
    }
    if (auto* button = sheet->findChild<QAbstractButton*>(name); button && button->isCheckable()) {
        button->setChecked(value != 0);
        return true;
    }
    return false;
}

namespace {

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

// The picture scaled to fit `size` image pixels, centred on black.
QImage fitInto(const QImage& picture, const QSize& size)
{
    QImage framed(size, QImage::Format_RGB32);
    framed.fill(Qt::black);
    QImage scaled = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Placed pixel for pixel, whatever the ratio it was drawn at.
    scaled.setDevicePixelRatio(1);
    QPainter painter(&framed);
    painter.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2, scaled);
    return framed;
}

// One readout as `NAME=TEXT`; a readout of a side window carries its window's
// name, an indicator its visibility, a control whether it is enabled.
QString readoutLine(const ModelSheet* sheet, QWidget* readout)
{
    QString name = readout->objectName();
    if (readout->window() != sheet->window())
        name = readout->window()->objectName() + QLatin1Char('.') + name;
    if (const auto text = ReadoutText(readout))
        return name + QLatin1Char('=') + *text;
    // A control among the readouts is reported by whether it can be used.
    if (qobject_cast<QAbstractButton*>(readout) || qobject_cast<QAbstractSlider*>(readout))
        return name + QStringLiteral(".enabled=") + (readout->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
    return name + QStringLiteral(".visible=") + (readout->isHidden() ? QLatin1Char('0') : QLatin1Char('1'));
}

} // namespace

int RunModelVerb(ProbeSession& session, const QStringList& args)
{
    if (args.isEmpty())
        return 2;
    ModelSheet* sheet = session.sheetOf(args.first());
    if (!sheet)
        return 1;

    bool listOps = false;
    QString pngFile, svgFile, pdfFile;
    qreal scale = 1;
    QSize fit;
    QStringList settings;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--ops"))
            listOps = true;
        else if (args[i] == QLatin1String("--png") && i + 1 < args.size())
            pngFile = args[++i];
        else if (args[i] == QLatin1String("--svg") && i + 1 < args.size())
            svgFile = args[++i];
        else if (args[i] == QLatin1String("--pdf") && i + 1 < args.size())
            pdfFile = args[++i];
        else if (args[i] == QLatin1String("--scale") && i + 1 < args.size())
            scale = args[++i].toDouble();
        else if (args[i] == QLatin1String("--fit") && i + 1 < args.size())
            fit = parseSize(args[++i]);
        else
            settings << args[i];
    }

    // The model canvas first, then the side windows' labels it draws on,
    // whose operations carry their window's name; those windows are opened,
    // as the model draws only on the ones on the screen.
    QList<TRxLabel*> canvases{sheet->modelCanvas()};
    for (TRxLabel* side : sheet->sideCanvases()) {
        side->window()->show();
        canvases << side;
    }
    std::vector<std::vector<CanvasOp>> ops(canvases.size());
    for (int i = 0; i < canvases.size(); ++i)
        canvases[i]->Canvas().SetLog(&ops[i]);
    for (const QString& setting : settings) {
        if (!ApplySetting(sheet, setting)) {
            std::fprintf(stderr, "cannot set %s\n", qPrintable(setting));
            return 1;
        }
    }
    sheet->refreshButton()->click();
    for (TRxLabel* canvas : canvases)
        canvas->Canvas().SetLog(nullptr);

    QTextStream out(stdout);
    for (QWidget* readout : sheet->readouts())
        out << readoutLine(sheet, readout) << '\n';
    if (listOps) {
        for (int i = 0; i < canvases.size(); ++i) {
            const QString prefix = i == 0 ? QString() : canvases[i]->window()->objectName() + QLatin1Char('.');
            for (const CanvasOp& op : ops[i])
                out << prefix << op.toString() << '\n';
        }
    }
    // The outputs a teacher takes away, drawn from the same redraw.
    const SheetPicture taken = TakePicture(*sheet);
    if (!svgFile.isEmpty()) {
        if (const auto failure = WritePicture(taken, svgFile, PictureFormat::Svg)) {
            std::fprintf(stderr, "%s\n", qPrintable(*failure));
            return 1;
        }
    }
    if (!pdfFile.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        PrintPicture(printer, taken);
    }
    QImage picture = scale == 1 ? sheet->modelCanvas()->Canvas().Image() : PictureImage(taken, scale);
    // The size to fit is in canvas pixels, as the picture's own size is.
    if (fit.isValid())
        picture = fitInto(picture, fit * scale);
    if (!pngFile.isEmpty() && !picture.save(pngFile)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pngFile));
        return 1;
    }
    return 0;
}
