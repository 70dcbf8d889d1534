// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/result_table.h"

QString FinishedText(const TestResult& result)
{
    return result.finished.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

void ResultTableModel::setResults(QList<TestResult> results)
{
    beginResetModel();
    results_ = std::move(results);
    endResetModel();
}

int ResultTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(results_.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != SortRole && role != Qt::TextAlignmentRole))
        return {};
    const TestResult& r = results_.at(index.row());
    const bool number = index.column() == Points || index.column() == MaxPoints || index.column() == Mark;
    if (role == Qt::TextAlignmentRole)
        return number ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    switch (index.column()) {
    case Finished: return role == SortRole ? QVariant(r.finished) : QVariant(FinishedText(r));
    case Class: return r.pupilClass;
    case Pupil: return r.pupilName;
    case Test: return r.testTitle;
    case Points: return r.points;
    case MaxPoints: return r.maxPoints;
    case Mark: return r.mark;
    case Computer: return r.computer;
    default: return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const heads[ColumnCount] = {
        QT_TR_NOOP("Дата и время"), QT_TR_NOOP("Класс"),  QT_TR_NOOP("Ученик"), QT_TR_NOOP("Тест"),
        QT_TR_NOOP("Баллы"),        QT_TR_NOOP("Из"),     QT_TR_NOOP("Оценка"), QT_TR_NOOP("Компьютер")};
    return section >= 0 && section < ColumnCount ? tr(heads[section]) : QVariant();
}

ResultFilter::ResultFilter(ResultTableModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(source);
    setSortRole(ResultTableModel::SortRole);
    setSortLocaleAware(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void ResultFilter::setClass(const std::optional<QString>& pupilClass)
{
    class_ = pupilClass;
    invalidateFilter();
}

void ResultFilter::setTest(const std::optional<QString>& title)
{
    test_ = title;
    invalidateFilter();
}

void ResultFilter::setName(const QString& part)
{
    name_ = part.trimmed();
    invalidateFilter();
}

void ResultFilter::setDates(const QDate& from, const QDate& to)
{
    from_ = from;
    to_ = to;
    invalidateFilter();
}

QList<TestResult> ResultFilter::shownResults() const
{
    QList<TestResult> shown;
    for (int row = 0; row < rowCount(); ++row)
        shown.append(source_->result(mapToSource(index(row, 0)).row()));
    return shown;
}

bool ResultFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const TestResult& r = source_->result(sourceRow);
    const QDate day = r.finished.toLocalTime().date();
    return (!class_ || r.pupilClass == *class_) && (!test_ || r.testTitle == *test_)
        && (name_.isEmpty() || r.pupilName.contains(name_, Qt::CaseInsensitive))
        && (!from_.isValid() || day >= from_) && (!to_.isValid() || day <= to_);
}
