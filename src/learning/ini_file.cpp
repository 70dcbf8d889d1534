// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/ini_file.h"

#include "kit/float_error.h"

#include <QFile>
#include <QSaveFile>

#include <unistd.h>

bool WriteWhole(QSaveFile& file, const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    // Some file systems report a full disk or a quota only when the data goes out.
    return ::fsync(file.handle()) == 0;
}

IniFile::IniFile(QString path)
    : path_(std::move(path))
{
}

IniText IniFile::read() const
{
    QFile file(path_);
    return IniText(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return read().Value(section, key).value_or(defaultValue);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    int value = 0;
    const auto text = read().Value(section, key);
    return text && ParseIniInteger(*text, &value) ? value : defaultValue;
}

IniSection IniFile::ReadSection(const QString& section) const
{
    return read().Section(section);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    const QString failure = QStringLiteral("Unable to write to ") + path_;
    QFile existing(path_);
    QByteArray bytes;
    if (existing.open(QIODevice::ReadOnly))
        bytes = existing.readAll();
    else if (existing.exists())
        throw AppError(failure); // rewriting a file we cannot read would lose it
    IniText text(bytes);
    if (!text.SetInteger(section, key, value))
        throw AppError(failure); // a name the file cannot hold would come back as another
    // An uncommitted QSaveFile removes its temporary file, so a failed write
    // leaves nothing behind.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteWhole(file, text.Bytes()) || !file.commit())
        throw AppError(failure);
}
