// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/result_journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

const QString kFolderKey = QStringLiteral("journal/folder");
// A result is a few kilobytes; anything far bigger is not one, and is not read.
constexpr qint64 kLargestResult = 1 << 20;

// Kept under the short name "optika", not under the long application title.
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("optika"), QStringLiteral("optika"));
}

} // namespace

QString DefaultJournalFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Оптика — результаты"));
}

QString JournalFolder()
{
    const QString chosen = settings()->value(kFolderKey).toString();
    return chosen.isEmpty() ? DefaultJournalFolder() : chosen;
}

void SetJournalFolder(const QString& folder)
{
    settings()->setValue(kFolderKey, folder);
}

QString WriteResultFile(const QString& folder, const TestResult& result, QString* reason)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *reason = QCoreApplication::translate("ResultJournal", "папки нет, и создать её нельзя");
        return {};
    }
    QString name;
    do
        name = ResultFileName(result.finished, result.computer, QRandomGenerator::global()->generate());
    while (dir.exists(name));
    // The bytes go to a temporary file of another name and are renamed when
    // complete: a writer killed halfway leaves nothing that looks like a result.
    QSaveFile file(dir.filePath(name));
    const QByteArray json = ResultToJson(result);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        *reason = file.errorString();
        return {};
    }
    return file.fileName();
}

ResultJournal::~ResultJournal()
{
    QString message;
    if (!pending_.isEmpty() && !writeAll(JournalFolder(), &message))
        writeAll(DefaultJournalFolder(), &message);
}

bool ResultJournal::Record(const TestResult& result, QString* message)
{
    pending_.append(result);
    return WritePending(message);
}

bool ResultJournal::WritePending(QString* message)
{
    return writeAll(JournalFolder(), message);
}

bool ResultJournal::writeAll(const QString& folder, QString* message)
{
    while (!pending_.isEmpty()) {
        QString reason;
        if (WriteResultFile(folder, pending_.first(), &reason).isEmpty()) {
            *message = QCoreApplication::translate("ResultJournal",
                                                   "Результат не удалось записать в журнал (папка «%1»: %2). "
                                                   "Позовите учителя: результат сохранится при следующей попытке")
                           .arg(QDir::toNativeSeparators(folder), reason);
            return false;
        }
        pending_.removeFirst();
    }
    return true;
}

JournalContents ReadJournal(const QString& folder)
{
    JournalContents contents;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        std::optional<TestResult> result;
        if (file.size() <= kLargestResult && file.open(QIODevice::ReadOnly))
            result = ResultFromJson(file.readAll());
        if (result)
            contents.results.append(*result);
        else
            contents.unreadable.append(name);
    }
    return contents;
}
