// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_actions.h"

#include "ui/error_box.h"
#include "ui/full_screen_picture.h"
#include "ui/model_sheet.h"
#include "ui/rx_label.h"
#include "ui/sheet_picture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <functional>

namespace {

struct SaveChoice {
    const char* filter;
    PictureFormat format;
    qreal scale;
};

// PNG at the screen's scale or larger for print, or SVG.
const SaveChoice kSaveChoices[] = {
    {"Рисунок PNG (*.png)", PictureFormat::Png, 1},
    {"Рисунок PNG, вдвое крупнее, для печати (*.png)", PictureFormat::Png, 2},
    {"Рисунок PNG, втрое крупнее, для печати (*.png)", PictureFormat::Png, 3},
    {"Векторный рисунок SVG (*.svg)", PictureFormat::Svg, 1},
};

void SavePicture(ModelSheet& sheet)
{
    const SheetPicture picture = TakePicture(sheet);
    QStringList filters;
    for (const SaveChoice& choice : kSaveChoices)
        filters << QString::fromUtf8(choice.filter);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString chosen = filters.first();
    QString path = QFileDialog::getSaveFileName(&sheet, QStringLiteral("Сохранить рисунок"),
                                                QDir(folder).filePath(PictureFileName(picture) + QStringLiteral(".png")),
                                                filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    const SaveChoice& choice = kSaveChoices[std::max<qsizetype>(0, filters.indexOf(chosen))];
    const QString suffix = choice.format == PictureFormat::Svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    if (const auto failure = WritePicture(picture, path, choice.format, choice.scale))
        ShowError(*failure);
}

void PrintWithPreview(ModelSheet& sheet)
{
    const SheetPicture picture = TakePicture(sheet);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(picture.title.simplified());
    QPrintPreviewDialog preview(&printer, &sheet);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &sheet,
                     [&picture](QPrinter* target) { PrintPicture(*target, picture); });
    preview.exec();
}

} // namespace

void CopyPicture(ModelSheet& sheet, QClipboard& clipboard)
{
    const SheetPicture picture = TakePicture(sheet);
    auto* data = new QMimeData;
    data->setImageData(PictureImage(picture));
    data->setData(QStringLiteral("image/svg+xml"), PictureSvg(picture));
    data->setText((QStringList{picture.title.simplified()} + picture.quantities).join(QLatin1Char('\n')));
    clipboard.setMimeData(data);
}

void AddPictureActions(ModelSheet& sheet)
{
    const auto add = [&sheet](const char* caption, const QKeySequence& keys, std::function<void()> run) {
        auto* action = new QAction(QString::fromUtf8(caption), &sheet);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        ConnectGuarded(action, &QAction::triggered, &sheet, std::move(run));
        sheet.addAction(action);
        sheet.modelCanvas()->addAction(action);
    };
    add("Сохранить рисунок…", QKeySequence::Save, [&sheet] { SavePicture(sheet); });
    add("Копировать рисунок", QKeySequence::Copy, [&sheet] { CopyPicture(sheet, *QApplication::clipboard()); });
    add("Печать…", QKeySequence::Print, [&sheet] { PrintWithPreview(sheet); });
    add("Во весь экран", QKeySequence(Qt::Key_F11), [&sheet] { (new FullScreenPicture(sheet))->showFullScreen(); });
    sheet.modelCanvas()->setContextMenuPolicy(Qt::ActionsContextMenu);
}
