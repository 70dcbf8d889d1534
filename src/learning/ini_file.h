// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/ini_text.h"

#include <QString>

class QSaveFile;

// An INI file read and written as the Windows profile functions do (see
// IniText). Every read goes to the file, so changes made meanwhile take
// effect; a missing file reads as empty.
class IniFile {
public:
    explicit IniFile(QString path);

    QString path() const { return path_; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A whole number in decimal, or hexadecimal after "$" or "0x"; anything
    // else counts as missing.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Every key of a section, from one reading of the file.
    IniSection ReadSection(const QString& section) const;

    // Sets one key, changing only its line (or adding it, with its section or
    // the whole file when needed) and keeping every other byte. The file is
    // replaced in one step once every byte is on the disk, so a write that
    // fails anywhere leaves the old file as it was; failure raises "Unable to
    // write to" and the path.
    void WriteInteger(const QString& section, const QString& key, int value);

private:
    IniText read() const;

    QString path_;
};

// Writes every byte to an unbuffered QSaveFile and on to the disk; false
// when any of them does not get there, so that a full disk or a size limit
// is known before the file is committed.
bool WriteWhole(QSaveFile& file, const QByteArray& data);
