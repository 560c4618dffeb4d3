#pragma once
// A scratch folder per test, with helpers to put hand-written files in it and read them back.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace nudgery {

class TempFolder {
public:
    TempFolder() { EXPECT_TRUE(dir_.isValid()); }

    QString Path(const QString& name) const { return dir_.filePath(name); }
    // The folder with a trailing separator, as the program's folder is given.
    QString Folder() const { return dir_.path() + '/'; }

    QString Write(const QString& name, const std::string& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return Path(name);
    }

    std::string Read(const QString& name) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().toStdString();
    }

private:
    QTemporaryDir dir_;
};

} // namespace nudgery
