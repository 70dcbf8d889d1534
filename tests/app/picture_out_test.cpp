// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/program_windows.h"
#include "kit/image_canvas.h"
#include "ui/error_box.h"
#include "ui/full_screen_picture.h"
#include "ui/model_sheet.h"
#include "ui/picture_actions.h"
#include "ui/picture_buttons.h"
#include "ui/readout_text.h"
#include "ui/rx_label.h"
#include "ui/sheet_picture.h"
#include "program_under_test.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class PictureOut : public ProgramTest {
protected:
    // The law of refraction at its start: A = 45°, n1 = 1,01, n2 = 2,01.
    static ModelSheet* refraction()
    {
        TForm1* main = windows->form1.get();
        main->show();
        ModelSheet* sheet = main->modelSheet("sTabSheet4");
        main->ShowModelSheet(sheet);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main)); // laid out: the canvas at its size
        QApplication::processEvents();
        return sheet;
    }
    static double index(ModelSheet* sheet, const char* readout)
    {
        return ReadoutText(sheet->findChild<QWidget*>(readout))->replace(',', '.').toDouble();
    }

    QTemporaryDir folder;
};

struct Stroke {
    QPointF from, to;
};

// The polylines the SVG strokes in `colour` at `width`, and all its texts.
void ReadSvg(const QByteArray& svg, const QString& colour, const QString& width, std::vector<Stroke>& strokes,
             QStringList& texts)
{
    QXmlStreamReader xml(svg);
    QStringList strokeOf; // of each open group
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            strokeOf << xml.attributes().value("stroke").toString() + ' ' + xml.attributes().value("stroke-width").toString();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            strokeOf.removeLast();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("polyline")) {
            if (!strokeOf.isEmpty() && strokeOf.last() == colour + ' ' + width) {
                const QStringList points = xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts);
                const auto point = [](const QString& xy) { return QPointF(xy.section(',', 0, 0).toDouble(), xy.section(',', 1, 1).toDouble()); };
                strokes.push_back({point(points.first()), point(points.last())});
            }
        } else if (xml.isStartElement() && xml.name() == QLatin1String("text")) {
            texts << xml.readElementText().trimmed();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

double DegreesFromVertical(const QPointF& centre, const QPointF& end)
{
    return std::atan2(std::fabs(end.x() - centre.x()), std::fabs(end.y() - centre.y())) * 180 / M_PI;
}

// The SVG draws the rays as lines: the incident one at A to the normal above
// the boundary, the refracted one below it at B, sin B = n1 sin A / n2; the
// labels of the media and angles are texts.
TEST_F(PictureOut, SvgHoldsTheRaysAsLinesAtTheAnglesOfSnellsLawAndTheLabelsAsText)
{
    ModelSheet* sheet = refraction();
    const SheetPicture picture = TakePicture(*sheet);
    std::vector<Stroke> rays;
    QStringList texts;
    ReadSvg(PictureSvg(picture), "#ffff00", "3", rays, texts);
    const ScreenMapping& mapping = sheet->modelCanvas()->Canvas().Mapping();
    const QPointF centre(mapping.centerX, mapping.centerY);
    const double n1 = index(sheet, "VrMatrix1"), n2 = index(sheet, "VrMatrix2");
    const double A = 45, B = std::asin(n1 * std::sin(A * M_PI / 180) / n2) * 180 / M_PI;
    int incident = 0, refracted = 0;
    for (const Stroke& ray : rays) {
        const bool fromCentre = QLineF(ray.from, centre).length() < 1.5;
        const QPointF far = fromCentre ? ray.to : ray.from;
        if (QLineF(far, centre).length() < 100 || (!fromCentre && QLineF(ray.to, centre).length() >= 1.5))
            continue;
        if (far.y() < centre.y()) {
            incident += std::fabs(DegreesFromVertical(centre, far) - A) < 0.5;
        } else {
            EXPECT_NEAR(DegreesFromVertical(centre, far), B, 0.5) << "a ray below the boundary breaks Snell's law";
            ++refracted;
        }
    }
    EXPECT_GE(incident, 1) << "no incident ray at A";
    EXPECT_GE(refracted, 1) << "no refracted ray";
    for (const char* label : {"n1", "n2", "A", "B"})
        EXPECT_TRUE(texts.contains(label)) << label << " is not a text";
}

// The PNG at the screen's scale is the canvas's own image, pixel for pixel;
// at 2 it has twice the pixels each way. The clipboard gets the image and
// the readouts as text.
TEST_F(PictureOut, PngAndClipboardCarryTheCanvasAndItsReadouts)
{
    ModelSheet* sheet = refraction();
    const SheetPicture picture = TakePicture(*sheet);
    const QImage& canvas = sheet->modelCanvas()->Canvas().Image();
    EXPECT_EQ(PictureImage(picture, 1), canvas);
    EXPECT_EQ(PictureImage(picture, 2).size(), 2 * canvas.size());

    const QString path = folder.filePath("picture.png");
    ASSERT_EQ(WritePicture(picture, path, PictureFormat::Png), std::nullopt);
    EXPECT_EQ(QImage(path).convertToFormat(canvas.format()), canvas);

    CopyPicture(*sheet, *QApplication::clipboard());
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), canvas.size());
    EXPECT_TRUE(copied->hasFormat("image/svg+xml"));
    EXPECT_TRUE(copied->text().contains("Угол преломления B = 20,81 °")) << copied->text().toStdString();
    EXPECT_TRUE(copied->text().contains("Предельный угол Ao = NO\n")) << "NO takes no unit";
}

// The buttons beside the tab act on the model shown, whichever was shown
// before: a click on the copy button copies that model's picture.
TEST_F(PictureOut, ButtonsBesideTheTabActOnTheModelShown)
{
    TForm1* main = windows->form1.get();
    main->show();
    const QStringList hints = {"Сохранить рисунок… (Ctrl+S)", "Копировать рисунок (Ctrl+C)", "Печать… (Ctrl+P)",
                               "Во весь экран (F11)"};
    for (const ModelEntry& model : ModelCatalogue()) {
        SCOPED_TRACE(model.name.toStdString());
        ModelSheet* sheet = main->modelSheet(model.sheet);
        main->ShowModelSheet(sheet);
        QApplication::processEvents();
        const QList<QToolButton*> buttons = main->findChild<PictureButtons*>()->findChildren<QToolButton*>();
        ASSERT_EQ(buttons.size(), hints.size());
        for (int i = 0; i < buttons.size(); ++i) {
            EXPECT_TRUE(buttons[i]->isVisible() && buttons[i]->isEnabled());
            EXPECT_EQ(buttons[i]->actions(), QList<QAction*>{PictureActions(*sheet)[i]}) << "no menu of other models";
            EXPECT_EQ(buttons[i]->toolTip(), hints[i]);
        }
        // By the button, and by the key with the focus outside the sheet (on the tool row).
        for (const bool byKey : {false, true}) {
            QApplication::clipboard()->clear();
            if (byKey) {
                main->findChild<QWidget*>("sBitBtn1")->setFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            } else {
                buttons[1]->click();
            }
            const QMimeData* copied = QApplication::clipboard()->mimeData();
            ASSERT_TRUE(copied && copied->hasImage()) << (byKey ? "Ctrl+C" : "button");
            EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), sheet->modelCanvas()->Canvas().Image().size())
                << (byKey ? "Ctrl+C" : "button");
            EXPECT_TRUE(copied->text().startsWith(model.title().simplified())) << copied->text().toStdString();
        }
    }
}

// The printed page holds its title and readouts as text and the picture as
// vectors, no image of the canvas.
TEST_F(PictureOut, PrintedPageHoldsTitleAndReadoutsAsTextAndNoImage)
{
    ModelSheet* sheet = refraction();
    const QString pdf = folder.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    PrintPicture(printer, TakePicture(*sheet));

    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished());
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"ЗАКОН ПРЕЛОМЛЕНИЯ", "Угол преломления B = 20,81 °", "Показатель преломления среды 2, n2 = 2,01"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
    QProcess images;
    images.start("pdfimages", {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).trimmed().count('\n'), 1) << "an image in the page";
}

// A picture that cannot be written leaves no file and one clear message.
TEST_F(PictureOut, AFailedWriteLeavesNoFileAndSaysWhy)
{
    ModelSheet* sheet = refraction();
    QFile blocker(folder.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Svg}) {
        const QString path = folder.filePath("not-a-folder/picture");
        const auto failure = WritePicture(TakePicture(*sheet), path, format);
        ASSERT_TRUE(failure.has_value());
        EXPECT_TRUE(failure->startsWith("Не удалось записать рисунок в файл \"" + path + "\": ")) << failure->toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"not-a-folder"});
}

// On a projector the picture fills the screen at its scale; the keys go on
// to the control the sheet's focus is on, and the strip of readouts follows.
TEST_F(PictureOut, FullScreenDrawsAtTheScreensScaleAndTheKeysWorkTheModel)
{
    ModelSheet* sheet = refraction();
    auto* n2 = sheet->findChild<QWidget*>("sScrollBar8");
    n2->setFocus(Qt::TabFocusReason);
    auto* view = new FullScreenPicture(*sheet);
    view->resize(1920, 1080);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    const auto* picture = view->findChildren<QLabel*>().at(0);
    const auto* strip = view->findChildren<QLabel*>().at(1);
    const QSize canvas(sheet->modelCanvas()->Canvas().Width(), sheet->modelCanvas()->Canvas().Height());
    const QSize drawn = picture->pixmap().deviceIndependentSize().toSize();
    EXPECT_TRUE(drawn.width() == 1920 || std::abs(drawn.height() - (1080 - strip->height())) <= 1) << "the picture does not fill the screen";
    EXPECT_NEAR(double(drawn.width()) / drawn.height(), double(canvas.width()) / canvas.height(), 0.01);
    EXPECT_TRUE(strip->text().replace(QChar::Nbsp, ' ').contains("Угол преломления B = 20,81 °")) << strip->text().toStdString();
    if (qEnvironmentVariableIsSet("OPTIKA_SHOTS"))
        view->grab().save(qEnvironmentVariable("OPTIKA_SHOTS") + "/full-screen.png");

    QTest::keyClick(view, Qt::Key_PageUp);
    EXPECT_TRUE(strip->text().replace(QChar::Nbsp, ' ').contains("Показатель преломления среды 2, n2 = 2,11")) << strip->text().toStdString();
    EXPECT_TRUE(strip->text().replace(QChar::Nbsp, ' ').contains("Угол преломления B = 19,78 °"));
    QTest::keyClick(view, Qt::Key_PageDown);
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_NE(sheet->focusWidget(), n2) << "Tab does not move on from n2";
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());

    // Opened with the focus outside the sheet, the keys work its first control, the ray's angle.
    sheet->focusWidget()->clearFocus();
    view = new FullScreenPicture(*sheet);
    view->show();
    QTest::keyClick(view, Qt::Key_Right);
    const QString readouts = view->findChildren<QLabel*>().at(1)->text().replace(QChar::Nbsp, ' ');
    EXPECT_TRUE(readouts.contains("Угол падающего луча A = 45,5 °")) << readouts.toStdString();
    view->close();
    QTest::keyClick(sheet->focusWidget(), Qt::Key_Left);
}

} // namespace
