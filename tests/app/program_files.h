#pragma once
// The built program's files a copy of it needs: the program and its window's module beside
// it, where a copy finds the module first, whoever runs it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace nudgery::testing {

// Copies the program and its module into `folder`; the program's path there, or empty when
// a file could not be copied.
inline QString CopyProgramInto(const QString& folder) {
    const QDir dir(folder);
    const QString program = dir.filePath(QStringLiteral("nudgery"));
    const QString module = dir.filePath(QFileInfo(QStringLiteral(NUDGERY_WINDOW_PATH)).fileName());
    if (!QFile::copy(QStringLiteral(NUDGERY_PATH), program) ||
        !QFile::copy(QStringLiteral(NUDGERY_WINDOW_PATH), module))
        return {};
    return program;
}

} // namespace nudgery::testing
