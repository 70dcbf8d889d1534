// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// One piece of rich text as the tokenizer sees it, before anyone knows the
// destination it belongs to.
struct RtfToken {
    enum class Kind { GroupOpen, GroupClose, ControlWord, ControlSymbol, Text, Binary };
    Kind kind;
    // The word's letters, the symbol's character, the run's bytes.
    QByteArrayView bytes;
    // The word's number; for \'hh the byte it stands for.
    std::optional<int> parameter;
};

// The value of a hex digit of rich text, -1 for any other character.
int HexDigitValue(char c);

// Splits rich text into tokens. Line ends outside binary data are no text;
// \binN is always followed by a binary run of its N bytes (fewer at the end
// of the data), whatever group it stands in, so that they are never read as
// rich text.
class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& data) : data_(data) {}

    // The next token, nothing at the end of the data.
    std::optional<RtfToken> Next();

private:
    RtfToken controlWord();
    RtfToken controlSymbol();
    RtfToken textRun();
    std::optional<int> parameter();

    const QByteArray& data_;
    qsizetype pos_ = 0;
    qsizetype binaryBytes_ = 0; // announced by the last \bin, still to come
};
