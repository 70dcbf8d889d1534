// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QStandardItemModel;
class QTableView;
class ResultFilter;
class ResultTableModel;

// "Журнал результатов": every result of the journal folder in a table that
// sorts and filters by class, test, name and days; below it how many
// answered each question right; the table shown goes out as CSV. Files that
// are no result are listed and left alone.
class JournalWindow : public QWidget {
    Q_OBJECT

public:
    explicit JournalWindow(QWidget* parent = nullptr);
    ~JournalWindow() override;

    // Reads the journal folder anew.
    void Refresh();
    // Makes `folder` the journal folder, kept for later runs, and reads it.
    void UseFolder(const QString& folder);
    // Writes the rows shown to `path`; a failure is shown in the error box.
    bool ExportTo(const QString& path);

    const ResultFilter& shownResults() const { return *filter_; }
    const QStandardItemModel& summary() const { return *summary_; }
    QStringList unreadableFiles() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chooseFolder();
    void chooseExportFile();
    void applyFilters();
    void updateSummary();
    // Fills a filter's choices with the values found, keeping the one chosen.
    static void fillChoices(QComboBox* box, const QString& all, QStringList values);

    ResultTableModel* model_;
    ResultFilter* filter_;
    QStandardItemModel* summary_;
    QComboBox* class_;
    QComboBox* test_;
    QLineEdit* name_;
    QDateEdit* from_;
    QDateEdit* to_;
    QTableView* table_;
    QTableView* summaryView_;
    QLabel* count_;
    QLabel* unreadableLabel_;
    QListWidget* unreadable_;
    QLabel* folder_;
    // The days of the results read last: dates left spanning them follow a refresh.
    QDate earliest_;
    QDate latest_;
};
