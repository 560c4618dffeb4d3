#include "platform/profile_file.h"

#include <QFile>
#include <QSaveFile>

namespace nudgery {

namespace {

std::string ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void SaveWholeFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ProfileWriteError(path);
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.flush() || !file.commit())
        throw ProfileWriteError(path);
}

} // namespace

ProfileWriteError::ProfileWriteError(const QString& path)
    : std::runtime_error("Unable to write to " + path.toLocal8Bit().toStdString()) {}

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    return FindProfileValue(ReadWholeFile(path_), section, key).value_or(std::string(defaultValue));
}

std::int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
    return ParseProfileInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    WriteStrings(section, {{key, std::string(value)}});
}

void ProfileFile::WriteStrings(std::string_view section,
                               std::initializer_list<ProfileEntry> entries) {
    std::string text;
    if (QFile::exists(path_)) {
        // An existing file that cannot be read must not be replaced by one holding a
        // single key.
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly))
            throw ProfileWriteError(path_);
        text = file.readAll().toStdString();
    }
    std::string changed = text;
    for (const ProfileEntry& entry : entries) {
        auto next = SetProfileValue(changed, section, entry.key, entry.value);
        if (!next)
            throw ProfileWriteError(path_);
        changed = std::move(*next);
    }
    // The window's placement is written back at every start and close, mostly unchanged:
    // the same text is not saved again.
    if (changed == text)
        return;
    SaveWholeFile(path_, changed);
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteStrings(section, {ProfileEntry::Integer(key, value)});
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteStrings(section, {ProfileEntry::Bool(key, value)});
}

} // namespace nudgery
