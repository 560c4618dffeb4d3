#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace nudgery {

namespace {

QString WithTrailingSeparator(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

// Permission bits say little for root or a read-only mount: try to create a file.
bool CanCreateFilesIn(const QString& folder) {
    QTemporaryFile probe(WithTrailingSeparator(folder) + QStringLiteral("nudgery-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder) {
    if (CanCreateFilesIn(executableFolder))
        return WithTrailingSeparator(executableFolder);
    // When this cannot be created, the first write reports the path it could not write.
    QDir().mkpath(userDataFolder);
    return WithTrailingSeparator(userDataFolder);
}

QString ProgramFolder() {
    return ChooseProgramFolder(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace nudgery
