// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_actions.h"

#include "ui/error_box.h"
#include "ui/full_screen_picture.h"
#include "ui/glyphs.h"
#include "ui/language.h"
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
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>
#include <functional>

namespace {

const char* const kPictureAction = "pictureAction";

struct SaveChoice {
    const char* filter;
    PictureFormat format;
    qreal scale;
};

// PNG at the screen's scale or larger for print, or SVG.
const SaveChoice kSaveChoices[] = {
    {QT_TRANSLATE_NOOP("PictureActions", "Рисунок PNG (*.png)"), PictureFormat::Png, 1},
    {QT_TRANSLATE_NOOP("PictureActions", "Рисунок PNG, вдвое крупнее, для печати (*.png)"), PictureFormat::Png, 2},
    {QT_TRANSLATE_NOOP("PictureActions", "Рисунок PNG, втрое крупнее, для печати (*.png)"), PictureFormat::Png, 3},
    {QT_TRANSLATE_NOOP("PictureActions", "Векторный рисунок SVG (*.svg)"), PictureFormat::Svg, 1},
};

void SavePicture(ModelSheet& sheet)
{
    const SheetPicture picture = TakePicture(sheet);
    QStringList filters;
    for (const SaveChoice& choice : kSaveChoices)
        filters << QCoreApplication::translate("PictureActions", choice.filter);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString chosen = filters.first();
    QString path = QFileDialog::getSaveFileName(&sheet, QCoreApplication::translate("PictureActions", "Сохранить рисунок"),
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

// On the screen the sheet is on (the projector's, when the window was moved
// there), sized to it even where no window manager does that.
void ShowFullScreen(ModelSheet& sheet)
{
    auto* view = new FullScreenPicture(sheet);
    view->setGeometry(sheet.screen()->geometry());
    view->showFullScreen();
    view->activateWindow();
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
    const auto add = [&sheet](const char* caption, Glyph glyph, const QKeySequence& keys, std::function<void()> run) {
        auto* action = new QAction(GlyphIcon(glyph), QString(), &sheet);
        action->setShortcut(keys);
        // Only the sheet shown is visible, so its keys are the only ones live in its window.
        action->setShortcutContext(Qt::WindowShortcut);
        const auto label = [action, caption, keys] {
            action->setText(QCoreApplication::translate("PictureActions", caption));
            action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), keys.toString(QKeySequence::NativeText)));
        };
        label();
        RetranslateOnLanguageChange(&sheet, label);
        action->setProperty(kPictureAction, true);
        ConnectGuarded(action, &QAction::triggered, &sheet, std::move(run));
        sheet.addAction(action);
        sheet.modelCanvas()->addAction(action);
    };
    add(QT_TRANSLATE_NOOP("PictureActions", "Сохранить рисунок…"), Glyph::SavePicture, QKeySequence::Save, [&sheet] { SavePicture(sheet); });
    add(QT_TRANSLATE_NOOP("PictureActions", "Копировать рисунок"), Glyph::CopyPicture, QKeySequence::Copy,
        [&sheet] { CopyPicture(sheet, *QApplication::clipboard()); });
    add(QT_TRANSLATE_NOOP("PictureActions", "Печать…"), Glyph::PrintPicture, QKeySequence::Print, [&sheet] { PrintWithPreview(sheet); });
    add(QT_TRANSLATE_NOOP("PictureActions", "Во весь экран"), Glyph::FullScreen, QKeySequence(Qt::Key_F11),
        [&sheet] { ShowFullScreen(sheet); });
    sheet.modelCanvas()->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QList<QAction*> PictureActions(const QWidget& sheet)
{
    QList<QAction*> actions = sheet.actions();
    actions.removeIf([](const QAction* action) { return !action->property(kPictureAction).toBool(); });
    return actions;
}
