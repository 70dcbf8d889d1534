// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/ini_text.h"

#include "learning/code_pages.h"

#include <QStringDecoder>

#include <limits>

namespace {

constexpr int kMaxValueLength = 2047;
const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // decoding happens only when its result is taken
    return !decoder.hasError();
}

bool isAscii(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

QString foldedName(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// The section a line opens, if it opens one.
std::optional<QString> sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return t.mid(1, close < 0 ? -1 : close - 1);
}

// The key a line sets, if it sets one.
std::optional<QString> keyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return line.left(eq);
}

QString valueOf(const QString& line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValueLength);
}

} // namespace

bool ParseIniInteger(const QString& text, int* value)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.front() == QLatin1Char('-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        if (!(c.isDigit() && c.unicode() < 128) && !(base == 16 && QStringLiteral("abcdefABCDEF").contains(c)))
            return false;
    }
    bool ok = false;
    const qlonglong magnitude = t.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong signedValue = negative ? -magnitude : magnitude;
    // Hexadecimal may spell a negative number in 32 bits, as $FFFFFFFF for -1.
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
        *value = int(static_cast<quint32>(magnitude));
        return true;
    }
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return false;
    *value = int(signedValue);
    return true;
}

QString IniSection::ReadString(const QString& key, const QString& defaultValue) const
{
    return values_.value(foldedName(key), defaultValue);
}

int IniSection::ReadInteger(const QString& key, int defaultValue) const
{
    int value = 0;
    const auto it = values_.constFind(foldedName(key));
    return it != values_.constEnd() && ParseIniInteger(*it, &value) ? value : defaultValue;
}

IniText::IniText(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith(kUtf8ByteOrderMark)) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        body.remove(0, kUtf8ByteOrderMark.size());
    }
    // A byte-order mark before bytes that are no UTF-8 is a slip of an
    // editor: the text is still read, in Windows-1251.
    utf8_ = isValidUtf8(body) && (!byteOrderMark_.isEmpty() || !isAscii(body));

    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = start;
        while (end < body.size() && body[end] != '\n' && body[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < body.size())
            next += body[next] == '\r' && next + 1 < body.size() && body[next + 1] == '\n' ? 2 : 1;
        lines_.push_back(makeLine(body.mid(start, end - start), body.mid(end, next - end)));
        start = next;
    }
}

IniText::Line IniText::makeLine(const QByteArray& text, const QByteArray& end) const
{
    Line line{text, end, {}};
    line.decoded = utf8_ ? QString::fromUtf8(text) : DecodeCodePage(text, 1251);
    return line;
}

std::optional<QByteArray> IniText::encode(const QString& text) const
{
    if (utf8_)
        return text.toUtf8();
    return EncodeCodePage(text, 1251);
}

QByteArray IniText::lineEnd() const
{
    for (const Line& line : lines_) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return QByteArrayLiteral("\r\n");
}

int IniText::sectionLine(const QString& section) const
{
    const QString wanted = foldedName(section);
    for (int i = 0; i < int(lines_.size()); ++i) {
        if (const auto name = sectionOf(lines_[i].decoded); name && foldedName(*name) == wanted)
            return i;
    }
    return -1;
}

IniText::KeyPlace IniText::find(const QString& section, const QString& key) const
{
    KeyPlace place;
    place.sectionLine = place.lastLineOfSection = sectionLine(section);
    if (place.sectionLine < 0)
        return place;
    const QString wanted = foldedName(key);
    for (int i = place.sectionLine + 1; i < int(lines_.size()); ++i) {
        const QString& line = lines_[i].decoded;
        if (sectionOf(line))
            break; // only the first section of a name counts
        if (!line.trimmed().isEmpty())
            place.lastLineOfSection = i;
        if (const auto name = keyOf(line); name && foldedName(*name) == wanted) {
            place.keyLine = i;
            break;
        }
    }
    return place;
}

std::optional<QString> IniText::Value(const QString& section, const QString& key) const
{
    const KeyPlace place = find(section, key);
    if (place.keyLine < 0)
        return std::nullopt;
    return valueOf(lines_[place.keyLine].decoded);
}

IniSection IniText::Section(const QString& section) const
{
    IniSection result;
    const int head = sectionLine(section);
    if (head < 0)
        return result;
    for (int i = head + 1; i < int(lines_.size()); ++i) {
        const QString& line = lines_[i].decoded;
        if (sectionOf(line))
            break;
        if (const auto name = keyOf(line)) {
            const QString folded = foldedName(*name);
            if (!result.values_.contains(folded))
                result.values_.insert(folded, valueOf(line));
        }
    }
    return result;
}

bool IniText::HasSection(const QString& section) const
{
    return sectionLine(section) >= 0;
}

int IniText::sectionEnd(int head) const
{
    int end = head + 1;
    while (end < int(lines_.size()) && !sectionOf(lines_[end].decoded))
        ++end;
    return end;
}

QStringList IniText::KeyNames(const QString& section) const
{
    QStringList names;
    const int head = sectionLine(section);
    if (head < 0)
        return names;
    for (int i = head + 1; i < sectionEnd(head); ++i) {
        if (const auto name = keyOf(lines_[i].decoded))
            names << name->trimmed();
    }
    return names;
}

bool IniText::SetInteger(const QString& section, const QString& key, int value, const QString& afterKey)
{
    return set(section, key, QByteArray::number(value), afterKey);
}

bool IniText::SetString(const QString& section, const QString& key, const QString& value, const QString& afterKey)
{
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (valueOf(QLatin1Char('=') + text) != text)
        text = QLatin1Char('"') + text + QLatin1Char('"');
    const std::optional<QByteArray> bytes = encode(text);
    return bytes && set(section, key, *bytes, afterKey);
}

bool IniText::set(const QString& section, const QString& key, const QByteArray& value, const QString& afterKey)
{
    const KeyPlace place = find(section, key);
    if (place.keyLine >= 0) {
        // The key keeps its own spelling; only its value changes.
        Line& line = lines_[place.keyLine];
        line = makeLine(line.text.left(line.text.indexOf('=') + 1) + value, line.end);
        return true;
    }
    const std::optional<QByteArray> keyName = encode(key);
    if (!keyName)
        return false;
    const QByteArray end = lineEnd();
    const Line entry = makeLine(*keyName + '=' + value, end);
    if (place.sectionLine >= 0) {
        const int after = afterKey.isEmpty() ? -1 : find(section, afterKey).keyLine;
        const int at = after >= 0 ? after : place.lastLineOfSection;
        Line& previous = lines_[at];
        if (previous.end.isEmpty())
            previous.end = end;
        lines_.insert(lines_.begin() + at + 1, entry);
        return true;
    }
    const std::optional<QByteArray> sectionName = encode(section);
    if (!sectionName)
        return false;
    if (!lines_.empty() && lines_.back().end.isEmpty())
        lines_.back().end = end;
    lines_.push_back(makeLine('[' + *sectionName + ']', end));
    lines_.push_back(entry);
    return true;
}

void IniText::RemoveKey(const QString& section, const QString& key)
{
    const int head = sectionLine(section);
    if (head < 0)
        return;
    const QString wanted = foldedName(key);
    for (int i = sectionEnd(head) - 1; i > head; --i) {
        if (const auto name = keyOf(lines_[i].decoded); name && foldedName(*name) == wanted)
            lines_.erase(lines_.begin() + i);
    }
}

bool IniText::AddSection(const QString& section)
{
    const std::optional<QByteArray> name = encode(section);
    if (!name)
        return false;
    const QByteArray end = lineEnd();
    if (!lines_.empty()) {
        if (lines_.back().end.isEmpty())
            lines_.back().end = end;
        if (!lines_.back().decoded.trimmed().isEmpty())
            lines_.push_back(makeLine({}, end));
    }
    lines_.push_back(makeLine('[' + *name + ']', end));
    return true;
}

void IniText::RemoveSectionIfEmpty(const QString& section)
{
    int first = sectionLine(section);
    if (first < 0)
        return;
    const int end = sectionEnd(first);
    for (int i = first + 1; i < end; ++i) {
        if (!lines_[i].decoded.trimmed().isEmpty())
            return;
    }
    // In the middle of the file the blank lines after the section part it from the next.
    if (end == int(lines_.size())) {
        while (first > 0 && lines_[first - 1].decoded.trimmed().isEmpty())
            --first;
    }
    lines_.erase(lines_.begin() + first, lines_.begin() + end);
}

void IniText::ConvertToUtf8()
{
    utf8_ = true;
    byteOrderMark_ = kUtf8ByteOrderMark;
    for (Line& line : lines_)
        line.text = line.decoded.toUtf8();
}

QByteArray IniText::Bytes() const
{
    QByteArray out = byteOrderMark_;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out;
}
