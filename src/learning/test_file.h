// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/ini_text.h"
#include "learning/test_content.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A test file as a teacher edits it: its bytes and the test they hold. An
// edit written back changes only the lines of what changed; comments,
// unknown sections and keys, the line ends and the code page stay as found.
class TestFile {
public:
    // The encoding of the bytes an edit is written in.
    enum class Encoding {
        AsFound,     // the file's own: Windows-1251, or UTF-8 with or without its mark
        Utf8WithBom, // the whole file converted, for text Windows-1251 lacks
    };

    // An empty file in Windows-1251 with CR LF line ends, for a new test.
    TestFile();

    // The test in `bytes`, or nothing and the reason in `error` when they
    // hold no section "Тест" or no question "Вопрос №1". With a count of
    // questions the test has that many, a missing section reading as an
    // empty question; without one, the questions up to the first missing.
    static std::optional<TestFile> Read(const QByteArray& bytes, QString* error);
    // The test in the file at `path`; `error` names the file.
    static std::optional<TestFile> Load(const QString& path, QString* error);

    TestContent content() const { return content_; }

    // The file with `edited` written into it, or nothing when the encoding
    // lacks a character of the edit. Keys whose value did not change keep
    // their lines byte for byte; the counts of questions and answers are
    // written as the test window reads them; a question removed from the
    // end takes its keys along, and its section when nothing else is left
    // in it; a question added gets a section at the end.
    std::optional<QByteArray> Bytes(const TestContent& edited, Encoding encoding = Encoding::AsFound) const;
    // Whether `edited` has characters that the file's Windows-1251 lacks,
    // so that only Encoding::Utf8WithBom can save it.
    bool NeedsUtf8(const TestContent& edited) const { return !Bytes(edited); }

private:
    explicit TestFile(const QByteArray& bytes);

    IniText text_;
    TestContent content_;
};

// Writes `bytes` as the new content of the test file at `path`, keeping its
// previous version as "<file name>.bak" beside it (Test.ini.bak). The new
// bytes reach the disk before the backup is replaced, and the file last, so
// a write that fails leaves the old file and its backup as they were (but
// for the final rename: should that fail, the backup already holds the file
// as it still is); false then, with a message naming the file in `error`.
bool SaveTestFile(const QString& path, const QByteArray& bytes, QString* error);
