// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_check.h"
#include "learning/rtf_reader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// The reader takes any bytes: it must neither fail nor hang, and whatever it
// puts into the document is real characters.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv); // documents measure text in fonts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument document;
    ReadRtf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &document);
    const QString text = document.toRawText();
    for (qsizetype i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(!text[i].isNull());
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else
            FUZZ_CHECK(!text[i].isSurrogate());
    }
    return 0;
}
