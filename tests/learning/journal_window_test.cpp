// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/journal_window.h"
#include "learning/result_journal.h"
#include "learning/result_table.h"
#include "ui/error_box.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 36 results over ten days of March: pupils 1-20 of "8 А", 21-36 of "8 Б";
// every third took "Линзы" (2 questions), the others "Оптика" (3). In
// "Оптика" all get question 1 right, only "8 А" question 2, nobody question
// 3; in "Линзы" all get question 1, every other pupil question 2.
TestResult generated(int i)
{
    TestResult result;
    const bool lenses = i % 3 == 0;
    result.testTitle = lenses ? QStringLiteral("Линзы") : QStringLiteral("Оптика");
    result.testFile = lenses ? QStringLiteral("lenses.ini") : QStringLiteral("Test.ini");
    result.pupilClass = i < 20 ? QStringLiteral("8 А") : QStringLiteral("8 Б");
    result.pupilName = i == 5 ? QStringLiteral("Петров; \"Петя\"") : QStringLiteral("Ученик %1").arg(i + 1, 2, 10, QChar(u'0'));
    result.computer = QStringLiteral("pc%1").arg(i % 12);
    result.finished = QDateTime(QDate(2024, 3, 1 + i % 10), QTime(10, i));
    const QList<bool> right = lenses ? QList<bool>{true, i % 2 == 0} : QList<bool>{true, i < 20, false};
    for (int q = 0; q < right.size(); ++q) {
        result.answers.append({q + 1, QStringLiteral("Вопрос %1").arg(q + 1), right[q] ? 1 : 2, QString(), right[q]});
        result.points += right[q] ? 5 : 0;
    }
    result.maxPoints = int(right.size()) * 5;
    result.mark = 3;
    return result;
}

class JournalWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 36; ++i) {
            QString reason;
            ASSERT_FALSE(WriteResultFile(folder.path(), generated(i), &reason).isEmpty());
        }
        QFile broken(folder.filePath("broken.json"));
        broken.open(QIODevice::WriteOnly);
        broken.write("{\"format\": \"optika-result\", \"testTi");
        broken.close();
        SetJournalFolder(folder.path());
        SetErrorSink([this](const QString& text) { errors << text; });
        window.show();
    }
    void TearDown() override { SetErrorSink(nullptr); }

    template <typename Widget>
    Widget* control(const char* name)
    {
        return window.findChild<Widget*>(name);
    }
    void filter(const QString& pupilClass, const QString& test, const QString& name, QDate from, QDate to)
    {
        auto* classes = control<QComboBox>("classFilter");
        auto* tests = control<QComboBox>("testFilter");
        classes->setCurrentIndex(pupilClass.isEmpty() ? 0 : classes->findText(pupilClass));
        tests->setCurrentIndex(test.isEmpty() ? 0 : tests->findText(test));
        control<QLineEdit>("nameFilter")->setText(name);
        control<QDateEdit>("fromDate")->setDate(from);
        control<QDateEdit>("toDate")->setDate(to);
    }
    QStringList summaryRows() const
    {
        QStringList rows;
        const QStandardItemModel& summary = window.summary();
        for (int row = 0; row < summary.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < summary.columnCount(); ++column)
                cells << summary.index(row, column).data().toString();
            rows << cells.join('|');
        }
        return rows;
    }
    QString shown(int row, int column) const { return window.shownResults().index(row, column).data().toString(); }

    QTemporaryDir folder;
    QStringList errors;
    JournalWindow window;
};

const QDate kFirst(2024, 3, 1);
const QDate kLast(2024, 3, 10);

} // namespace

TEST_F(JournalWindowTest, ShowsEveryResultNewestFirstAndNamesTheUnreadableFile)
{
    EXPECT_EQ(window.shownResults().rowCount(), 36);
    EXPECT_EQ(shown(0, ResultTableModel::Finished), "10.03.2024 10:29");
    EXPECT_EQ(shown(0, ResultTableModel::Pupil), "Ученик 30");
    EXPECT_EQ(window.unreadableFiles(), QStringList{"broken.json"});
    EXPECT_TRUE(control<QListWidget>("unreadable")->isVisible());
    EXPECT_TRUE(QFile::exists(folder.filePath("broken.json")));
    EXPECT_EQ(control<QDateEdit>("fromDate")->date(), kFirst);
    EXPECT_EQ(control<QDateEdit>("toDate")->date(), kLast);

    control<QTableView>("results")->sortByColumn(ResultTableModel::Points, Qt::AscendingOrder);
    EXPECT_EQ(shown(0, ResultTableModel::Points), "5");
    EXPECT_EQ(shown(35, ResultTableModel::Points), "10");
}

TEST_F(JournalWindowTest, FiltersByClassTestNameAndDays)
{
    struct Case {
        const char* what;
        QString pupilClass, test, name;
        QDate from, to;
        int rows;
    };
    const Case cases[] = {
        {"all", "", "", "", kFirst, kLast, 36},
        {"one class", "8 А", "", "", kFirst, kLast, 20},
        {"one class, one test", "8 Б", "Оптика", "", kFirst, kLast, 11},
        {"part of a name, any case", "", "", "ученик 1", kFirst, kLast, 10},
        {"two days", "", "", "", QDate(2024, 3, 3), QDate(2024, 3, 4), 8},
        {"a class on two days", "8 Б", "", "", QDate(2024, 3, 3), QDate(2024, 3, 4), 4},
        {"no day", "", "", "", QDate(2024, 3, 11), QDate(2024, 3, 20), 0},
    };
    for (const Case& c : cases) {
        filter(c.pupilClass, c.test, c.name, c.from, c.to);
        EXPECT_EQ(window.shownResults().rowCount(), c.rows) << c.what;
    }
}

TEST_F(JournalWindowTest, SummaryCountsTheRightAnswersOfTheResultsShown)
{
    EXPECT_EQ(summaryRows(), QStringList({"Линзы|1|Вопрос 1|12|12|100", "Линзы|2|Вопрос 2|6|12|50",
                                          "Оптика|1|Вопрос 1|24|24|100", "Оптика|2|Вопрос 2|13|24|54",
                                          "Оптика|3|Вопрос 3|0|24|0"}));
    filter("8 Б", "Оптика", "", kFirst, kLast);
    EXPECT_EQ(summaryRows(), QStringList({"Оптика|1|Вопрос 1|11|11|100", "Оптика|2|Вопрос 2|0|11|0",
                                          "Оптика|3|Вопрос 3|0|11|0"}));
}

// What Calc reads is what the table shows: Python's csv module stands in for it.
TEST_F(JournalWindowTest, ExportGivesTheRowsShownToACsvReader)
{
    filter("8 А", "Оптика", "", kFirst, kLast);
    const QString path = folder.filePath("export/журнал.csv");
    ASSERT_FALSE(window.ExportTo(path));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith("Журнал не удалось записать в файл «" + path + "»: ")) << errors.first().toStdString();
    QDir(folder.path()).mkdir("export");
    ASSERT_TRUE(window.ExportTo(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF" "Дата;Время;Класс;Ученик;Тест;Файл теста;Баллы;Максимум;Оценка;Компьютер;Ответы\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n06.03.2024;10:05:00;8 А;\"Петров; \"\"Петя\"\"\";Оптика;Test.ini;10;15;3;pc5;1+ 1+ 2-\r\n"));

    QProcess python;
    python.start("python3", {"-c", "import csv, json, sys\n"
                                   "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                   "    print(json.dumps(list(csv.reader(f, delimiter=';')), ensure_ascii=False))\n",
                             path});
    ASSERT_TRUE(python.waitForFinished(30000));
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    const int shownRows = window.shownResults().rowCount();
    ASSERT_EQ(shownRows, 13);
    ASSERT_EQ(rows.size(), shownRows + 1);
    for (int row = 0; row < shownRows; ++row) {
        const QJsonArray csv = rows[row + 1].toArray();
        ASSERT_EQ(csv.size(), 11);
        EXPECT_EQ(csv[0].toString() + ' ' + csv[1].toString().left(5), shown(row, ResultTableModel::Finished));
        const std::pair<int, int> same[] = {{2, ResultTableModel::Class},  {3, ResultTableModel::Pupil},
                                            {4, ResultTableModel::Test},   {6, ResultTableModel::Points},
                                            {7, ResultTableModel::MaxPoints}, {8, ResultTableModel::Mark},
                                            {9, ResultTableModel::Computer}};
        for (const auto& [at, column] : same)
            EXPECT_EQ(csv[at].toString(), shown(row, column)) << "row " << row << " column " << column;
    }
}
