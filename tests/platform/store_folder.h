#pragma once
// A scratch folder holding a data file, with what the store's tests look at in it.

#include "platform/data_file_store.h"
#include "platform/durable_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgery {

class StoreFolder {
public:
    StoreFolder() { EXPECT_TRUE(dir_.isValid()); }

    QString Folder() const { return dir_.path(); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    DataFileStore Store() const { return DataFileStore(Path("Nudgery.dat")); }

    // The bytes of a file of the folder; empty when it cannot be read.
    FileBytes Bytes(const QString& name) const {
        const FileRead file = ReadWholeFile(Path(name));
        EXPECT_EQ(file.outcome, FileRead::Outcome::Read) << name.toStdString();
        return FileBytes(file.bytes.begin(), file.bytes.end());
    }
    void Write(const QString& name, const FileBytes& bytes) const {
        ASSERT_EQ(WriteFileFlushed(Path(name), bytes, std::nullopt), FileWriteOutcome::Written);
    }

    // Every name in the folder, sorted.
    QStringList Entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

private:
    QTemporaryDir dir_;
};

} // namespace nudgery
