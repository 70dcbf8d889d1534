#include "learning/ini_file.h"

#include "kit/float_error.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr int kMaxValueLength = 2047;

// One line of the file: its bytes without the line break, and the break.
struct Line {
    QByteArray text;
    QByteArray ending;
};

std::vector<Line> splitLines(const QByteArray& data)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        Line line;
        if (end < 0) {
            line.text = data.mid(start);
            start = data.size();
        } else {
            line.text = data.mid(start, end - start);
            line.ending = "\n";
            start = end + 1;
        }
        if (line.text.endsWith('\r')) {
            line.text.chop(1);
            line.ending.prepend('\r');
        }
        lines.push_back(line);
    }
    return lines;
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder(bytes);
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The section a line opens, if it opens one.
std::optional<QString> sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return t.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// Where the named key stands: the index of its line, or of the section's
// line and its last line when only the section is there.
struct KeyPlace {
    int sectionLine = -1;
    int lastLineOfSection = -1;
    int keyLine = -1;
};

KeyPlace findKey(const std::vector<Line>& lines, const QString& section, const QString& key)
{
    KeyPlace place;
    bool inSection = false;
    for (int i = 0; i < int(lines.size()); ++i) {
        const QString line = decode(lines[i].text);
        if (const auto name = sectionOf(line)) {
            if (inSection)
                break;
            inSection = place.sectionLine < 0 && sameName(*name, section);
            if (inSection)
                place.sectionLine = place.lastLineOfSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!line.trimmed().isEmpty())
            place.lastLineOfSection = i;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && sameName(line.left(eq), key)) {
            place.keyLine = i;
            break;
        }
    }
    return place;
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

IniFile::IniFile(QString path)
    : path_(std::move(path))
{
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    const std::vector<Line> lines = splitLines(file.readAll());
    const KeyPlace place = findKey(lines, section, key);
    if (place.keyLine < 0)
        return defaultValue;
    return valueOf(decode(lines[place.keyLine].text));
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    int value = 0;
    const QString text = ReadString(section, key, QString());
    return ParseIniInteger(text, &value) ? value : defaultValue;
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    QByteArray data;
    QFile existing(path_);
    if (existing.open(QIODevice::ReadOnly))
        data = existing.readAll();
    std::vector<Line> lines = splitLines(data);
    const QByteArray newline = data.contains("\r\n") || data.isEmpty() ? QByteArray("\r\n") : QByteArray("\n");
    const KeyPlace place = findKey(lines, section, key);

    if (place.keyLine >= 0) {
        // The key keeps its own spelling; only its value changes.
        Line& line = lines[place.keyLine];
        line.text = line.text.left(line.text.indexOf('=') + 1) + QByteArray::number(value);
    } else {
        const Line entry{encode(key) + '=' + QByteArray::number(value), newline};
        if (place.sectionLine >= 0) {
            Line& last = lines[place.lastLineOfSection];
            if (last.ending.isEmpty())
                last.ending = newline;
            lines.insert(lines.begin() + place.lastLineOfSection + 1, entry);
        } else {
            if (!lines.empty() && lines.back().ending.isEmpty())
                lines.back().ending = newline;
            lines.push_back(Line{'[' + encode(section) + ']', newline});
            lines.push_back(entry);
        }
    }

    QByteArray out;
    for (const Line& line : lines)
        out += line.text + line.ending;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        throw AppError(QStringLiteral("Unable to write to ") + path_);
}
