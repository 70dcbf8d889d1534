// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;
class QWidget;

// The language the program speaks, by its code: "ru", its own language, in
// which every text is written, or "en", the first translation.

// Russian and the languages the program has translations for, in the
// order of their codes after Russian.
QStringList AvailableLanguages();
// That language's name in itself: "Русский", "English".
QString LanguageName(const QString& code);
// The language for a system locale: its own where the program has it,
// else Russian.
QString LanguageForLocale(const QLocale& locale);
// The language chosen in the help window, if one was, else the system's.
QString ChosenLanguage();
// Installs the program's and Qt's own translations into that language, in
// place of any installed before; every window then receives a LanguageChange.
void InstallLanguage(QCoreApplication& application, const QString& code);
// The language installed last; "ru" before any.
QString CurrentLanguage();
// Whether that language is Russian, in which every text is written.
bool IsSourceLanguage(const QString& code = CurrentLanguage());
// Switches the running program to that language and remembers the choice.
void SetLanguage(const QString& code);

// The file at `path` in the language installed: ".../txt/slovar.rtf" is
// ".../txt/en/slovar.rtf" in English, where there is one; `path` itself in
// Russian and where the language has no file of its own.
QString LocalisedPath(const QString& path);

// Runs `retranslate` on every language change that reaches `window`, guarded:
// there a window sets its layout's texts anew and then those its code sets.
void RetranslateOnLanguageChange(QWidget* window, std::function<void()> retranslate);
