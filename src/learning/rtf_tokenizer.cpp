// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_tokenizer.h"

#include <algorithm>

namespace {

// Longer words are cut here; their remaining letters read as text.
constexpr qsizetype kMaxWordLength = 32;
// Digits beyond these still belong to the parameter but no longer count.
constexpr int kMaxParameterDigits = 10;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<RtfToken> RtfTokenizer::Next()
{
    if (binaryBytes_ > 0) {
        const RtfToken token{RtfToken::Kind::Binary, QByteArrayView(data_).sliced(pos_, binaryBytes_), {}};
        pos_ += binaryBytes_;
        binaryBytes_ = 0;
        return token;
    }
    while (pos_ < data_.size() && isLineEnd(data_[pos_]))
        ++pos_;
    if (pos_ >= data_.size())
        return std::nullopt;
    switch (data_[pos_]) {
    case '{':
        ++pos_;
        return RtfToken{RtfToken::Kind::GroupOpen, {}, {}};
    case '}':
        ++pos_;
        return RtfToken{RtfToken::Kind::GroupClose, {}, {}};
    case '\\':
        if (++pos_ >= data_.size())
            return std::nullopt; // a lone backslash at the end means nothing
        return isLetter(data_[pos_]) ? controlWord() : controlSymbol();
    default:
        return textRun();
    }
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype start = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_]) && pos_ - start < kMaxWordLength)
        ++pos_;
    const QByteArrayView name = QByteArrayView(data_).sliced(start, pos_ - start);
    const std::optional<int> number = parameter();
    if (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    if (name == "bin" && number.value_or(0) > 0)
        binaryBytes_ = std::min<qsizetype>(*number, data_.size() - pos_);
    return RtfToken{RtfToken::Kind::ControlWord, name, number};
}

// An optional minus and digits; a huge number stands for the largest int.
std::optional<int> RtfTokenizer::parameter()
{
    const bool negative = pos_ < data_.size() && data_[pos_] == '-';
    if (negative)
        ++pos_;
    long long magnitude = 0;
    int digits = 0;
    for (; pos_ < data_.size() && isDigit(data_[pos_]); ++pos_, ++digits) {
        if (digits < kMaxParameterDigits)
            magnitude = magnitude * 10 + (data_[pos_] - '0');
    }
    if (digits == 0)
        return std::nullopt;
    magnitude = std::min<long long>(magnitude, 2147483647LL);
    return int(negative ? -magnitude : magnitude);
}

// \'hh carries its byte; without two hex digits it stands alone.
RtfToken RtfTokenizer::controlSymbol()
{
    const QByteArrayView symbol = QByteArrayView(data_).sliced(pos_++, 1);
    if (symbol[0] != '\'' || pos_ + 1 >= data_.size())
        return RtfToken{RtfToken::Kind::ControlSymbol, symbol, {}};
    const int high = HexDigitValue(data_[pos_]);
    const int low = HexDigitValue(data_[pos_ + 1]);
    if (high < 0 || low < 0)
        return RtfToken{RtfToken::Kind::ControlSymbol, symbol, {}};
    pos_ += 2;
    return RtfToken{RtfToken::Kind::ControlSymbol, symbol, high * 16 + low};
}

RtfToken RtfTokenizer::textRun()
{
    const qsizetype start = pos_;
    while (pos_ < data_.size() && !isLineEnd(data_[pos_]) && data_[pos_] != '{' && data_[pos_] != '}'
           && data_[pos_] != '\\')
        ++pos_;
    return RtfToken{RtfToken::Kind::Text, QByteArrayView(data_).sliced(start, pos_ - start), {}};
}
