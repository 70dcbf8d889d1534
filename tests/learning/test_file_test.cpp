// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_file.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray cp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}

QByteArray shippedTest()
{
    QFile file(QStringLiteral(OPTIKA_DATA "/Test.ini"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TestFile read(const QByteArray& bytes)
{
    QString error;
    std::optional<TestFile> file = TestFile::Read(bytes, &error);
    EXPECT_TRUE(file) << error.toStdString();
    return file.value_or(TestFile());
}

// A small test in the shape of the shipped one, its lines ending in `end`.
QString smallTest(const QString& end = QStringLiteral("\n"))
{
    return QStringList{"[Тест]", "Название теста=Свет", "Количество Вопросов =2", "",
                       "[Вопрос №1]", "Текст вопроса=Что такое луч?", "Количество кнопок=3",
                       "Текст кнопки 1=линия", "Текст кнопки 2=пучок", "Текст кнопки 3=тень", "Правильный вариант=1", "",
                       "[Вопрос №2]", "Текст вопроса=Где тень?", "Количество кнопок=2",
                       "Текст кнопки 1=за телом", "Текст кнопки 2=перед телом", "Правильный вариант=1", ""}
        .join(end);
}

struct RoundTripCase {
    const char* name;
    QByteArray bytes;
};

class TestFileRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(TestFileRoundTrip, WritesAnUnchangedTestByteForByte)
{
    const TestFile file = read(GetParam().bytes);
    EXPECT_FALSE(file.content().questions.isEmpty());
    EXPECT_EQ(file.Bytes(file.content()), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TestFileRoundTrip,
    ::testing::Values(
        RoundTripCase{"shipped", shippedTest()},
        RoundTripCase{"utf8_with_mark", "\xEF\xBB\xBF" + smallTest().replace("Свет", "Свет «и тень»").toUtf8()},
        RoundTripCase{"crlf", cp1251(smallTest("\r\n"))},
        RoundTripCase{"lf", cp1251(smallTest("\n"))},
        RoundTripCase{"lone_cr", cp1251(smallTest("\r"))},
        RoundTripCase{"no_last_line_end", cp1251(smallTest().chopped(1))},
        RoundTripCase{"comments_and_unknown_section",
                      cp1251("; тест 7 класса\r\n[Тест]\r\nНазвание теста = \"Свет\" \r\nАвтор=Иванова\r\nКоличество Вопросов =1\r\n"
                             "[Вопрос №1]\r\n; проверить\r\nТекст вопроса=Луч?\r\nКоличество кнопок=2\r\nТекст кнопки 1=да\r\n"
                             "Текст кнопки 2=нет\r\nПравильный вариант=1\r\n[Журнал]\r\nКласс=7Б\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

struct EditCase {
    const char* name;
    std::function<void(TestContent&)> edit;
    QString line; // the one line that changes, as it reads after the edit
};

class TestFileEdit : public ::testing::TestWithParam<EditCase> {};

// In the shipped test one change changes one line, and the file reads back
// as edited.
TEST_P(TestFileEdit, ChangesExactlyItsLine)
{
    const QByteArray before = shippedTest();
    const TestFile file = read(before);
    TestContent edited = file.content();
    GetParam().edit(edited);
    const QByteArray after = file.Bytes(edited).value_or(QByteArray());

    const QList<QByteArray> oldLines = before.split('\n');
    const QList<QByteArray> newLines = after.split('\n');
    ASSERT_EQ(newLines.size(), oldLines.size());
    QList<QByteArray> changed;
    for (int i = 0; i < oldLines.size(); ++i) {
        if (newLines[i] != oldLines[i])
            changed << newLines[i];
    }
    EXPECT_EQ(changed, QList<QByteArray>{cp1251(GetParam().line + "\r")});
    EXPECT_EQ(read(after).content(), edited);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TestFileEdit,
    ::testing::Values(
        EditCase{"answer", [](TestContent& c) { c.questions[2].answers[1] = "по прямой"; }, "Текст кнопки 2=по прямой"},
        EditCase{"title", [](TestContent& c) { c.title = "Оптика, 8 класс"; }, "Название теста=Оптика, 8 класс"},
        EditCase{"question", [](TestContent& c) { c.questions[19].text = " Что видно? "; }, "Текст вопроса=\" Что видно? \""},
        EditCase{"right_answer", [](TestContent& c) { c.questions[0].correct = 2; }, "Правильный вариант=2"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShapeCase {
    const char* name;
    std::function<void(TestContent&)> edit;
    QStringList lines; // of the file after the edit
};

class TestFileShape : public ::testing::TestWithParam<ShapeCase> {};

// Edits that add or remove keys and sections, on the small test with LF ends.
TEST_P(TestFileShape, KeepsTheFileInTheShapeOfItsOwn)
{
    const TestFile file = read(cp1251(smallTest()));
    TestContent edited = file.content();
    GetParam().edit(edited);
    const QByteArray after = file.Bytes(edited).value_or(QByteArray());
    EXPECT_EQ(after, cp1251(GetParam().lines.join('\n')));
    EXPECT_EQ(read(after).content(), edited);
}

QStringList smallLines()
{
    return smallTest().split('\n');
}

QStringList replaced(QStringList lines, int at, int count, const QStringList& with)
{
    for (int i = 0; i < count; ++i)
        lines.removeAt(at);
    for (int i = 0; i < with.size(); ++i)
        lines.insert(at + i, with[i]);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TestFileShape,
    ::testing::Values(
        ShapeCase{"add_question",
                  [](TestContent& c) { c.questions << TestQuestion{"Цвет?", {"белый", "синий"}, 2}; },
                  replaced(smallLines(), 2, 1, {"Количество Вопросов =3"})
                      + QStringList{"[Вопрос №3]", "Текст вопроса=Цвет?", "Количество кнопок=2", "Текст кнопки 1=белый",
                                    "Текст кнопки 2=синий", "Правильный вариант=2", ""}},
        ShapeCase{"remove_last_question", [](TestContent& c) { c.questions.removeLast(); },
                  replaced(smallLines(), 2, 1, {"Количество Вопросов =1"}).mid(0, 12)},
        ShapeCase{"remove_first_question", [](TestContent& c) { c.questions.removeFirst(); },
                  replaced(smallLines(), 2, 1, {"Количество Вопросов =1"}).mid(0, 4)
                      + QStringList{"[Вопрос №1]", "Текст вопроса=Где тень?", "Количество кнопок=2", "Текст кнопки 1=за телом",
                                    "Текст кнопки 2=перед телом", "Правильный вариант=1", ""}},
        ShapeCase{"swap_questions", [](TestContent& c) { c.questions.swapItemsAt(0, 1); },
                  QStringList{"[Тест]", "Название теста=Свет", "Количество Вопросов =2", "", "[Вопрос №1]",
                              "Текст вопроса=Где тень?", "Количество кнопок=2", "Текст кнопки 1=за телом",
                              "Текст кнопки 2=перед телом", "Правильный вариант=1", "", "[Вопрос №2]",
                              "Текст вопроса=Что такое луч?", "Количество кнопок=3", "Текст кнопки 1=линия",
                              "Текст кнопки 2=пучок", "Текст кнопки 3=тень", "Правильный вариант=1", ""}},
        ShapeCase{"add_answer", [](TestContent& c) { c.questions[1].answers << "сбоку"; },
                  replaced(smallLines(), 14, 3, {"Количество кнопок=3", "Текст кнопки 1=за телом", "Текст кнопки 2=перед телом",
                                                 "Текст кнопки 3=сбоку"})},
        ShapeCase{"remove_answer", [](TestContent& c) { c.questions[0].answers.removeLast(); },
                  replaced(smallLines(), 6, 4, {"Количество кнопок=2", "Текст кнопки 1=линия", "Текст кнопки 2=пучок"})},
        ShapeCase{"unmark_right_answer", [](TestContent& c) { c.questions[0].correct = 0; },
                  replaced(smallLines(), 10, 1, {})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestFile, ALineBreakInATextIsWrittenAsABlank)
{
    const TestFile file = read(cp1251(smallTest()));
    TestContent edited = file.content();
    edited.questions[0].text = "Что\r\nтакое\n\rлуч?";
    EXPECT_EQ(file.Bytes(edited), cp1251(smallTest().replace("Что такое луч?", "Что такое  луч?")));
}

TEST(TestFile, ARemovedQuestionKeepsWhatTheEditorDoesNotKnow)
{
    const TestFile file = read(cp1251("[Тест]\nКоличество Вопросов =2\n[Вопрос №1]\nТекст вопроса=А?\n"
                                      "[Вопрос №2]\n; спросить у Петрова\nТекст вопроса=Б?\nИсточник=учебник\n"));
    TestContent edited = file.content();
    edited.questions.removeLast();
    EXPECT_EQ(file.Bytes(edited), cp1251("[Тест]\nКоличество Вопросов =1\n[Вопрос №1]\nТекст вопроса=А?\n"
                                         "[Вопрос №2]\n; спросить у Петрова\nИсточник=учебник\n"));
}

TEST(TestFile, TheCountSaysHowManyQuestionsThereAre)
{
    // A missing section counts as an empty question, as the test window shows it.
    const TestFile counted = read(cp1251("[Тест]\nКоличество Вопросов =3\n[Вопрос №1]\nТекст вопроса=А?\n[Вопрос №2]\n"));
    ASSERT_EQ(counted.content().questions.size(), 3);
    EXPECT_EQ(counted.content().questions[2], TestQuestion{});
    // Without a count the questions go up to the first missing section, and
    // saving writes the count the test window needs.
    const QByteArray uncounted = cp1251("[Тест]\n[Вопрос №1]\n[Вопрос №2]\n[Вопрос №4]\n");
    const TestFile file = read(uncounted);
    EXPECT_EQ(file.content().questions.size(), 2);
    EXPECT_EQ(file.Bytes(file.content()), cp1251("[Тест]\nКоличество Вопросов =2\n[Вопрос №1]\n[Вопрос №2]\n[Вопрос №4]\n"));
}

TEST(TestFile, ANewTestIsWrittenInWindows1251WithCrLf)
{
    TestContent content{"Свет", {TestQuestion{"Луч?", {"да", "нет"}, 1}}};
    EXPECT_EQ(TestFile().Bytes(content), cp1251("[Тест]\r\nНазвание теста=Свет\r\nКоличество Вопросов =1\r\n\r\n[Вопрос №1]\r\n"
                                                 "Текст вопроса=Луч?\r\nКоличество кнопок=2\r\nТекст кнопки 1=да\r\n"
                                                 "Текст кнопки 2=нет\r\nПравильный вариант=1\r\n"));
}

TEST(TestFile, TextOutsideWindows1251NeedsUtf8)
{
    const QByteArray before = cp1251(smallTest("\r\n"));
    const TestFile file = read(before);
    TestContent edited = file.content();
    edited.questions[0].answers[0] = "линия ≠ луч";
    EXPECT_FALSE(file.NeedsUtf8(file.content()));
    EXPECT_TRUE(file.NeedsUtf8(edited));
    EXPECT_EQ(file.Bytes(edited), std::nullopt);
    EXPECT_EQ(file.Bytes(edited, TestFile::Encoding::Utf8WithBom),
              "\xEF\xBB\xBF" + smallTest("\r\n").replace("=линия", "=линия ≠ луч").toUtf8());

    // A UTF-8 file takes any text as it is.
    const TestFile utf8 = read(smallTest().toUtf8());
    TestContent edited8 = utf8.content();
    edited8.title = "Свет ≠ тень";
    EXPECT_FALSE(utf8.NeedsUtf8(edited8));
    EXPECT_EQ(utf8.Bytes(edited8), smallTest().replace("=Свет", "=Свет ≠ тень").toUtf8());
}

TEST(TestFile, RefusesAFileThatIsNoTest)
{
    const std::pair<QString, QString> cases[] = {
        {"; заметки\n[Журнал]\nКласс=7Б\n", "в нём нет раздела [Тест]"},
        {"[Тест]\nНазвание теста=Свет\nКоличество Вопросов =20\n", "в нём нет ни одного вопроса (раздела [Вопрос №1])"},
        {"", "в нём нет раздела [Тест]"},
    };
    for (const auto& [text, message] : cases) {
        QString error;
        EXPECT_FALSE(TestFile::Read(cp1251(text), &error));
        EXPECT_EQ(error, message);
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("notes.ini");
    QString error;
    EXPECT_FALSE(TestFile::Load(path, &error));
    EXPECT_EQ(error, "Файл " + path + " не открывается: No such file or directory");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[Notes]\n");
    file.close();
    EXPECT_FALSE(TestFile::Load(path, &error));
    EXPECT_EQ(error, "Файл " + path + " — не тест: в нём нет раздела [Тест]");
}

struct CheckCase {
    const char* name;
    TestContent content;
    QStringList messages;
};

class TestChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TestChecks, NameTheQuestion)
{
    EXPECT_EQ(CheckTest(GetParam().content), GetParam().messages);
}

TestContent withQuestion(const TestQuestion& third)
{
    const TestQuestion sound{"Луч?", {"да", "нет"}, 1};
    return TestContent{"Свет", {sound, sound, third}};
}

INSTANTIATE_TEST_SUITE_P(
    Problems, TestChecks,
    ::testing::Values(
        CheckCase{"sound", withQuestion({"Тень?", {"да", "нет", "не знаю"}, 3}), {}},
        CheckCase{"no_text", withQuestion({"  ", {"да", "нет"}, 1}), {"Вопрос 3: нет текста вопроса"}},
        CheckCase{"empty_answer", withQuestion({"Тень?", {"да", " ", "нет"}, 1}), {"Вопрос 3: ответ 2 пустой"}},
        CheckCase{"no_right_answer", withQuestion({"Тень?", {"да", "нет"}, 0}), {"Вопрос 3: не отмечен правильный ответ"}},
        CheckCase{"right_answer_out_of_range", withQuestion({"Тень?", {"да", "нет"}, 3}),
                  {"Вопрос 3: не отмечен правильный ответ"}},
        CheckCase{"equal_answers", withQuestion({"Тень?", {"да", "нет", "может быть", "Да ", "нет"}, 1}),
                  {"Вопрос 3: ответы 1 и 4 совпадают", "Вопрос 3: ответы 2 и 5 совпадают"}},
        CheckCase{"nine_answers", withQuestion({"Тень?", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, 1}),
                  {"Вопрос 3: ответов 9, а окно теста показывает не больше 8"}},
        CheckCase{"one_answer", withQuestion({"Тень?", {"да"}, 1}), {"Вопрос 3: ответов меньше двух"}},
        CheckCase{"too_long", withQuestion({QString(2048, 'a'), {"да", QString(2048, 'b')}, 1}),
                  {"Вопрос 3: текст вопроса длиннее 2047 знаков", "Вопрос 3: ответ 2 длиннее 2047 знаков"}},
        CheckCase{"missing_question", withQuestion({}),
                  {"Вопрос 3: нет текста вопроса", "Вопрос 3: ответов меньше двух", "Вопрос 3: не отмечен правильный ответ"}},
        CheckCase{"no_title_no_questions", TestContent{}, {"Нет названия теста", "В тесте нет ни одного вопроса"}}),
    [](const auto& info) { return std::string(info.param.name); });

class SaveTestFileTest : public ::testing::Test {
protected:
    QString path() const { return folder.filePath("Test.ini"); }
    QString backup() const { return folder.filePath("Test.ini.bak"); }
    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    static QByteArray get(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QStringList entries() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir folder;
};

TEST_F(SaveTestFileTest, KeepsThePreviousVersionAsBak)
{
    QString error;
    ASSERT_TRUE(SaveTestFile(path(), "first", &error));
    EXPECT_EQ(entries(), QStringList{"Test.ini"});
    ASSERT_TRUE(SaveTestFile(path(), "second", &error));
    ASSERT_TRUE(SaveTestFile(path(), "third", &error));
    EXPECT_EQ(get(path()), "third");
    EXPECT_EQ(get(backup()), "second");
    EXPECT_EQ(entries(), (QStringList{"Test.ini", "Test.ini.bak"}));
}

// The save of `bytes` in a child process, under a file size limit or without
// the right to write to the folder: it exits with 3 after the error `expected`,
// with 4 after another error and with 0 when the save succeeded.
[[noreturn]] void saveInChild(const QString& path, const QByteArray& bytes, rlim_t limit, bool dropRights, const QString& expected)
{
    if (dropRights && geteuid() == 0 && setuid(65534) != 0)
        std::_Exit(5); // root writes anywhere; nobody does not
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails with EFBIG instead
    QString error;
    if (SaveTestFile(path, bytes, &error))
        std::_Exit(0);
    std::_Exit(error == expected ? 3 : 4);
}

struct FailureCase {
    const char* name;
    rlim_t limit;
    bool readOnlyFolder;
    bool backupFails; // the limit lets the new file through but not the backup
};

class SaveFailure : public SaveTestFileTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailure, LeavesTheOldFileAndItsBackup)
{
    const QByteArray old = shippedTest();
    put(path(), old);
    put(backup(), "older");
    const QByteArray fresh = old.left(old.size() / 4);
    const QString expected = GetParam().backupFails
        ? "Не удалось записать резервную копию " + backup() + "; файл " + path() + " остался прежним"
        : "Не удалось записать файл " + path() + "; он остался прежним";
    if (GetParam().readOnlyFolder)
        chmod(QFile::encodeName(folder.path()).constData(), 0555);
    EXPECT_EXIT(saveInChild(path(), fresh, GetParam().limit, GetParam().readOnlyFolder, expected), ::testing::ExitedWithCode(3), "");
    chmod(QFile::encodeName(folder.path()).constData(), 0700);
    EXPECT_EQ(get(path()), old);
    EXPECT_EQ(get(backup()), "older");
    EXPECT_EQ(entries(), (QStringList{"Test.ini", "Test.ini.bak"}));
}

INSTANTIATE_TEST_SUITE_P(Failures, SaveFailure,
                         ::testing::Values(FailureCase{"full_at_once", 0, false, false},
                                           FailureCase{"full_after_a_few_bytes", 7, false, false},
                                           FailureCase{"backup_does_not_fit", 3000, false, true},
                                           FailureCase{"read_only_folder", RLIM_INFINITY, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
