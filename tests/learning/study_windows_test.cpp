// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/about_window.h"
#include "learning/dictionary_window.h"
#include "learning/formulas_window.h"
#include "learning/help_window.h"
#include "learning/problems_window.h"
#include "learning/questions_window.h"
#include "learning/reference_window.h"
#include "learning/skin_chooser_window.h"
#include "learning/study_pictures.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/skin_manager.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_num.h"

#include "doubled_picture.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

namespace {

// Runs the test in a working folder of its choice, as the program runs in
// the folder that holds txt/.
class InFolder {
public:
    explicit InFolder(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

class StudyWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SetErrorSink([this](const QString& text) { errors << text; }); }
    void TearDown() override { SetErrorSink(nullptr); }

    QStringList errors;
};

struct DocumentWindow {
    const char* name;
    const char* file;
    const char* box;
    const char* title;
    std::function<std::unique_ptr<QWidget>()> create;
};

void PrintTo(const DocumentWindow& window, std::ostream* os)
{
    *os << window.name;
}

template <typename Form>
std::unique_ptr<QWidget> created()
{
    auto window = std::make_unique<Form>();
    RunGuarded([&window] { window->FormCreate(); });
    return window;
}

class DocumentWindowTest : public StudyWindowTest, public ::testing::WithParamInterface<DocumentWindow> {
protected:
    QTextEdit* box(QWidget& window) const { return window.findChild<QTextEdit*>(GetParam().box); }
};

TEST_P(DocumentWindowTest, ReadsItsDocumentAtCreationAndShowsItsTop)
{
    InFolder folder(QStringLiteral(OPTIKA_DATA));
    auto window = GetParam().create();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(box(*window)->toPlainText().startsWith(QString::fromUtf8(GetParam().title)));
    EXPECT_EQ(box(*window)->verticalScrollBar()->value(), 0);
}

TEST_P(DocumentWindowTest, AMissingFileGivesTheFileOpenErrorAndAnEmptyBox)
{
    QTemporaryDir empty;
    InFolder folder(empty.path());
    auto window = GetParam().create();
    const QString path = QDir(empty.path()).filePath(QStringLiteral("txt/") + GetParam().file);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path)});
    EXPECT_TRUE(box(*window)->toPlainText().isEmpty());
    window->show();
    EXPECT_TRUE(window->isVisible());
}

TEST_P(DocumentWindowTest, KeepsItsTextAndScrollPositionWhenClosedAndOpenedAgain)
{
    std::unique_ptr<QWidget> window;
    {
        InFolder folder(QStringLiteral(OPTIKA_DATA));
        window = GetParam().create();
    }
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QScrollBar* scroll = box(*window)->verticalScrollBar();
    scroll->setValue(scroll->maximum() / 2);
    const int position = scroll->value();
    const QString text = box(*window)->toPlainText();
    ASSERT_GT(position, 0);

    // "ЗАКРЫТЬ" hides the window; nothing is read again when it reopens,
    // here in a folder without the documents.
    QTemporaryDir empty;
    InFolder elsewhere(empty.path());
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("ЗАКРЫТЬ"))
            button->click();
    }
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(scroll->value(), position);
    EXPECT_EQ(box(*window)->toPlainText(), text);
    EXPECT_TRUE(errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(StudyWindows, DocumentWindowTest, ::testing::Values(
    DocumentWindow{"Dictionary", "slovar.rtf", "sRichEdit1", "СЛОВАРЬ ТЕРМИНОВ", created<TForm6>},
    DocumentWindow{"Problems", "zadachi.rtf", "RxRichEdit1", "ЗАДАЧИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ", created<TForm8>},
    DocumentWindow{"Questions", "voprosi.rtf", "sRichEdit1", "ТЕОРЕТИЧЕСКИЕ ВОПРОСЫ", created<TForm9>}),
    [](const ::testing::TestParamInfo<DocumentWindow>& info) { return std::string(info.param.name); });

class HelpWindowTest : public StudyWindowTest {
protected:
    void SetUp() override
    {
        StudyWindowTest::SetUp();
        help.SetAboutWindow(&about);
        help.SetSkinChooser(&chooser);
        help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    }
    QPushButton* button(const char* name) { return help.findChild<QPushButton*>(name); }

    TForm16 about;
    TForm18 chooser;
    TForm11 help;
};

TEST_F(HelpWindowTest, ItsDemonstrationControlsMoveButChangeNothing)
{
    auto* height = help.findChild<TVrNum*>("VrNum1");
    auto* position = help.findChild<TVrNum*>("VrNum2");
    auto* dial = help.findChild<TVrJogMeter*>("VrJogMeter1");
    auto* slider = help.findChild<QSlider*>("sTrackBar1");
    auto* scrollBar = help.findChild<QScrollBar*>("sScrollBar1");

    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_NE(slider->value(), 100);
    scrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NE(scrollBar->value(), 200);
    help.findChild<QRadioButton*>("sRadioButton2")->click();
    EXPECT_TRUE(help.findChild<QRadioButton*>("sRadioButton2")->isChecked());
    for (const char* name : {"sBitBtn4", "sBitBtn5", "sBitBtn6"})
        button(name)->click();
    QApplication::processEvents();

    EXPECT_EQ(height->value(), 100);
    EXPECT_EQ(position->value(), 200);
    EXPECT_EQ(dial->value(), 200);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(HelpWindowTest, ButtonsOpenTheAboutWindowAndTheSkinChooserAndClose)
{
    button("sBitBtn2")->click();
    EXPECT_TRUE(about.isVisible());
    button("sBitBtn3")->click();
    EXPECT_TRUE(chooser.isVisible());
    button("sBitBtn1")->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(HelpWindowTest, ButtonsShowTheirHints)
{
    EXPECT_EQ(button("sBitBtn4")->toolTip(), "ОБНОВЛЕНИЕ");
    EXPECT_EQ(button("sBitBtn5")->toolTip(), "ПО УМОЛЧАНИЮ");
    EXPECT_EQ(button("sBitBtn6")->toolTip(), "ТАБЛИЦА ПРЕЛОМЛЕНИЯ");
}

class SkinChooserTest : public StudyWindowTest {
protected:
    void SetUp() override
    {
        StudyWindowTest::SetUp();
        chooser.SetSkinManager(&skins);
    }
    void TearDown() override
    {
        skins.setSkinName(StartSkinName());
        StudyWindowTest::TearDown();
    }
    QPushButton* skinButton(const QString& caption)
    {
        for (QPushButton* button : chooser.findChildren<QPushButton*>()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }

    SkinManager skins;
    TForm18 chooser;
};

TEST_F(SkinChooserTest, AChosenSkinReskinsAnOpenWindowAndTheLabelNamesIt)
{
    EXPECT_EQ(chooser.currentSkinText(), "Vista (internal)");
    TForm9 questions;
    questions.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&questions));
    chooser.show();

    const Skin& acryl = BuiltInSkins().first();
    ASSERT_NE(skinButton(acryl.name), nullptr);
    skinButton(acryl.name)->click();
    QApplication::processEvents();

    EXPECT_EQ(skins.skinName(), acryl.name);
    EXPECT_EQ(chooser.currentSkinText(), acryl.name);
    EXPECT_EQ(questions.palette().color(QPalette::Window), acryl.window);
    // The ground between the document and "ЗАКРЫТЬ".
    EXPECT_EQ(questions.grab().toImage().pixelColor(300, 525), acryl.window);
}

TEST_F(SkinChooserTest, EachOfTheEightButtonsChoosesTheSkinItNames)
{
    QStringList captions;
    for (const char* name : {"sBitBtn2", "sBitBtn3", "sBitBtn4", "sBitBtn5", "sBitBtn7", "sBitBtn8", "sBitBtn6",
                             "sBitBtn9"}) {
        QPushButton* button = chooser.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
        EXPECT_EQ(skins.skinName(), button->text());
        EXPECT_EQ(chooser.currentSkinText(), button->text());
        captions << button->text();
    }
    EXPECT_EQ(captions, SkinManager::skinNames());
}

class StudyPicturesTest : public StudyWindowTest {};

TEST_F(StudyPicturesTest, TheReferenceSheetScrollsFromTopToBottom)
{
    TForm7 reference;
    reference.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reference));
    auto* first = reference.findChild<QLabel*>("Image1");
    auto* second = reference.findChild<QLabel*>("Image2");
    EXPECT_EQ(first->pixmap().size(), QSize(926, 1338));
    EXPECT_EQ(second->pixmap().size(), QSize(898, 1023));

    auto* box = reference.findChild<QScrollArea*>("sScrollBox1");
    QScrollBar* scroll = box->verticalScrollBar();
    EXPECT_EQ(scroll->value(), 0);
    scroll->setValue(scroll->maximum());
    const QRect seen(QPoint(0, 0), box->viewport()->size());
    const QPoint secondBottom = second->mapTo(box->viewport(), QPoint(0, second->height() - 1));
    EXPECT_TRUE(seen.contains(QPoint(seen.left(), secondBottom.y()))) << secondBottom.y();
}

TEST_F(StudyPicturesTest, FormulasAreBlackOnWhiteAndFillTheirFrames)
{
    TForm10 formulas;
    for (int n = 1; n <= 7; ++n) {
        auto* picture = formulas.findChild<QLabel*>(QStringLiteral("Image%1").arg(n));
        SCOPED_TRACE(n);
        const QImage image = picture->pixmap().toImage();
        ASSERT_EQ(image.size(), picture->size());
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                dark += image.pixelColor(x, y).lightness() < 60;
        }
        EXPECT_GT(dark, 40);
    }
}

TEST_F(StudyPicturesTest, TheFlaskIsAPhotographReadAsJpegAndKeepsItsProportions)
{
    QImageReader reader(QStringLiteral(":/study/flask.jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    const QSize stored = reader.size();
    ASSERT_TRUE(stored.isValid());

    TForm8 problems;
    const QSize shown = problems.findChild<QLabel*>("Image1")->pixmap().size();
    EXPECT_TRUE(shown.width() == 201 || shown.height() == 193) << shown.width() << "x" << shown.height();
    EXPECT_LE(shown.width(), 201);
    EXPECT_LE(shown.height(), 193);
    EXPECT_NEAR(double(shown.width()) / shown.height(), double(stored.width()) / stored.height(), 0.01);
}

// Switches the program's language and lets every window hear of it.
void SwitchLanguage(const QString& code)
{
    SetLanguage(code);
    QApplication::processEvents();
}

// A picture a study window shows: the window, its label, the picture's name
// and whether it has an English version (a formula without words has one
// all the same, alike to the Russian).
struct ShownPicture {
    const char* name;
    const char* label;
    const char* picture;
    bool translated;
    std::function<std::unique_ptr<QWidget>()> create;
};

void PrintTo(const ShownPicture& shown, std::ostream* os)
{
    *os << shown.name;
}

class PictureLanguageTest : public StudyWindowTest, public ::testing::WithParamInterface<ShownPicture> {
protected:
    void TearDown() override
    {
        SwitchLanguage(QStringLiteral("ru"));
        StudyWindowTest::TearDown();
    }
};

// The picture as the window shows it, read from the resource directly: the
// flask is fitted into its frame, the others are shown as they are.
QImage ResourceAsShown(const QString& resource, QSize shown)
{
    QImage image(resource);
    if (image.size() != shown)
        image = image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Opened in either language, the window shows the picture of that language,
// and that of the other once the language is switched while it is open; a
// picture without words has no English version and stays the Russian one.
TEST_P(PictureLanguageTest, IsThePictureOfTheLanguageAlsoAfterASwitch)
{
    InFolder folder(QStringLiteral(OPTIKA_DATA));
    const ShownPicture& shown = GetParam();
    const QString russian = QStringLiteral(":/study/") + shown.picture;
    const QString english = QStringLiteral(":/study/en/") + shown.picture;
    ASSERT_FALSE(QImage(russian).isNull());
    ASSERT_EQ(!QImage(english).isNull(), shown.translated);

    const QString languages[] = {QStringLiteral("ru"), QStringLiteral("en")};
    for (int first = 0; first < 2; ++first) {
        SwitchLanguage(languages[first]);
        const std::unique_ptr<QWidget> window = shown.create();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const auto* label = window->findChild<QLabel*>(shown.label);
        ASSERT_NE(label, nullptr);
        for (const int language : {first, 1 - first}) {
            SwitchLanguage(languages[language]);
            const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            const bool inEnglish = language == 1 && shown.translated;
            EXPECT_EQ(image, ResourceAsShown(inEnglish ? english : russian, image.size()))
                << "opened in " << languages[first].toStdString() << ", shown in "
                << languages[language].toStdString();
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

template <typename Form>
std::unique_ptr<QWidget> made()
{
    return std::make_unique<Form>();
}

INSTANTIATE_TEST_SUITE_P(StudyWindows, PictureLanguageTest, ::testing::Values(
    ShownPicture{"Formula1", "Image1", "formula_1.png", true, made<TForm10>},
    ShownPicture{"Formula2", "Image2", "formula_2.png", true, made<TForm10>},
    ShownPicture{"Formula3", "Image3", "formula_3.png", true, made<TForm10>},
    ShownPicture{"Formula4", "Image4", "formula_4.png", true, made<TForm10>},
    ShownPicture{"Formula5", "Image5", "formula_5.png", true, made<TForm10>},
    ShownPicture{"Formula6", "Image6", "formula_6.png", true, made<TForm10>},
    ShownPicture{"Formula7", "Image7", "formula_7.png", true, made<TForm10>},
    ShownPicture{"ReferenceTop", "Image1", "reference_1.png", true, made<TForm7>},
    ShownPicture{"ReferenceBottom", "Image2", "reference_2.png", true, made<TForm7>},
    ShownPicture{"Flask", "Image1", "flask.jpg", true, created<TForm8>},
    ShownPicture{"BriefcaseWithoutWords", "Image1", "briefcase.png", false, made<TForm16>}),
    [](const ::testing::TestParamInfo<ShownPicture>& info) { return std::string(info.param.name); });

class DoubledStudyPicture : public ::testing::TestWithParam<std::tuple<const char*, const char*>> {
protected:
    void SetUp() override { SwitchLanguage(QString::fromLatin1(std::get<0>(GetParam()))); }
    void TearDown() override { SwitchLanguage(QStringLiteral("ru")); }
};

// A screen of ratio 2 gets the picture of the language at the same logical
// size, drawn with twice the pixels each way.
TEST_P(DoubledStudyPicture, IsDrawnAtTwiceTheResolution)
{
    const char* name = std::get<1>(GetParam());
    const QPixmap plain = StudyPicture(name);
    const QPixmap doubled = StudyPicture(name, 2);
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(plain.devicePixelRatio(), 1);
    EXPECT_EQ(doubled.devicePixelRatio(), 2);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(plain.size()));
    EXPECT_TRUE(IsDrawnAtTwice(plain.toImage(), doubled.toImage()));
}

INSTANTIATE_TEST_SUITE_P(Pictures, DoubledStudyPicture, ::testing::Combine(
    ::testing::Values("ru", "en"),
    ::testing::Values("reference_1.png", "reference_2.png", "formula_1.png", "formula_2.png", "formula_3.png",
                      "formula_4.png", "formula_5.png", "formula_6.png", "formula_7.png", "briefcase.png")),
    [](const ::testing::TestParamInfo<std::tuple<const char*, const char*>>& info) {
        std::string name = std::string(std::get<0>(info.param)) + '_' + std::get<1>(info.param);
        std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

TEST_F(StudyPicturesTest, TheAboutWindowHasABriefcaseInEitherTopCorner)
{
    TForm16 about;
    for (const char* name : {"Image1", "Image2"}) {
        auto* picture = about.findChild<QLabel*>(name);
        EXPECT_EQ(picture->pixmap().size(), QSize(64, 64)) << name;
        EXPECT_EQ(picture->y(), 8);
    }
    // The build's version, the one the tray menu shows too.
    EXPECT_EQ(about.findChild<QLabel*>("sLabelFX2")->text(), "VERSION " OPTIKA_VERSION);
    EXPECT_EQ(about.findChild<QLabel*>("sLabelFX11")->text(),
              "Свободная программа (GNU GPL 3 или новее), без каких-либо гарантий");
}

} // namespace
