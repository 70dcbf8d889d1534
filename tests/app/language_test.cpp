// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_under_test.h"

#include "app/main_window.h"
#include "app/model_chooser.h"
#include "app/status_texts.h"
#include "learning/cards_window.h"
#include "learning/grading.h"
#include "learning/help_window.h"
#include "learning/dictionary_window.h"
#include "learning/problems_window.h"
#include "learning/questions_window.h"
#include "learning/test_window.h"
#include "ui/calculator.h"
#include "ui/language.h"
#include "ui/model_sheet.h"
#include "ui/panel_status_bar.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMetaProperty>
#include <QSettings>
#include <QStringList>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextEdit>

namespace {

TEST(Language, FollowsTheSystemLocale)
{
    const struct {
        const char* locale;
        const char* language;
    } cases[] = {
        {"en_US", "en"}, {"en_GB", "en"}, {"ru_RU", "ru"}, {"uk_UA", "ru"}, {"de_DE", "ru"}, {"C", "ru"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageForLocale(QLocale(QString::fromLatin1(c.locale))), c.language) << c.locale;
}

// The choice outlives the run: a new start reads it back in place of the
// system's language.
TEST(Language, ChoiceIsRememberedAcrossARestart)
{
    SetLanguage(QStringLiteral("en"));
    EXPECT_EQ(CurrentLanguage(), "en");
    EXPECT_EQ(QSettings(QSettings::UserScope, "optika", "optika").value("language").toString(), "en");
    EXPECT_EQ(ChosenLanguage(), "en");
    SetLanguage(QStringLiteral("ru"));
    EXPECT_EQ(ChosenLanguage(), "ru");
}

class LanguageSwitch : public ProgramTest {};

// Inside a model sheet off the screen, which writes its readouts as it is shown.
bool InHiddenSheet(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (qobject_cast<const ModelSheet*>(widget))
            return !widget->isVisible();
    return false;
}

// Every text property of every widget of every window, by the widget's
// place; but the status bar's, which its timer writes anew with the clock,
// and those of the sheets off the screen.
QStringList WindowTexts(const ProgramWindows& windows)
{
    QStringList texts;
    for (QWidget* window : windows.all()) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (qobject_cast<PanelStatusBar*>(widget->parentWidget()) || InHiddenSheet(widget))
                continue;
            const QString place = window->objectName() + '/' + widget->objectName() + '/' + widget->metaObject()->className();
            if (auto* tabs = qobject_cast<QTabBar*>(widget))
                for (int i = 0; i < tabs->count(); ++i)
                    texts << place + ".tab=" + tabs->tabText(i) + '|' + tabs->tabToolTip(i);
            if (auto* items = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < items->count(); ++i)
                    texts << place + ".item=" + items->itemText(i);
            const QMetaObject* meta = widget->metaObject();
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QMetaProperty property = meta->property(i);
                const int type = property.metaType().id();
                if (type == QMetaType::QString)
                    texts << place + '.' + property.name() + '=' + property.read(widget).toString();
                else if (type == QMetaType::QStringList)
                    texts << place + '.' + property.name() + '=' + property.read(widget).toStringList().join('|');
            }
        }
    }
    return texts;
}

void Switch(const QString& code)
{
    SetLanguage(code);
    QApplication::processEvents();
}

// A window that sets its layout's texts anew loses none of those its code
// set: the Russian texts after a round through English are those before,
// with each model on the screen in turn, its readouts written.
TEST_F(LanguageSwitch, EnglishAndBackLeavesEveryRussianTextAsItWas)
{
    TForm1& main = *windows->form1;
    main.show();
    for (ModelSheet* sheet : main.findChildren<ModelSheet*>()) {
        main.ShowModelSheet(sheet);
        sheet->refreshButton()->click();
        QApplication::processEvents();
        const QStringList before = WindowTexts(*windows);
        Switch(QStringLiteral("en"));
        Switch(QStringLiteral("ru"));
        const QStringList after = WindowTexts(*windows);
        ASSERT_EQ(before.size(), after.size());
        for (int i = 0; i < before.size(); ++i)
            EXPECT_EQ(after[i], before[i]) << sheet->objectName().toStdString();
    }
    main.hide();
}

// In English no window shows a Cyrillic letter, with every model on the
// screen in turn, its readouts written, and a task card and a model's
// description shown before the switch. Allowed: the language choice, which
// names each language in itself, and the tab bar's scroll buttons, which
// Qt names once, as it makes them, and the light speeds of the refraction
// sheet off the screen, which it writes anew as their window opens.
TEST_F(LanguageSwitch, EnglishShowsNoCyrillicText)
{
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const QRegularExpression allowed(QStringLiteral(
        "^(TForm11/language(Choice|Caption)/|TForm1/Scroll(Left|Right)Button/|TForm12/RzLEDDisplay[12]/)"));
    TForm1& main = *windows->form1;
    main.show();
    windows->form14->LoadCard(QStringLiteral("txt\\k1.rtf"));
    windows->form5->ModelButtonMouseMove(3);
    Switch(QStringLiteral("en"));
    for (ModelSheet* sheet : main.findChildren<ModelSheet*>()) {
        main.ShowModelSheet(sheet);
        sheet->refreshButton()->click();
        QApplication::processEvents();
        for (const QString& text : WindowTexts(*windows))
            EXPECT_FALSE(text.contains(cyrillic) && !text.contains(allowed)) << text.toStdString();
    }
    main.hide();
    Switch(QStringLiteral("ru"));
}

// In Russian no window shows a text in Latin words alone, where a Russian
// one is expected: a caption, a hint, a name for the screen reader. Allowed:
// symbols and numbers ("n1", "S*", "F<d<2F"), the skins' names, "NO", the
// language choice, file paths, and the About window's "VERSION", Latin in
// the program's own design.
TEST_F(LanguageSwitch, RussianShowsNoLatinOnlyText)
{
    const QRegularExpression visible(QStringLiteral("\\.(text|title|windowTitle|toolTip|accessibleName|"
                                                    "accessibleDescription|placeholderText|caption|plainText|tab|item)="));
    const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const QRegularExpression allowed(QStringLiteral("^TForm11/language|=NO$|=/|\\(internal\\)$|=VERSION "));
    TForm1& main = *windows->form1;
    main.show();
    Switch(QStringLiteral("en"));
    Switch(QStringLiteral("ru"));
    for (ModelSheet* sheet : main.findChildren<ModelSheet*>()) {
        main.ShowModelSheet(sheet);
        sheet->refreshButton()->click();
        QApplication::processEvents();
        for (const QString& text : WindowTexts(*windows)) {
            const auto at = visible.match(text);
            if (!at.hasMatch())
                continue;
            const QString shown = text.mid(at.capturedEnd());
            EXPECT_FALSE(shown.contains(latinWord) && !shown.contains(cyrillic) && !text.contains(allowed))
                << text.toStdString();
        }
    }
    main.hide();
}

// Texts the code composes follow the language: the points' plural, the
// mark line, the calculator's numbers, and the language choice, which
// names each language in itself.
TEST_F(LanguageSwitch, ComposedTextsFollowTheLanguage)
{
    const int counts[5] = {1, 2, 5, 21, 112};
    const struct {
        const char* language;
        const char* points[5];
        const char* line;
        const char* typed;
    } cases[] = {
        {"en", {"1 point", "2 points", "5 points", "21 points", "112 points"}, "95 points out of 100: mark 5", "2.5"},
        {"ru", {"1 балл", "2 балла", "5 баллов", "21 балл", "112 баллов"}, "95 баллов из 100: оценка 5", "2,5"},
    };
    const auto* choice = windows->form11->findChild<QComboBox*>(QStringLiteral("languageChoice"));
    for (const auto& c : cases) {
        Switch(QString::fromLatin1(c.language));
        for (std::size_t i = 0; i < std::size(counts); ++i)
            EXPECT_EQ(PointsText(counts[i]), QString::fromUtf8(c.points[i])) << c.language;
        EXPECT_EQ(ResultLine(19, 20), QString::fromUtf8(c.line));
        Calculator calculator;
        for (const Calculator::Key key : {Calculator::Key::Digit2, Calculator::Key::Comma, Calculator::Key::Digit5})
            calculator.Press(key);
        EXPECT_EQ(calculator.Display(), c.typed);
        EXPECT_EQ(calculator.Value(), 2.5);
        ASSERT_EQ(choice->count(), 2);
        EXPECT_EQ(choice->itemText(0), "Русский");
        EXPECT_EQ(choice->itemText(1), "English");
        EXPECT_EQ(choice->currentData().toString(), c.language);
    }
}

// The clock and the date fit their panels of the status bar in either
// language, written the longest way a system may write them.
TEST_F(LanguageSwitch, TheStatusBarsClockAndDateFitTheirPanels)
{
    const auto* status = windows->form1->findChild<PanelStatusBar*>(QStringLiteral("sStatusBar2"));
    const QList<QLabel*> panels = status->findChildren<QLabel*>(QStringLiteral("statusPanel"));
    ASSERT_GE(panels.size(), 2);
    for (const char* language : {"en", "ru"}) {
        Switch(QString::fromLatin1(language));
        const QString time = StatusTimeText().section(QStringLiteral("  "), 0, 0) + QStringLiteral("  10:58:58 PM");
        const QString date = StatusDateText().section(QStringLiteral("  "), 0, 0) + QStringLiteral("  28.12.2026");
        for (const auto& [panel, text] : {std::pair{panels[0], time}, std::pair{panels[1], date}})
            EXPECT_LE(panel->fontMetrics().horizontalAdvance(text), panel->contentsRect().width()) << text.toStdString();
    }
}

// In English the program's own test and the study documents are the
// English ones, where there are; back in Russian the Russian ones.
TEST_F(LanguageSwitch, EnglishReadsTheEnglishTestAndDocuments)
{
    const auto document = [](QWidget* window, const char* name) {
        return window->findChild<QTextEdit*>(QLatin1String(name))->toPlainText();
    };
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const struct {
        const char* language;
        const char* test;
        bool cyrillicDocuments;
    } cases[] = {{"en", "/en/Test.ini", false}, {"ru", "/bin/Test.ini", true}};
    for (const auto& c : cases) {
        Switch(QString::fromLatin1(c.language));
        EXPECT_TRUE(windows->form17->testPath().endsWith(QLatin1String(c.test))) << windows->form17->testPath().toStdString();
        for (const auto& [window, name] : {std::pair<QWidget*, const char*>{windows->form6.get(), "sRichEdit1"},
                                           {windows->form9.get(), "sRichEdit1"},
                                           {windows->form8.get(), "RxRichEdit1"}})
            EXPECT_EQ(document(window, name).contains(cyrillic), c.cyrillicDocuments) << c.language << ' ' << name;
    }
}

} // namespace
