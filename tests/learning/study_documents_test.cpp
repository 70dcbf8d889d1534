// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_reader.h"
#include "learning/test_file.h"
#include "models/lens/lens_geometry.h"
#include "models/reflection/reflection_geometry.h"
#include "models/refraction/prism_trace.h"
#include "models/refraction/refraction_geometry.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

QString dataPath(const QString& name)
{
    return QStringLiteral(OPTIKA_DATA "/txt/") + name;
}

QStringList& warnings()
{
    static QStringList list;
    return list;
}

// Reads a shipped document (by its path), noting every warning Qt gives
// meanwhile.
std::unique_ptr<QTextDocument> readDocumentAt(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    auto document = std::make_unique<QTextDocument>();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            warnings() << text;
    });
    ReadRtf(file.readAll(), document.get());
    qInstallMessageHandler(previous);
    return document;
}

std::unique_ptr<QTextDocument> readDocument(const QString& name)
{
    return readDocumentAt(dataPath(name));
}

QStringList lines(const QTextDocument& document)
{
    return document.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(StudyDocuments, EveryShippedDocumentReadsWithoutAWarning)
{
    const QStringList names = QDir(QStringLiteral(OPTIKA_DATA "/txt")).entryList({QStringLiteral("*.rtf")});
    for (const char* name : {"slovar.rtf", "voprosi.rtf", "zadachi.rtf", "k1.rtf", "dk.rtf"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        warnings().clear();
        const auto document = readDocument(name);
        EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
        EXPECT_GT(document->characterCount(), 500);
        EXPECT_TRUE(document->toPlainText().contains(QStringLiteral("о"))) << "no Russian text";
    }
}

// The dictionary's entries: a bold headword, a dash and its definition.
struct Entry {
    QString headword;
    QString definition;
};

QList<Entry> dictionaryEntries(const QString& name = QStringLiteral("slovar.rtf"))
{
    const auto document = readDocument(name);
    QList<Entry> entries;
    for (QTextBlock block = document->begin().next(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        QString headword;
        for (auto it = block.begin(); !it.atEnd() && it.fragment().charFormat().fontWeight() >= QFont::Bold; ++it)
            headword += it.fragment().text();
        const QString rest = block.text().mid(headword.size());
        EXPECT_FALSE(headword.isEmpty()) << block.text().toStdString();
        EXPECT_TRUE(rest.startsWith(QStringLiteral(" — "))) << block.text().toStdString();
        entries << Entry{headword.trimmed(), rest.mid(3)};
    }
    return entries;
}

// Each language's glossary in the alphabetical order of its language.
TEST(StudyDocuments, TheDictionaryHasFortyBoldTermsInAlphabeticalOrder)
{
    const struct {
        const char* file;
        QLocale::Language language;
        const char* first;
        const char* umbra;
        const char* penumbra;
    } glossaries[] = {
        {"slovar.rtf", QLocale::Russian, "Абсолютный показатель преломления", "Тень", "Полутень"},
        {"en/slovar.rtf", QLocale::English, "Absolute refractive index", "Umbra", "Penumbra"},
    };
    for (const auto& glossary : glossaries) {
        SCOPED_TRACE(glossary.file);
        const QList<Entry> entries = dictionaryEntries(QString::fromLatin1(glossary.file));
        ASSERT_GE(entries.size(), 40);
        EXPECT_EQ(entries.first().headword, QString::fromUtf8(glossary.first));
        const QCollator collator{QLocale(glossary.language)};
        QStringList headwords;
        for (const Entry& entry : entries)
            headwords << entry.headword;
        for (int i = 1; i < headwords.size(); ++i)
            EXPECT_LT(collator.compare(headwords[i - 1], headwords[i]), 0) << headwords[i].toStdString();
        EXPECT_TRUE(headwords.contains(QString::fromUtf8(glossary.umbra)));
        EXPECT_TRUE(headwords.contains(QString::fromUtf8(glossary.penumbra)));
    }
}

TEST(StudyDocuments, EachDefinitionIsOneToThreeSentences)
{
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](\\s+(?=[А-ЯЁA-Z])|$)"));
    for (const Entry& entry : dictionaryEntries()) {
        const int sentences = int(entry.definition.count(sentenceEnd));
        EXPECT_GE(sentences, 1) << entry.headword.toStdString();
        EXPECT_LE(sentences, 3) << entry.headword.toStdString();
    }
}

// Numbered paragraphs ("12.<tab>text") by their numbers.
std::map<int, QString> numbered(const QStringList& lines)
{
    static const QRegularExpression item(QStringLiteral("^(\\d+)\\.\\t(.*)$"));
    std::map<int, QString> items;
    for (const QString& line : lines) {
        const auto match = item.match(line);
        if (match.hasMatch())
            items[match.captured(1).toInt()] = match.captured(2);
    }
    return items;
}

TEST(StudyDocuments, ThirtyQuestionsStandUnderTheFiveTopics)
{
    const QStringList text = lines(*readDocument(QStringLiteral("voprosi.rtf")));
    const std::map<int, QString> questions = numbered(text);
    ASSERT_GE(questions.size(), 30u);
    EXPECT_EQ(questions.rbegin()->first, int(questions.size())); // numbered 1, 2, ... without gaps
    for (const auto& [n, question] : questions)
        EXPECT_TRUE(question.endsWith(QLatin1Char('?')) || question.endsWith(QLatin1Char('.'))) << n;
    int topic = -1;
    const QStringList topics = {"Распространение света. Тень и полутень", "Отражение света. Плоское зеркало",
                                "Преломление света. Полное внутреннее отражение",
                                "Плоскопараллельная пластинка и призма", "Линзы. Построение изображений"};
    for (const QString& heading : topics) {
        const int at = int(text.indexOf(heading));
        EXPECT_GT(at, topic) << heading.toStdString();
        topic = at;
    }
}

// The eight models, by the titles of their sheets.
const QStringList kModels = {
    "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА", "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА",
    "ЗАКОН ОТРАЖЕНИЯ", "ПЛОСКОЕ ЗЕРКАЛО", "ЗАКОН ПРЕЛОМЛЕНИЯ", "ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ",
    "ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ ПРИЗМЕ", "ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР",
};

class ProblemsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QStringList text = lines(*readDocument(QStringLiteral("zadachi.rtf")));
        const int answersAt = int(text.indexOf(QStringLiteral("ОТВЕТЫ")));
        ASSERT_GT(answersAt, 0);
        problems = numbered(text.mid(0, answersAt));
        answers = numbered(text.mid(answersAt));
        static const QRegularExpression check(QStringLiteral("^Проверка: модель «([^»]+)»"));
        for (const QString& line : text.mid(0, answersAt)) {
            const auto match = check.match(line);
            if (match.hasMatch())
                checks << match.captured(1);
        }
    }

    static std::map<int, QString> problems;
    static std::map<int, QString> answers;
    static QStringList checks;
};

std::map<int, QString> ProblemsTest::problems;
std::map<int, QString> ProblemsTest::answers;
QStringList ProblemsTest::checks;

TEST_F(ProblemsTest, TwentyProblemsEachWithItsModelAndItsAnswer)
{
    ASSERT_GE(problems.size(), 20u);
    EXPECT_EQ(problems.rbegin()->first, int(problems.size()));
    EXPECT_EQ(answers.size(), problems.size());
    EXPECT_EQ(checks.size(), int(problems.size())) << "one model to check each problem on";
    for (const QString& model : checks)
        EXPECT_TRUE(kModels.contains(model.toUpper())) << model.toStdString();
}

// A number as the answers write it: a decimal comma and a true minus sign.
QString written(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(',')).replace(
        QLatin1Char('-'), QChar(0x2212));
}

// The shadow edges of the one-source model, as its sheet computes them.
double umbraEdge(double s, double h, double d, double L)
{
    return ((h - s) * L) / d + s;
}

double penumbraEdge(double s, double h, double d, double L)
{
    return (h + s) * L / d - s;
}

struct ModelAnswer {
    int problem;
    std::function<QStringList()> expected; // what the answer must say, from the model
};

void PrintTo(const ModelAnswer& answer, std::ostream* os)
{
    *os << "problem " << answer.problem;
}

class AnswersAgreeWithTheModels : public ProblemsTest, public ::testing::WithParamInterface<ModelAnswer> {};

TEST_P(AnswersAgreeWithTheModels, AtTheProblemsData)
{
    const auto answer = answers.find(GetParam().problem);
    ASSERT_NE(answer, answers.end());
    for (const QString& part : GetParam().expected())
        EXPECT_TRUE(answer->second.contains(part)) << answer->second.toStdString() << "\nlacks " << part.toStdString();
}

double refractionAngle(int p, int s1, int s2)
{
    const RefractionInputs in = RefractionInputsOf(p, s1, s2);
    return double(RefractionAngle(in.A, in.n1, in.n2).value_or(-1));
}

double limitingAngle(int s1, int s2)
{
    const RefractionInputs in = RefractionInputsOf(90, s1, s2);
    return double(LimitingAngle(in.n1, in.n2).value_or(-1));
}

LensNumbers lens(LensKind kind, int F, int d, int h1)
{
    return ComputeLens(kind, F, d, h1);
}

const auto converging = LensKind::Converging;

INSTANTIATE_TEST_SUITE_P(Problems, AnswersAgreeWithTheModels, ::testing::Values(
    ModelAnswer{1, [] {
        const auto r = ComputeReflectionReadouts(35, 0);
        return QStringList{"Угол отражения " + written(r.reflectedAngle, 0) + "°",
                           "между лучами " + written(r.rayAngle + r.reflectedAngle, 0) + "°"};
    }},
    ModelAnswer{2, [] { return QStringList{written(2 * 120, 0) + " см"}; }},
    ModelAnswer{3, [] { return QStringList{"D = " + written(lens(converging, 20, 60, 10).D, 0) + " дптр"}; }},
    ModelAnswer{4, [] {
        const auto r = ComputeReflectionReadouts(50, 0);
        EXPECT_EQ(r.rayAngle + r.reflectedAngle, 100); // the angle the problem gives
        return QStringList{written(r.rayAngle, 0) + "°"};
    }},
    ModelAnswer{5, [] { return QStringList{"На " + written(2 * 200 - 2 * 150, 0) + " см", "было 300 см, стало 400 см"}; }},
    ModelAnswer{6, [] { return QStringList{"R = " + written(umbraEdge(0, 30, 100, 300), 0) + " см"}; }},
    ModelAnswer{7, [] {
        const RefractionInputs in = RefractionInputsOf(90, 100, 241);
        return QStringList{"v ≈ " + written(double(LightSpeedIn(in.n2)) / 1e8, 2) + "·10"};
    }},
    ModelAnswer{8, [] {
        const int turn = ComputeReflectionReadouts(30, 10).reflectedAngle - ComputeReflectionReadouts(30, 0).reflectedAngle;
        return QStringList{"На " + written(turn, 0) + "°"};
    }},
    ModelAnswer{9, [] {
        const auto r = lens(converging, 20, 60, 10);
        return QStringList{"f = " + written(r.f, 0) + " см", "Г = " + written(r.G, 1)};
    }},
    ModelAnswer{10, [] {
        const auto r = lens(converging, 20, 30, 10);
        return QStringList{"f = " + written(r.f, 0) + " см", "H = " + written(r.h2, 0) + " см", "Г = " + written(r.G, 0)};
    }},
    ModelAnswer{11, [] { return QStringList{"β ≈ " + written(refractionAngle(90, 132, 150), 1) + "°"}; }},
    ModelAnswer{12, [] {
        const RefractionInputs in = RefractionInputsOf(80, 119, 179);
        return QStringList{"n21 = " + written(double(in.n2 / in.n1), 1),
                           "β ≈ " + written(refractionAngle(80, 119, 179), 1) + "°"};
    }},
    ModelAnswer{13, [] { return QStringList{"α0 ≈ " + written(limitingAngle(150, 132), 1) + "°"}; }},
    ModelAnswer{14, [] {
        EXPECT_EQ(refractionAngle(120, 159, 132), -1) << "total internal reflection";
        return QStringList{"Не выйдет", "α0 ≈ " + written(limitingAngle(159, 132), 1) + "°"};
    }},
    ModelAnswer{15, [] {
        EXPECT_EQ(lens(converging, 25, 50, 10).G, -1); // real and inverted
        EXPECT_EQ(LensCaseText(25, 50), "d=2F");
        return QStringList{"d = 50 см"};
    }},
    ModelAnswer{16, [] {
        const auto r = lens(LensKind::Diverging, 40, 60, 10);
        return QStringList{"f = " + written(r.f, 0) + " см", "мнимое, прямое, уменьшенное", "Г = −f/d = " + written(r.G, 1)};
    }},
    ModelAnswer{17, [] {
        return QStringList{"Радиус тени " + written(umbraEdge(20, 30, 300, 600), 0) + " см",
                           "радиус полутени " + written(penumbraEdge(20, 30, 300, 600), 0) + " см"};
    }},
    ModelAnswer{18, [] {
        // The plate's sheet: A = 60, n2 = s/100 + 0.01 at s = 149, d = t/10 + 0.1 at t = 29.
        const double pi = 3.14159265358979323846, A = 60 * pi / 180, n2 = 149 / 100.0 + 0.01, d = 29 / 10.0 + 0.1;
        const double B = std::asin(std::sin(A) / n2);
        const double shift = std::cos(A) * (std::tan(A) - std::tan(B)) * d;
        return QStringList{"β ≈ " + written(B * 180 / pi, 1) + "°", "смещение ≈ " + written(shift, 2) + " см"};
    }},
    ModelAnswer{19, [] {
        const auto r = lens(converging, 50, 30, 20);
        return QStringList{"f = " + written(r.f, 0) + " см", "H = " + written(std::fabs(r.h2), 0) + " см",
                           "Г = −f/d = " + written(r.G, 1)};
    }},
    ModelAnswer{20, [] {
        const auto r = lens(converging, 30, 50, 10);
        EXPECT_EQ(r.f, 75); // the distance the problem gives
        return QStringList{"F = 30 см", "D ≈ " + written(r.D, 2) + " дптр"};
    }},
    ModelAnswer{21, [] {
        const auto r = lens(converging, 30, 40, 10);
        EXPECT_EQ(r.G, -3); // the magnification the problem gives, of a real image
        return QStringList{"f = " + written(r.f, 0) + " см", "F = 30 см"};
    }},
    ModelAnswer{22, [] {
        // The prism of F = 20 at n = 1,50 (s = 149), the ray at its default angle.
        const std::optional<long double> deviation = TracePrism(13, 20, 149).deviation;
        EXPECT_TRUE(deviation);
        return QStringList{"δ = " + written(double(deviation.value_or(0)), 0) + "°"};
    }},
    ModelAnswer{23, [] {
        EXPECT_NEAR(umbraEdge(60, 30, 100, 200), 0, 1e-9);
        return QStringList{"L = 200 см"};
    }}),
    [](const ::testing::TestParamInfo<ModelAnswer>& info) { return "Problem" + std::to_string(info.param.problem); });

// The paragraphs of a document, or the lines of a test: its title, then each
// question's text, its answers and the number of the right one.
QStringList documentLines(const QString& path)
{
    return lines(*readDocumentAt(QStringLiteral(OPTIKA_DATA "/") + path));
}

// The English glossary's lines in the order of the Russian one: its
// source is parallel to the Russian source, entry for entry, and each
// document sets its entries in its own alphabetical order.
QStringList glossaryLinesInRussianOrder(const QString& path)
{
    QFile source(QStringLiteral(OPTIKA_DATA "/../tools/study_texts/en/slovar.txt"));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly | QIODevice::Text));
    static const QRegularExpression headword(QStringLiteral("^\\*\\*(.+?)\\*\\*"), QRegularExpression::MultilineOption);
    QStringList order;
    for (auto it = headword.globalMatch(QString::fromUtf8(source.readAll())); it.hasNext();)
        order << it.next().captured(1);
    QStringList text = documentLines(path);
    std::stable_sort(text.begin(), text.end(), [&order](const QString& a, const QString& b) {
        const auto place = [&order](const QString& line) { return order.indexOf(line.section(QStringLiteral(" — "), 0, 0)); };
        return place(a) < place(b); // the title, no entry, keeps its place before them
    });
    return text;
}

QStringList testLines(const QString& path)
{
    QString error;
    const std::optional<TestFile> file = TestFile::Load(QStringLiteral(OPTIKA_DATA "/") + path, &error);
    EXPECT_TRUE(file) << error.toStdString();
    if (!file)
        return {};
    QStringList text{file->content().title};
    for (const TestQuestion& question : file->content().questions)
        text << question.text << question.answers << QStringLiteral("right: %1").arg(question.correct);
    return text;
}

// The numbers a text states, in the English way: "1,24" reads "1.24", and a
// minus sign as a hyphen. Digits that belong to a symbol (n21, α0) are no
// numbers.
std::string numbersIn(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("(?<![\\p{L}\\d.,])[−+-]?\\d+(?:[.,]\\d+)?"));
    QStringList found;
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured().replace(QLatin1Char(','), QLatin1Char('.')).replace(QChar(0x2212), QLatin1Char('-'));
    return found.join(QLatin1Char(' ')).toStdString();
}

QStringList quoted(const QString& text, const QRegularExpression& quote)
{
    QStringList found;
    for (auto it = quote.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// A caption as a document quotes it: without its mnemonic's "&", its
// colon and its case.
QString asQuoted(QString caption)
{
    return caption.remove(QLatin1Char('&')).simplified().remove(QRegularExpression(QStringLiteral(":$"))).toLower();
}

// The program's texts and their English translations, as documents quote them.
std::multimap<QString, QString> englishCaptions()
{
    QFile file(QStringLiteral(OPTIKA_DATA "/../translations/optika_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::multimap<QString, QString> captions;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = asQuoted(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        else if (xml.name() == QLatin1String("translation"))
            captions.emplace(source, asQuoted(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
    return captions;
}

struct Counterparts {
    const char* russian;
    const char* english;
    QStringList (*read)(const QString& path);
};

// Every English document and the test say what the Russian ones say: line for
// line, with the same numbers, and a name in quotation marks (a model, a
// control, a readout) is always given the same English name: the one the
// program shows where it is a name of the program's.
TEST(EnglishContent, SaysWhatTheRussianSaysLineForLine)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    static const QRegularExpression russianQuote(QStringLiteral("«([^»]+)»"));
    static const QRegularExpression englishQuote(QStringLiteral("“([^”]+)”"));
    std::map<QString, QString> englishOf, russianOf;
    const std::multimap<QString, QString> captions = englishCaptions();
    ASSERT_GT(captions.size(), 500u);
    const Counterparts table[] = {
        {"txt/slovar.rtf", "txt/en/slovar.rtf", glossaryLinesInRussianOrder}, {"txt/voprosi.rtf", "txt/en/voprosi.rtf", documentLines},
        {"txt/zadachi.rtf", "txt/en/zadachi.rtf", documentLines}, {"txt/k1.rtf", "txt/en/k1.rtf", documentLines},
        {"txt/k2.rtf", "txt/en/k2.rtf", documentLines},           {"txt/k3.rtf", "txt/en/k3.rtf", documentLines},
        {"txt/k4.rtf", "txt/en/k4.rtf", documentLines},           {"txt/dk.rtf", "txt/en/dk.rtf", documentLines},
        {"Test.ini", "en/Test.ini", testLines},
    };
    for (const Counterparts& file : table) {
        SCOPED_TRACE(file.english);
        const QStringList russian = file.read(QString::fromLatin1(file.russian));
        warnings().clear();
        const QStringList english = file.read(QString::fromLatin1(file.english));
        EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
        EXPECT_GT(russian.size(), 10);
        if (english.size() != russian.size()) { // one lost or extra line would mismatch all those after it
            ADD_FAILURE() << english.size() << " lines where the Russian has " << russian.size();
            continue;
        }
        for (int i = 0; i < english.size(); ++i) {
            const std::string where = "\n" + russian[i].toStdString() + "\n" + english[i].toStdString();
            EXPECT_FALSE(english[i].contains(cyrillic)) << where;
            EXPECT_EQ(numbersIn(english[i]), numbersIn(russian[i])) << where;
            const QStringList ru = quoted(russian[i], russianQuote), en = quoted(english[i], englishQuote);
            EXPECT_EQ(en.size(), ru.size()) << where;
            for (int q = 0; q < std::min(en.size(), ru.size()); ++q) {
                EXPECT_EQ(englishOf.try_emplace(ru[q], en[q]).first->second, en[q]) << where;
                EXPECT_EQ(russianOf.try_emplace(en[q], ru[q]).first->second, ru[q]) << where;
                const auto [first, last] = captions.equal_range(asQuoted(ru[q]));
                QStringList shown;
                for (auto it = first; it != last; ++it)
                    shown << it->second;
                EXPECT_TRUE(shown.isEmpty() || shown.contains(asQuoted(en[q])))
                    << where << "\nthe program shows: " << shown.join(" | ").toStdString();
            }
        }
    }
}

} // namespace
