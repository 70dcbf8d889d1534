#pragma once

#include <QByteArray>
#include <QString>

// An INI file read and written as the Windows profile functions do: section
// and key names matched without regard to letter case and surrounding blanks,
// values trimmed with one pair of enclosing quotation marks removed and cut
// to 2047 characters, texts in Windows-1251. Every read goes to the file, so
// changes made meanwhile take effect; a missing file reads as empty.
class IniFile {
public:
    explicit IniFile(QString path);

    QString path() const { return path_; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A whole number in decimal, or hexadecimal after "$" or "0x"; anything
    // else counts as missing.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

    // Sets one key, changing only its line (or adding it, with its section or
    // the whole file when needed) and keeping every other byte. The file is
    // replaced in one step, so an interrupted write loses nothing; failure
    // raises "Unable to write to" and the path.
    void WriteInteger(const QString& section, const QString& key, int value);

private:
    QString path_;
};

// The whole number an INI value stands for, if it is one.
bool ParseIniInteger(const QString& text, int* value);
