#pragma once
// A private profile (INI) file on disk: each read takes the file afresh (a missing or
// unreadable file reads as empty), each write changes one key and saves the file whole
// through a temporary file, so a crash leaves either the old or the new file. The file is
// created on the first write. How the text is read and changed: core/profile_text.h.

#include "core/profile_text.h"

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nudgery {

// Thrown when a value cannot be stored; the text is "Unable to write to <path>".
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const QString& path);
};

// One key and the value to write to it.
struct ProfileEntry {
    std::string_view key;
    std::string value;

    static ProfileEntry Integer(std::string_view key, std::int32_t value) {
        return {key, std::to_string(value)};
    }
    static ProfileEntry Bool(std::string_view key, bool value) { return {key, value ? "1" : "0"}; }
};

class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& Path() const { return path_; }

    // The key's value, or the default when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // ParseProfileInteger's rule; text that is not a number gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // Any integer other than 0 is true; text that is not a number gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Each throws ProfileWriteError when the file cannot be saved or when the entry could
    // not be read back as written (see SetProfileValue); the file is then left as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Several keys of one section in one save: all of them are written or none.
    void WriteStrings(std::string_view section, std::initializer_list<ProfileEntry> entries);

private:
    QString path_;
};

} // namespace nudgery
