// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

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
    bool HasSection(const QString& section) const;
    // The key names of the section as the file spells them, in its order.
    QStringList KeyNames(const QString& section) const;

    // Sets one key, changing only its line, or adding it (with its section
    // when needed) on a line of its own with the file's own line end and
    // encoding: after the line of `afterKey` when the section has that key,
    // else after the section's last line that holds anything. Every other
    // byte stays as it was. False, the text unchanged, when a name to add has
    // a character the file's encoding lacks.
    bool SetInteger(const QString& section, const QString& key, int value, const QString& afterKey = {});
    // Sets a text key as SetInteger does, written so that it reads back as
    // given: in quotation marks when blanks at its ends or a pair of its own
    // quotation marks would be lost, line breaks as blanks since a value ends
    // with its line. False, the text unchanged, also when the value has a
    // character the file's encoding lacks.
    bool SetString(const QString& section, const QString& key, const QString& value, const QString& afterKey = {});
    // Removes every line of the key from the section.
    void RemoveKey(const QString& section, const QString& key);
    // Appends the section's head at the end of the file, after a blank line
    // that sets it apart. False when its name has a character the file's
    // encoding lacks.
    bool AddSection(const QString& section);
    // Removes the section, head and all, when it holds nothing but blank
    // lines; at the end of the file the blank lines before it go too.
    void RemoveSectionIfEmpty(const QString& section);
    // Re-encodes every line as UTF-8 behind a byte-order mark.
    void ConvertToUtf8();

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
    // The line after the section's last: the next head or the end.
    int sectionEnd(int head) const;
    KeyPlace find(const QString& section, const QString& key) const;
    bool set(const QString& section, const QString& key, const QByteArray& value, const QString& afterKey);
    std::optional<QByteArray> encode(const QString& text) const;
    QByteArray lineEnd() const;
    Line makeLine(const QByteArray& text, const QByteArray& end) const;

    QByteArray byteOrderMark_;
    bool utf8_ = false;
    std::vector<Line> lines_;
};

// The whole number an INI value stands for, if it is one.
bool ParseIniInteger(const QString& text, int* value);
