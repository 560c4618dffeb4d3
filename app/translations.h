#pragma once
// The program in the user's language: its own translation and Qt's (the file chooser's and
// the message boxes' buttons), chosen from the languages the user prefers (LANGUAGE,
// LC_MESSAGES, LANG, as QLocale reads them). English is the program's own language: where
// the user puts English before any language the program has, or has none (LANG=C), nothing
// is loaded and the texts stay as written.

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace nudgery {

// The first of the user's languages ("de-AT", "fr", "C") that the program speaks: English,
// or one of `available` ("de", "fr_CA"), in its own or its language's name; empty for
// English.
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available);

// The folder of the .qm files: "translations" beside the program in a build, else
// ../share/nudgery/translations of an installed one.
QString FindTranslationsFolder(const QString& executableFolder);

// Installs the translations for the application's lifetime, as long as this lives.
class ProgramTranslations {
public:
    ProgramTranslations(const QString& folder, const QStringList& uiLanguages);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // The language loaded ("de"); empty when the program speaks English.
    const QString& Language() const { return language_; }

private:
    QString language_;
    QTranslator program_;
    QTranslator qt_;
};

} // namespace nudgery
