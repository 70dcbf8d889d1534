#include "kit/float_error.h"
#include "learning/ini_file.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray cp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}

class IniFileTest : public ::testing::Test {
protected:
    QString write(const QString& text)
    {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(cp1251(text));
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

} // namespace
