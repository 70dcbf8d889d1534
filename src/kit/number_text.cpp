// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/number_text.h"

#include "kit/checked_math.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace {

// The significant digits and decimal exponent of |value| to `digits` places:
// |value| = d0.d1 d2 ... x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits decimalDigits(long double value, int digits)
{
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, std::fabs(value));
    DecimalDigits result;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            result.digits.push_back(*p);
    }
    if (*p == 'e')
        result.exponent = std::atoi(p + 1);
    return result;
}

// Adds one unit at the last place of a string of decimal digits; returns the carry.
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '9') {
            *it = '0';
        } else {
            ++*it;
            return false;
        }
    }
    return true;
}

// The texts of the last few numbers written: a control moving changes few of
// the numbers a sheet shows, and writing one costs a long-double printf.
template <typename Key>
class RecentTexts {
public:
    template <typename Write>
    QString text(const Key& key, Write write)
    {
        for (const auto& kept : kept_) {
            if (kept && kept->first == key)
                return kept->second;
        }
        QString written = write();
        kept_[next_] = std::pair(key, written);
        next_ = (next_ + 1) % kept_.size();
        return written;
    }

private:
    std::array<std::optional<std::pair<Key, QString>>, 16> kept_;
    size_t next_ = 0;
};

QString decimalCommaText(double value, int decimals)
{
    const std::int64_t q = Round(static_cast<long double>(value) * 10000);
    const long double v = static_cast<long double>(q) / 10000;

    // |v| = D0.D1 D2 ... x 10^e with 18 significant digits D.
    const DecimalDigits d = decimalDigits(v, 18);
    const auto digitAt = [&d](int index) {
        return index >= 0 && index < int(d.digits.size()) ? d.digits[index] : '0';
    };
    std::string integerPart = d.exponent < 0 ? "0" : "";
    for (int i = 0; i <= d.exponent; ++i)
        integerPart.push_back(digitAt(i));
    std::string fraction;
    for (int i = 1; i <= decimals + 1; ++i)
        fraction.push_back(digitAt(d.exponent + i));

    // Round half away from zero at the last kept decimal.
    const bool roundUp = fraction.back() >= '5';
    fraction.pop_back();
    if (roundUp && incrementDigits(fraction) && incrementDigits(integerPart))
        integerPart.insert(integerPart.begin(), '1');

    std::string text = (v < 0 ? "-" : "") + integerPart + "," + fraction;
    return QString::fromStdString(text);
}

QString plainText(long double value)
{
    DecimalDigits d = decimalDigits(value, 15);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    const int e = d.exponent;
    if (e >= 15 || e < -5) {
        text += d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            text += "," + d.digits.substr(1);
        text += "E" + std::to_string(e);
    } else if (e < 0) {
        text += "0," + std::string(-e - 1, '0') + d.digits;
    } else {
        std::string digits = d.digits;
        if (int(digits.size()) < e + 1)
            digits.append(e + 1 - digits.size(), '0');
        text += digits.substr(0, e + 1);
        if (int(digits.size()) > e + 1)
            text += "," + digits.substr(e + 1);
    }
    return QString::fromStdString(text);
}

QChar decimalSeparator = QLatin1Char(',');

// The texts are written and kept with a comma, the separator of the
// program's own language.
QString withSeparator(QString text)
{
    if (decimalSeparator != QLatin1Char(','))
        text.replace(QLatin1Char(','), decimalSeparator);
    return text;
}

} // namespace

void SetDecimalSeparator(QChar separator)
{
    decimalSeparator = separator;
}

QChar DecimalSeparator()
{
    return decimalSeparator;
}

QString FormatDecimalComma(double value, int decimals)
{
    thread_local RecentTexts<std::pair<double, int>> recent;
    return withSeparator(recent.text({value, decimals}, [=] { return decimalCommaText(value, decimals); }));
}

QString PlainNumberText(long double value)
{
    if (value == 0)
        return QStringLiteral("0");
    Checked(value);
    thread_local RecentTexts<long double> recent;
    return withSeparator(recent.text(value, [value] { return plainText(value); }));
}
