// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_check.h"
#include "learning/ini_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

struct Name {
    const char16_t* section;
    const char16_t* key;
};

// The names the test reads and writes, and a plain one.
const Name kNames[] = {
    {u"Тест", u"Количество Вопросов "}, {u"Тест", u"Название теста"}, {u"Вопрос №1", u"Количество кнопок"},
    {u"Вопрос №1", u"Текст кнопки 1"},   {u"Вопрос №2", u"Правильный вариант"}, {u"A", u"k"},
};

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

// Any bytes are an INI file: reading never fails, and setting a key changes
// what it should and nothing else. The last bytes of an input choose the key
// and the number; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const Name& target = kNames[provider.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
    const int value = provider.ConsumeIntegral<int>();
    const std::vector<char> bytes = provider.ConsumeRemainingBytes<char>();

    const IniText before(QByteArray(bytes.data(), qsizetype(bytes.size())));
    IniText written = before;
    written.SetInteger(text(target.section), text(target.key), value);
    const QByteArray out = written.Bytes();

    // Read back from the bytes, as the next start-up reads the file.
    const IniText after(out);
    int readBack = 0;
    const auto valueText = after.Value(text(target.section), text(target.key));
    FUZZ_CHECK(valueText && ParseIniInteger(*valueText, &readBack) && readBack == value);
    FUZZ_CHECK(after.Section(text(target.section)).ReadInteger(text(target.key), ~value) == value);

    // A key that is there is changed in place: the next start-up adds nothing.
    IniText again = after;
    again.SetInteger(text(target.section), text(target.key), value);
    FUZZ_CHECK(again.Bytes() == out);

    // Every other key reads as before while the file keeps its encoding.
    if (after.IsUtf8() == before.IsUtf8()) {
        for (const Name& other : kNames) {
            if (text(other.section) == text(target.section) && text(other.key) == text(target.key))
                continue;
            FUZZ_CHECK(after.Value(text(other.section), text(other.key))
                       == before.Value(text(other.section), text(other.key)));
        }
    }

    // A text value reads back as it was set, line breaks as blanks, or the
    // text stays as it was; a key removed is gone.
    const char16_t* const texts[] = {u"", u"  по краям  ", u"\"в кавычках\"", u"'один'", u"две\r\nстроки", u"Ω", u"="};
    const QString wanted = text(texts[static_cast<unsigned>(value) % std::size(texts)]);
    IniText withText = before;
    if (withText.SetString(text(target.section), text(target.key), wanted)) {
        const IniText reread(withText.Bytes());
        if (reread.IsUtf8() == withText.IsUtf8())
            FUZZ_CHECK(reread.Value(text(target.section), text(target.key)) == QString(wanted).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    } else {
        FUZZ_CHECK(withText.Bytes() == before.Bytes());
    }
    withText.RemoveKey(text(target.section), text(target.key));
    const IniText removed(withText.Bytes());
    if (removed.IsUtf8() == withText.IsUtf8())
        FUZZ_CHECK(!removed.Value(text(target.section), text(target.key)));
    return 0;
}
