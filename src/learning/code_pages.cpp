// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/code_pages.h"

#include <QHash>
#include <QStringDecoder>

const std::array<QChar, 256>& CodePageTable(int codePage)
{
    static QHash<int, std::array<QChar, 256>> tables;
    auto it = tables.find(codePage);
    if (it == tables.end()) {
        std::array<QChar, 256> table{};
        QStringDecoder decoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
        if (!decoder.isValid())
            decoder = QStringDecoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            table[b] = s.isEmpty() ? QChar(b) : s.front();
        }
        it = tables.insert(codePage, table);
    }
    return *it;
}

QString DecodeCodePage(const QByteArray& bytes, int codePage)
{
    const std::array<QChar, 256>& table = CodePageTable(codePage);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = table[static_cast<unsigned char>(bytes[i])];
    return text;
}

std::optional<QByteArray> EncodeCodePage(const QString& text, int codePage)
{
    static QHash<int, QHash<QChar, char>> byteTables;
    auto it = byteTables.find(codePage);
    if (it == byteTables.end()) {
        QHash<QChar, char> bytes;
        const std::array<QChar, 256>& table = CodePageTable(codePage);
        for (int b = 255; b >= 0; --b)
            bytes.insert(table[b], char(b)); // a character on two bytes takes the first
        it = byteTables.insert(codePage, bytes);
    }
    QByteArray encoded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = it->constFind(text[i]);
        if (byte == it->constEnd())
            return std::nullopt;
        encoded[i] = *byte;
    }
    return encoded;
}
