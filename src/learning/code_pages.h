// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>
#include <optional>

// The 256 characters of a single-byte Windows code page ("windows-1251" for
// 1251); a code page the system does not know reads as 1252. Built once per
// code page, so that decoding a byte costs a look-up.
const std::array<QChar, 256>& CodePageTable(int codePage);

// Bytes of a single-byte code page as text.
QString DecodeCodePage(const QByteArray& bytes, int codePage);

// Text as bytes of a single-byte code page; nothing when the page lacks one
// of its characters, since any substitute byte would read back as another.
std::optional<QByteArray> EncodeCodePage(const QString& text, int codePage);
