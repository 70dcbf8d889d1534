// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"
#include "learning/ini_file.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray cp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}

class IniFileTest : public ::testing::Test {
protected:
    QString write(const QString& text) { return writeBytes(cp1251(text)); }
    QString writeBytes(const QByteArray& data)
    {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(data);
        return path();
    }
    QByteArray bytes() const
    {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QString path() const { return folder.filePath("Test.ini"); }

    QTemporaryDir folder;
};

TEST_F(IniFileTest, MatchesNamesWithoutRegardToCaseAndBlanks)
{
    const IniFile ini(write("[ тест ]\r\n  количество вопросов   =  20  \r\nНазвание теста=\"Оптика\"\r\n"));
    EXPECT_EQ(ini.ReadInteger("Тест", "Количество Вопросов ", -2), 20);
    EXPECT_EQ(ini.ReadString("ТЕСТ", "название ТЕСТА", "?"), "Оптика");
    EXPECT_EQ(ini.ReadString("Тест", "Нет такого", "по умолчанию"), "по умолчанию");
    EXPECT_EQ(ini.ReadString("Другой", "Название теста", "нет"), "нет");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    const IniFile ini(write("[A]\nx=  'один'  \ny=\"\"два\"\"\nz=\"не закрыта\nw=\n"));
    EXPECT_EQ(ini.ReadString("A", "x", "?"), "один");
    EXPECT_EQ(ini.ReadString("A", "y", "?"), "\"два\"");
    EXPECT_EQ(ini.ReadString("A", "z", "?"), "\"не закрыта");
    EXPECT_EQ(ini.ReadString("A", "w", "?"), "");
}

TEST_F(IniFileTest, LongValuesAreCutTo2047Characters)
{
    const IniFile ini(write("[A]\nlong=" + QString(3000, QChar(0x0416)) + "\n"));
    EXPECT_EQ(ini.ReadString("A", "long", "").size(), 2047);
}

TEST_F(IniFileTest, TheFirstSectionAndKeyOfANameCount)
{
    const IniFile ini(write("[A]\nk=1\nk=2\n[A]\nk=3\n[B]\nk=4\n"));
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("B", "k", 0), 4);
}

struct NumberCase {
    const char* text;
    int value; // the default 77 when the text is no whole number
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class IniNumbers : public IniFileTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(IniNumbers, AreWholeNumbersInDecimalOrHex)
{
    const IniFile ini(write(QStringLiteral("[A]\nn=") + QString::fromUtf8(GetParam().text) + "\n"));
    EXPECT_EQ(ini.ReadInteger("A", "n", 77), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, IniNumbers,
                         ::testing::Values(NumberCase{"20", 20}, NumberCase{"-1", -1}, NumberCase{"+5", 5},
                                           NumberCase{"$1F", 31}, NumberCase{"0x1f", 31}, NumberCase{"0X10", 16},
                                           NumberCase{"$FFFFFFFF", -1}, NumberCase{"12abc", 77},
                                           NumberCase{"двадцать", 77}, NumberCase{"1.5", 77}, NumberCase{"", 77},
                                           NumberCase{"99999999999", 77}, NumberCase{"0x", 77},
                                           NumberCase{"\"3\"", 3}));

TEST_F(IniFileTest, MissingFileReadsAsEmpty)
{
    const IniFile ini(folder.filePath("none.ini"));
    EXPECT_EQ(ini.ReadString("Тест", "Название теста", "Тест без названия"), "Тест без названия");
    EXPECT_EQ(ini.ReadInteger("Тест", "Количество Вопросов ", -2), -2);
}

TEST_F(IniFileTest, WritingIntoAMissingFileCreatesItInWindows1251)
{
    IniFile ini(path());
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), cp1251("[Тест]\r\nКоличество Вопросов =-1\r\n"));
}

TEST_F(IniFileTest, WritingAMissingKeyKeepsEveryOtherByte)
{
    const QString before = "; комментарий учителя\r\n[Тест]\r\nНазвание теста=Оптика\r\n\r\n[Вопрос №1]\r\nТекст вопроса=Что такое луч?\r\n";
    IniFile ini(write(before));
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), cp1251("; комментарий учителя\r\n[Тест]\r\nНазвание теста=Оптика\r\nКоличество Вопросов =-1\r\n\r\n"
                              "[Вопрос №1]\r\nТекст вопроса=Что такое луч?\r\n"));
}

TEST_F(IniFileTest, WritingAnExistingKeyChangesOnlyItsValue)
{
    IniFile ini(write("[тест]\nколичество вопросов = 7 \nX=y"));
    ini.WriteInteger("Тест", "Количество Вопросов ", 20);
    EXPECT_EQ(bytes(), cp1251("[тест]\nколичество вопросов =20\nX=y"));
}

TEST_F(IniFileTest, WritingAddsTheSectionAtTheEnd)
{
    IniFile ini(write("[Вопрос №1]\r\nКоличество кнопок=3"));
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), cp1251("[Вопрос №1]\r\nКоличество кнопок=3\r\n[Тест]\r\nКоличество Вопросов =-1\r\n"));
}

TEST_F(IniFileTest, UnwritableFolderReportsThePath)
{
    IniFile ini(folder.filePath("no such folder/Test.ini"));
    try {
        ini.WriteInteger("Тест", "Количество Вопросов ", -1);
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), "Unable to write to " + folder.filePath("no such folder/Test.ini"));
    }
}

// A name with a character the file's code page lacks cannot go into the
// file: the write fails as a refused write does and the file keeps every
// byte, rather than getting a name with a substitute byte that no later
// reading would find. A UTF-8 file takes any name.
TEST_F(IniFileTest, ANameOutsideTheCodePageIsRefused)
{
    const QByteArray before = cp1251("[Тест]\r\nНазвание теста=Проба\r\n");
    IniFile ini(writeBytes(before));
    const QString outside[] = {"Größe", "Ω", "😀"};
    for (const QString& name : outside) {
        SCOPED_TRACE(name.toStdString());
        for (const auto& [section, key] : {std::pair(QString("Тест"), name), std::pair(name, QString("Ключ"))}) {
            try {
                ini.WriteInteger(section, key, 1);
                ADD_FAILURE() << "no error";
            } catch (const AppError& error) {
                EXPECT_EQ(error.text(), "Unable to write to " + path());
            }
            EXPECT_EQ(bytes(), before);
        }
    }

    IniFile utf8(writeBytes(QStringLiteral("[Тест]\nНазвание теста=Проба «света»\n").toUtf8()));
    utf8.WriteInteger("Тест", "Größe", 1);
    EXPECT_EQ(utf8.ReadInteger("Тест", "Größe", 0), 1);
}

// A line ends at CR LF, LF or a lone CR; a key written into the file takes
// the file's first line end and a line of its own.
class IniLineEnds : public IniFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(IniLineEnds, EndLinesAndEndTheWrittenKey)
{
    const QString e = QString::fromLatin1(GetParam());
    IniFile ini(write("[Тест]" + e + "Название теста=Проба" + e + "[Вопрос №1]" + e + "Текст вопроса=Что?" + e));
    EXPECT_EQ(ini.ReadString("Тест", "Название теста", "?"), "Проба");
    EXPECT_EQ(ini.ReadString("Вопрос №1", "Текст вопроса", "?"), "Что?");
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), cp1251("[Тест]" + e + "Название теста=Проба" + e + "Количество Вопросов =-1" + e + "[Вопрос №1]" + e
                              + "Текст вопроса=Что?" + e));
}

INSTANTIATE_TEST_SUITE_P(Ends, IniLineEnds, ::testing::Values("\r\n", "\n", "\r"));

TEST_F(IniFileTest, ALoneCarriageReturnAtTheEndEndsTheLastLine)
{
    IniFile ini(write("[Тест]\r\nНазвание теста=Проба\r"));
    EXPECT_EQ(ini.ReadString("Тест", "Название теста", "?"), "Проба");
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    const QByteArray written = cp1251("[Тест]\r\nНазвание теста=Проба\rКоличество Вопросов =-1\r\n");
    EXPECT_EQ(bytes(), written);
    EXPECT_EQ(ini.ReadString("Тест", "Название теста", "?"), "Проба");
    EXPECT_EQ(ini.ReadInteger("Тест", "Количество Вопросов ", -2), -1);
    // The next start-up finds the key: writing it again changes nothing.
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), written);
}

TEST_F(IniFileTest, AKeyAddedToALastLineWithoutEndStartsALineOfItsOwn)
{
    IniFile ini(write("[Тест]\nНазвание теста=Проба"));
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), cp1251("[Тест]\nНазвание теста=Проба\nКоличество Вопросов =-1\n"));
}

TEST_F(IniFileTest, Utf8FileIsReadAndWrittenAsUtf8)
{
    for (const QByteArray& mark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        IniFile ini(writeBytes(mark + QStringLiteral("[Тест]\nНазвание теста=Проба «света»\n[Вопрос №1]\nТекст кнопки 1=Луч\n").toUtf8()));
        EXPECT_EQ(ini.ReadString("тест", "Название теста", "?"), "Проба «света»");
        EXPECT_EQ(ini.ReadString("Вопрос №1", "Текст кнопки 1", "?"), "Луч");
        ini.WriteInteger("Тест", "Количество Вопросов ", -1);
        EXPECT_EQ(bytes(), mark + QStringLiteral("[Тест]\nНазвание теста=Проба «света»\nКоличество Вопросов =-1\n"
                                                 "[Вопрос №1]\nТекст кнопки 1=Луч\n").toUtf8());
    }
}

TEST_F(IniFileTest, AByteOrderMarkBeforeWindows1251HidesNoSection)
{
    const QByteArray mark("\xEF\xBB\xBF");
    IniFile ini(writeBytes(mark + cp1251("[Тест]\r\nНазвание теста=Проба\r\n")));
    EXPECT_EQ(ini.ReadString("Тест", "Название теста", "?"), "Проба");
    ini.WriteInteger("Тест", "Количество Вопросов ", -1);
    EXPECT_EQ(bytes(), mark + cp1251("[Тест]\r\nНазвание теста=Проба\r\nКоличество Вопросов =-1\r\n"));
}

TEST_F(IniFileTest, TheShippedTestStaysInWindows1251)
{
    QFile shipped(QStringLiteral(OPTIKA_DATA "/Test.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray before = shipped.readAll();
    IniFile ini(writeBytes(before));
    const QString title = ini.ReadString("Тест", "Название теста", "?");
    EXPECT_EQ(title, "КОНТРОЛЬНЫЙ ТЕСТ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ");
    ini.WriteInteger("Тест", "Проверено", 1);
    const QByteArray after = bytes();
    const QByteArray line = cp1251("Проверено=1\r\n");
    EXPECT_EQ(after.size(), before.size() + line.size());
    EXPECT_TRUE(after.contains(line));
    EXPECT_EQ(ini.ReadString("Тест", "Название теста", "?"), title);
}

// The write of a file that may grow to `limit` bytes, in a child process
// (whose captured output the limit binds too): it exits with 3 after the
// error "Unable to write to" the path, with 4 after any other error and
// with 0 when the write succeeded.
[[noreturn]] void writeUnderSizeLimit(const QString& path, rlim_t limit)
{
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails with EFBIG instead
    try {
        IniFile(path).WriteInteger("Тест", "Количество Вопросов ", -1);
    } catch (const AppError& error) {
        std::_Exit(error.text() == "Unable to write to " + path ? 3 : 4);
    }
    std::_Exit(0);
}

class IniWriteFailure : public IniFileTest, public ::testing::WithParamInterface<rlim_t> {};

TEST_P(IniWriteFailure, LeavesTheOldFileAndNoTemporaryFile)
{
    QFile shipped(QStringLiteral(OPTIKA_DATA "/Test.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray before = shipped.readAll();
    writeBytes(before);
    ASSERT_LT(GetParam(), rlim_t(before.size()));

    EXPECT_EXIT(writeUnderSizeLimit(path(), GetParam()), ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"Test.ini"});
}

// Nothing, a few bytes, half the file: the disk fills at any point.
INSTANTIATE_TEST_SUITE_P(Limits, IniWriteFailure, ::testing::Values(rlim_t(0), rlim_t(7), rlim_t(3000)));

} // namespace
