#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace nudgery {

namespace {

const QString ProgramPrefix = QStringLiteral("nudgery_");

bool IsEnglish(const QString& language) {
    return language == QLatin1String("C") || language == QLatin1String("POSIX") ||
           language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

} // namespace

QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available) {
    for (QString language : uiLanguages) {
        language.replace(u'-', u'_');
        if (IsEnglish(language))
            return {};
        // "de_AT" is served by "de_AT", else by "de".
        if (available.contains(language))
            return language;
        const QString base = language.section(u'_', 0, 0);
        if (IsEnglish(base))
            return {};
        if (available.contains(base))
            return base;
    }
    return {};
}

QString FindTranslationsFolder(const QString& executableFolder) {
    const QDir folder(executableFolder);
    const QString beside = folder.absoluteFilePath(QStringLiteral("translations"));
    const QString installed =
        QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/nudgery/translations")));
    return !QFileInfo(beside).isDir() && QFileInfo(installed).isDir() ? installed : beside;
}

ProgramTranslations::ProgramTranslations(const QString& folder, const QStringList& uiLanguages) {
    QStringList available;
    const QStringList files =
        QDir(folder).entryList({ProgramPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        available << QFileInfo(file).completeBaseName().mid(ProgramPrefix.size());
    const QString chosen = ChooseTranslation(uiLanguages, available);
    if (chosen.isEmpty() || !program_.load(ProgramPrefix + chosen, folder))
        return;
    language_ = chosen;
    QCoreApplication::installTranslator(&program_);
    // Qt's own texts; without them (qt6-translations-l10n missing) its buttons stay English.
    if (qt_.load(QStringLiteral("qtbase_") + chosen,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt_.load(QStringLiteral("qtbase_") + chosen.section(u'_', 0, 0),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

ProgramTranslations::~ProgramTranslations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace nudgery
