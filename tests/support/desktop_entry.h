#pragma once
// Reading a desktop entry file (share/applications/*.desktop) the way launchers do.

#include <QFile>
#include <QString>

namespace nudgery::testing {

// The value of `key` in the file's [Desktop Entry] group; empty when it has none.
inline QString DesktopEntryValue(const QString& file, const QString& key) {
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inGroup = false;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith('['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.section('=', 0, 0).trimmed() == key)
            return line.section('=', 1).trimmed();
    }
    return {};
}

} // namespace nudgery::testing
