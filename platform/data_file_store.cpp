#include "data_file_store.h"

#include "core/data_file.h"

#include <QFile>
#include <QSaveFile>
#include <cstdint>
#include <vector>

namespace nudgery {

void DataFileStore::Load(ReminderListSink& sink, const Clock& clock) const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return; // absent or unreadable: both lists stay empty
    }
    // A read error part way gives the bytes read so far, which load like a cut file.
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> data(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    DecodeDataFile(data, sink, clock);
}

void DataFileStore::Save(std::span<const TReminder* const> oneTime,
                         std::span<const TReminder* const> repeating) const {
    const std::vector<std::uint8_t> bytes = EncodeDataFile(oneTime, repeating);

    // The new content goes to a temporary file beside the old one; commit() flushes it to
    // disk and renames it over the old file. Until then the old file is untouched, and an
    // uncommitted temporary file is removed when `file` goes out of scope.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        throw DataFileError(QStringLiteral("Cannot create file %1").arg(path_).toStdString());
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush() ||
        !file.commit()) {
        throw DataFileError("Stream write error");
    }
}

} // namespace nudgery
