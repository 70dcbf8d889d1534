// SPDX-License-Identifier: GPL-3.0-or-later
// optika-study-art SOURCE_DIR OUT_DIR
// Renders the pictures of the study windows into OUT_DIR: the two pages of
// the reference sheet from SOURCE_DIR/reference_sheet_1.html and _2.html,
// the seven formula pictures, the flask photograph and the briefcase. The
// pictures with words are rendered again in English into OUT_DIR/en, the
// pages from SOURCE_DIR/en and the formulas from SOURCE_DIR/en/formulas.txt.
// The pages, the formulas and the briefcase are drawn a second time at twice
// the resolution, as NAME@2x.png, for 2x screens; the photograph has the
// pixels for them already.
#include "artwork.h"
#include "formula.h"
#include "reference_sheet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <iterator>
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

bool readSource(const QDir& sources, const QString& source, QString& text)
{
    QFile file(sources.filePath(source));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool renderPage(const QDir& sources, const QString& source, const QString& language, QSize size, qreal scale,
                const QDir& out, const QString& name)
{
    QString text;
    if (!readSource(sources, source, text))
        return false;
    const SheetPage page = RenderSheetPage(text, language, size, scale);
    if (!page.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sources.filePath(source)), qPrintable(page.error));
        return false;
    }
    // A page that runs too long is written all the same, to be looked at.
    const bool saved = save(page.image, out, name);
    if (page.overflow > 0)
        std::fprintf(stderr, "%s: %d pixels too long\n", qPrintable(sources.filePath(source)), page.overflow);
    return saved && page.overflow == 0;
}

// The formulas of a translation, one a line of `text`, blank lines and
// lines of "#" comments left out.
QStringList formulaLines(const QString& text)
{
    QStringList formulas;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString formula = line.trimmed();
        if (!formula.isEmpty() && !formula.startsWith(QLatin1Char('#')))
            formulas << formula;
    }
    return formulas;
}

// The pages, the formulas and the photograph in one language, from
// `sources` into `out`.
bool renderLanguage(const QDir& sources, const QString& language, const QStringList& formulas, const QDir& out)
{
    bool ok = true;
    for (const auto& [scale, suffix] : {std::pair(1, ""), std::pair(2, "@2x")}) {
        const QString png = QLatin1String(suffix) + QStringLiteral(".png");
        ok = renderPage(sources, QStringLiteral("reference_sheet_1.html"), language, {926, 1338}, scale, out,
                        QStringLiteral("reference_1") + png) && ok;
        ok = renderPage(sources, QStringLiteral("reference_sheet_2.html"), language, {898, 1023}, scale, out,
                        QStringLiteral("reference_2") + png) && ok;
        for (int n = 0; n < formulas.size(); ++n) {
            ok = save(FormulaPicture(formulas[n], kFormulas[n].size, 26, scale), out,
                      QStringLiteral("formula_%1").arg(n + 1) + png) && ok;
        }
    }
    // A photograph is stored as one: a JPEG, at twice the size it is shown.
    return save(PaintFlaskPhoto({402, 386}, language), out, QStringLiteral("flask.jpg"), 88) && ok;
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

    QStringList russian;
    for (const FormulaPictureSpec& formula : kFormulas)
        russian << QString::fromUtf8(formula.source);
    bool ok = renderLanguage(sources, QStringLiteral("ru"), russian, out);

    const QString english = QStringLiteral("en");
    QString text;
    if (!readSource(sources, QStringLiteral("en/formulas.txt"), text) || !out.mkpath(english))
        return 1;
    const QStringList formulas = formulaLines(text);
    if (formulas.size() != int(std::size(kFormulas))) {
        std::fprintf(stderr, "en/formulas.txt: %d formulas, %d wanted\n", int(formulas.size()), int(std::size(kFormulas)));
        return 1;
    }
    ok = renderLanguage(QDir(sources.filePath(english)), english, formulas, QDir(out.filePath(english))) && ok;

    ok = save(PaintBriefcase(64), out, QStringLiteral("briefcase.png")) && ok;
    ok = save(PaintBriefcase(128), out, QStringLiteral("briefcase@2x.png")) && ok;
    return ok ? 0 : 1;
}
