// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include "learning/result_journal.h"
#include "learning/rtf_reader.h"
#include "learning/test_file.h"
#include "learning/test_window.h"
#include "ui/error_box.h"

#include <QPushButton>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextStream>
#include <QTextTable>

#include <cstdio>

namespace {

void printQuestion(QTextStream& out, const TForm17& test)
{
    out << "question " << test.currentQuestion() << '=' << test.questionText() << '\n';
    int i = 0;
    for (QPushButton* button : test.answerButtons())
        out << "answer " << ++i << '=' << button->text() << '\n';
    out.flush();
}

// One line of the formatting the reader found in a document.
QString formattingSummary(const QTextDocument& document)
{
    int bold = 0, italic = 0, underline = 0, pictures = 0;
    QSet<QString> colours, sizes, alignments;
    QSet<const QTextTable*> tables;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        switch (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask) {
        case Qt::AlignHCenter: alignments << QStringLiteral("center"); break;
        case Qt::AlignRight: alignments << QStringLiteral("right"); break;
        case Qt::AlignJustify: alignments << QStringLiteral("justify"); break;
        default: break;
        }
        QTextCursor cursor(block);
        if (auto* table = cursor.currentTable())
            tables << table;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            bold += format.fontWeight() >= QFont::Bold;
            italic += format.fontItalic();
            underline += format.fontUnderline();
            pictures += format.isImageFormat();
            if (format.hasProperty(QTextFormat::ForegroundBrush))
                colours << format.foreground().color().name();
            if (format.hasProperty(QTextFormat::FontPointSize))
                sizes << QString::number(format.fontPointSize());
        }
    }
    const auto joined = [](const QSet<QString>& set) {
        QStringList list(set.begin(), set.end());
        list.sort();
        return list.join(QLatin1Char(','));
    };
    return QStringLiteral("formatting: bold=%1 italic=%2 underline=%3 colours=%4 sizes=%5 alignments=%6 tables=%7 pictures=%8")
        .arg(bold)
        .arg(italic)
        .arg(underline)
        .arg(joined(colours), joined(sizes), joined(alignments))
        .arg(tables.size())
        .arg(pictures);
}

} // namespace

int RunQuizVerb(const QStringList& args)
{
    if (args.isEmpty())
        return 2;
    QTextStream out(stdout);
    const auto printLines = [&out](const char* name, const QString& text) {
        for (const QString& line : text.split(QLatin1Char('\r')))
            out << name << '=' << line << '\n';
        out.flush();
    };
    SetMessageSink([&](const QString& text) { printLines("message", text); });
    SetErrorSink([&](const QString& text) { printLines("error", text); });

    TForm17 test(args.first());
    RunGuarded([&test] { test.FormCreate(); });
    out << "title=" << test.windowTitle() << '\n';

    const auto start = [&] {
        RunGuarded([&test] { test.BtnStartClick(); });
        if (!test.startVisible())
            printQuestion(out, test);
    };
    start();
    for (int i = 1; i < args.size(); ++i) {
        if (test.startVisible())
            start();
        const int answer = args[i].toInt();
        const QList<QPushButton*> buttons = test.answerButtons();
        if (buttons.isEmpty()) {
            out << "stuck at question " << test.currentQuestion() << '\n';
            break;
        }
        if (answer < 1 || answer > buttons.size()) {
            std::fprintf(stderr, "no answer %s\n", qPrintable(args[i]));
            return 1;
        }
        const int before = test.currentQuestion();
        buttons[answer - 1]->click();
        if (!test.startVisible() && test.currentQuestion() != before)
            printQuestion(out, test);
    }
    return 0;
}

int RunJournalVerb(const QString& folder)
{
    const JournalContents contents = ReadJournal(folder);
    QSet<QString> pupils, classes;
    for (const TestResult& result : contents.results) {
        pupils << result.pupilClass + QLatin1Char('\n') + result.pupilName;
        classes << result.pupilClass;
    }
    QTextStream out(stdout);
    out << "results=" << contents.results.size() << '\n'
        << "pupils=" << pupils.size() << '\n'
        << "classes=" << classes.size() << '\n'
        << "unreadable=" << contents.unreadable.size() << '\n';
    for (const QString& name : contents.unreadable)
        out << "unreadable file=" << name << '\n';
    return 0;
}

int RunRtfVerb(const QStringList& args)
{
    if (args.size() != 1)
        return 2;
    QTextDocument document;
    QString failure;
    SetErrorSink([&failure](const QString& text) { failure = text; });
    RunGuarded([&] { LoadRtfFile(args.first(), &document); });
    QTextStream out(stdout);
    if (!failure.isEmpty()) {
        out << "error=" << failure << '\n';
        return 1;
    }
    out << document.toPlainText() << '\n' << formattingSummary(document) << '\n';
    return 0;
}

int RunTestFileVerb(const QStringList& args)
{
    if (args.size() != 2 || (args[0] != QLatin1String("roundtrip") && args[0] != QLatin1String("check")))
        return 2;
    const QString& path = args[1];
    QString error;
    const std::optional<TestFile> file = TestFile::Load(path, &error);
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    if (args[0] == QLatin1String("check")) {
        QTextStream out(stdout);
        for (const QString& problem : CheckTest(file->content()))
            out << problem << '\n';
        return 0;
    }
    // What was read is there in the file's own encoding, so writing it back always succeeds.
    if (!SaveTestFile(path, file->Bytes(file->content()).value(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
