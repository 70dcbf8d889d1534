// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// The keys of one section, read once: names matched without regard to letter
// case and surrounding blanks, the first of a name counting.
class IniSection {
public:
    QString ReadString(const QString& key, const QString& defaultValue) const;
    // A whole number in decimal, or hexadecimal after "$" or "0x"; anything
    // else counts as missing.
    int ReadInteger(const QString& key, int defaultValue) const;

private:
    friend class IniText;
    QHash<QString, QString> values_; // by folded key name
};

// The bytes of an INI file as the Windows profile functions see them. A line
// ends at CR LF, LF or a lone CR. A file that is valid UTF-8 after any
// byte-order mark, and holds more than ASCII or has the mark, is read and
// written as UTF-8; any other as Windows-1251, the mark then skipped. Values
// are trimmed, lose one pair of enclosing quotation marks and are cut to
// 2047 characters.
class IniText {
public:
    explicit IniText(const QByteArray& bytes);

    // The value of `key` in the first section named `section`, if it is there.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    IniSection Section(const QString& section) const;

    // Sets one key, changing only its line, or adding it (with its section
    // when needed) on a line of its own with the file's own line end and
    // encoding; every other byte stays as it was. False, the text unchanged,
    // when a name to add has a character the file's encoding lacks.
    bool SetInteger(const QString& section, const QString& key, int value);

    QByteArray Bytes() const;
    bool IsUtf8() const { return utf8_; }

private:
    struct Line {
        QByteArray text; // without the line end
        QByteArray end;  // "\r\n", "\n", "\r" or nothing on a last line
        QString decoded;
    };
    // Where a key stands: the line of its section's head, the last line of
    // the section that holds anything, and its own line (-1 when missing).
    struct KeyPlace {
        int sectionLine = -1;
        int lastLineOfSection = -1;
        int keyLine = -1;
    };

    int sectionLine(const QString& section) const;
    KeyPlace find(const QString& section, const QString& key) const;
    std::optional<QByteArray> encode(const QString& text) const;
    QByteArray lineEnd() const;
    Line makeLine(const QByteArray& text, const QByteArray& end) const;

    QByteArray byteOrderMark_;
    bool utf8_ = false;
    std::vector<Line> lines_;
};

// The whole number an INI value stands for, if it is one.
bool ParseIniInteger(const QString& text, int* value);
