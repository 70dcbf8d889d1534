// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include "kit/number_text.h"
#include "ui/error_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

#include <memory>

namespace {

const QString kSourceLanguage = QStringLiteral("ru");
const QString kLanguageKey = QStringLiteral("language");
// The program's translations, one file for each language but Russian.
const QString kTranslationsFolder = QStringLiteral(":/i18n");

std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("optika"), QStringLiteral("optika"));
}

// The translators installed now, so that a switch replaces them.
struct InstalledTranslations {
    QString code = kSourceLanguage;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

InstalledTranslations& installed()
{
    static InstalledTranslations translations;
    return translations;
}

// A translator with that file loaded, or nullptr where there is none: the
// source language has no file of the program's, English none of Qt's.
std::unique_ptr<QTranslator> loaded(const QString& code, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(code), name, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

class LanguageChangeWatcher : public QObject {
public:
    LanguageChangeWatcher(QWidget* window, std::function<void()> retranslate)
        : QObject(window), retranslate_(std::move(retranslate))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            RunGuarded(retranslate_);
        return false;
    }

private:
    std::function<void()> retranslate_;
};

} // namespace

QStringList AvailableLanguages()
{
    QStringList codes{kSourceLanguage};
    const QStringList files = QDir(kTranslationsFolder).entryList({QStringLiteral("optika_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.section(u'_', 1).section(u'.', 0, 0);
    return codes;
}

QString LanguageName(const QString& code)
{
    static const char* const kName = QT_TRANSLATE_NOOP("Language", "Русский");
    if (IsSourceLanguage(code))
        return QString::fromUtf8(kName);
    const std::unique_ptr<QTranslator> translator = loaded(code, QStringLiteral("optika"), kTranslationsFolder);
    const QString name = translator ? translator->translate("Language", kName) : QString();
    return name.isEmpty() ? QLocale(code).nativeLanguageName() : name;
}

QString LanguageForLocale(const QLocale& locale)
{
    const QString code = QLocale::languageToCode(locale.language());
    return AvailableLanguages().contains(code) ? code : kSourceLanguage;
}

QString ChosenLanguage()
{
    const QString chosen = settings()->value(kLanguageKey).toString();
    if (AvailableLanguages().contains(chosen))
        return chosen;
    // The language of messages (LANGUAGE, LC_MESSAGES, LANG), not of numbers.
    return LanguageForLocale(QLocale(QLocale::system().uiLanguages().value(0)));
}

void InstallLanguage(QCoreApplication& application, const QString& code)
{
    InstalledTranslations& now = installed();
    bool announced = false; // each removal and installation tells every window
    for (auto* translator : {now.program.get(), now.qt.get()})
        if (translator)
            announced |= application.removeTranslator(translator);
    const bool switched = now.code != code;
    now.code = code;
    SetDecimalSeparator(QLocale(code).decimalPoint().front());
    now.program = IsSourceLanguage(code) ? nullptr : loaded(code, QStringLiteral("optika"), kTranslationsFolder);
    // Qt's own dialogs and boxes (files, printing, Yes and No) from the
    // system's Qt translations.
    now.qt = loaded(code, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (auto* translator : {now.program.get(), now.qt.get()})
        if (translator)
            announced |= application.installTranslator(translator);
    // A switch between two languages without translators still rewrites the
    // numbers with the new language's decimal separator.
    if (switched && !announced) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&application, &change);
    }
}

QString CurrentLanguage()
{
    return installed().code;
}

bool IsSourceLanguage(const QString& code)
{
    return code == kSourceLanguage;
}

void SetLanguage(const QString& code)
{
    settings()->setValue(kLanguageKey, code);
    InstallLanguage(*QCoreApplication::instance(), code);
}

QString LocalisedPath(const QString& path)
{
    if (IsSourceLanguage())
        return path;
    const QFileInfo file(path);
    const QString localised = file.dir().filePath(CurrentLanguage() + QLatin1Char('/') + file.fileName());
    return QFileInfo::exists(localised) ? localised : path;
}

void RetranslateOnLanguageChange(QWidget* window, std::function<void()> retranslate)
{
    new LanguageChangeWatcher(window, std::move(retranslate));
}
