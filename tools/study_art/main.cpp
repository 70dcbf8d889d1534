// SPDX-License-Identifier: GPL-3.0-or-later
// optika-study-art SOURCE_DIR OUT_DIR
// Renders the pictures of the study windows into OUT_DIR: the two pages of
// the reference sheet from SOURCE_DIR/reference_sheet_1.html and _2.html,
// the seven formula pictures, the flask photograph and the briefcase. The
// pages, the formulas and the briefcase are drawn a second time at twice the
// resolution, as NAME@2x.png, for 2x screens; the photograph has the pixels
// for them already.
#include "artwork.h"
#include "formula.h"
#include "reference_sheet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <utility>

namespace {

struct FormulaPictureSpec {
    const char* source;
    QSize size;
};

// The formulas of the formula window, row by row, at the sizes of its layout.
const FormulaPictureSpec kFormulas[] = {
    {"α = β", {123, 65}},
    {"\\frac{sin α}{sin β} = n_{21} = \\frac{v_{света 1}}{v_{света 2}} = \\frac{n_2}{n_1}", {300, 88}},
    {"n_{среды} = \\frac{c}{v_{света в среде}}", {211, 77}},
    {"sin α_0 = \\frac{1}{n}", {135, 62}},
    {"\\frac{1}{d} + \\frac{1}{f} = \\frac{1}{F}", {219, 78}},
    {"D = \\frac{1}{F}", {113, 79}},
    {"Г = \\frac{H}{h} = −\\frac{f}{d}", {150, 78}},
};

bool save(const QImage& image, const QDir& out, const QString& name, int quality = -1)
{
    const QString path = out.filePath(name);
    if (!image.save(path, nullptr, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool renderPage(const QDir& sources, const QString& source, QSize size, qreal scale, const QDir& out,
                const QString& name)
{
    QFile file(sources.filePath(source));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return false;
    }
    const SheetPage page = RenderSheetPage(QString::fromUtf8(file.readAll()), size, scale);
    if (!page.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(page.error));
        return false;
    }
    // A page that runs too long is written all the same, to be looked at.
    const bool saved = save(page.image, out, name);
    if (page.overflow > 0)
        std::fprintf(stderr, "%s: %d pixels too long\n", qPrintable(source), page.overflow);
    return saved && page.overflow == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: optika-study-art SOURCE_DIR OUT_DIR\n", stderr);
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));

    bool ok = true;
    for (const auto& [scale, suffix] : {std::pair(1, ""), std::pair(2, "@2x")}) {
        const QString png = QLatin1String(suffix) + QStringLiteral(".png");
        ok = renderPage(sources, QStringLiteral("reference_sheet_1.html"), {926, 1338}, scale, out,
                        QStringLiteral("reference_1") + png) && ok;
        ok = renderPage(sources, QStringLiteral("reference_sheet_2.html"), {898, 1023}, scale, out,
                        QStringLiteral("reference_2") + png) && ok;
        int n = 0;
        for (const FormulaPictureSpec& formula : kFormulas) {
            ok = save(FormulaPicture(QString::fromUtf8(formula.source), formula.size, 26, scale), out,
                      QStringLiteral("formula_%1").arg(++n) + png) && ok;
        }
    }
    // A photograph is stored as one: a JPEG, at twice the size it is shown.
    ok = save(PaintFlaskPhoto({402, 386}), out, QStringLiteral("flask.jpg"), 88) && ok;
    ok = save(PaintBriefcase(64), out, QStringLiteral("briefcase.png")) && ok;
    ok = save(PaintBriefcase(128), out, QStringLiteral("briefcase@2x.png")) && ok;
    return ok ? 0 : 1;
}
