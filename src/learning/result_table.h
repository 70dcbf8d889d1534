// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/test_result.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QSortFilterProxyModel>

#include <optional>

// The results of a journal folder, one row each.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Finished, Class, Pupil, Test, Points, MaxPoints, Mark, Computer, ColumnCount };
    // The role that sorts a column: dates as dates, points as numbers.
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setResults(QList<TestResult> results);
    const TestResult& result(int row) const { return results_.at(row); }
    const QList<TestResult>& results() const { return results_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<TestResult> results_;
};

// The rows a teacher asks for: one class, one test, a part of a name, a span
// of days. No class or test lets every one through; so does an invalid date.
class ResultFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ResultFilter(ResultTableModel* source, QObject* parent = nullptr);

    void setClass(const std::optional<QString>& pupilClass);
    void setTest(const std::optional<QString>& title);
    void setName(const QString& part);
    void setDates(const QDate& from, const QDate& to);

    // The results of the rows shown, in the order shown.
    QList<TestResult> shownResults() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    ResultTableModel* source_;
    std::optional<QString> class_;
    std::optional<QString> test_;
    QString name_;
    QDate from_;
    QDate to_;
};

// The local time of a result as the journal shows it: "14.05.2024 10:32".
QString FinishedText(const TestResult& result);
