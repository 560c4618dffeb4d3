#pragma once
// A private profile (INI) file read and written the way the desktop's profile functions
// do it, so that a hand-edited settings file keeps its comments, layout and other sections.
//
// Reading: sections and keys are matched without regard to case (ASCII), the first match
// wins, values are trimmed, matching single or double quotes around a value are removed,
// and at most 1023 bytes of a value are returned. Lines starting with ';' or '#' are
// comments. The file is read afresh on every call; a missing or unreadable file reads as
// empty.
//
// Writing: one key is changed in place, or appended after the last entry of its section,
// or a new section is appended at the end of the file; every other byte is kept. The file
// is created on the first write and always saved whole through a temporary file, so a
// crash leaves either the old or the new file. A value with leading or trailing blanks, or
// one already wrapped in matching quotes, is written in double quotes so that it reads
// back unchanged.
//
// Values are byte strings in the system's 8-bit encoding.

#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nudgery {

// Thrown when a value cannot be stored; the text is "Unable to write to <path>".
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const QString& path);
};

class ProfileFile {
public:
    static constexpr std::size_t MaxValueLength = 1023;

    explicit ProfileFile(QString path);

    const QString& Path() const { return path_; }

    // The key's value, or the default when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal with "$" or (for values longer than two characters) "0x";
    // an optional sign. Text that is not a number, and a decimal value outside the 32-bit
    // range, give the default; hexadecimal up to eight digits is taken as the 32-bit
    // pattern ("0xFFFFFFFF" is -1), longer gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // Any integer other than 0 is true; text that is not a number gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Each throws ProfileWriteError when the file cannot be saved or when the text cannot
    // be held on one line; the file on disk is then left as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    QString path_;
};

// The integer reading rule on its own: the number, or nothing when the text is not one.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

} // namespace nudgery
