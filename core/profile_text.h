#pragma once
// The text of a private profile (INI) file, read and changed the way the desktop's profile
// functions do it, so that a hand-edited settings file keeps its comments, layout and
// other sections. Bytes only; no file access here.
//
// Reading: a line with a name in square brackets opens a section; a line with an equals
// sign is a key and its value. Sections and keys are matched without regard to case
// (ASCII), the first match wins, names and values are trimmed of blanks, matching single
// or double quotes around a value are removed, and at most 1023 bytes of a value are
// returned. Lines starting with ';' or '#' are comments. Lines end with LF or CR LF.
//
// Changing: one key is changed in place, or appended after the last entry of its
// section, or a new section is appended at the end of the text; every other byte is kept.
// A value with leading or trailing blanks, or one already wrapped in matching quotes, is
// written in double quotes so that it reads back unchanged.
//
// Values are byte strings in the system's 8-bit encoding.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nudgery {

inline constexpr std::size_t MaxProfileValueLength = 1023;

// The key's value as reading gives it, or nothing when its section or the key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key set to the value, or nothing when the entry could not be read
// back as written: a line break anywhere, a ']' in the section name, an '=' in the key,
// blanks around a name, or a key that would read as a comment or a section.
std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value);

// Decimal, or hexadecimal with "$" or (for values longer than two characters) "0x"; an
// optional sign. Text that is not a number, and a decimal value outside the 32-bit range,
// give nothing; hexadecimal up to eight digits is taken as the 32-bit pattern
// ("0xFFFFFFFF" is -1), longer gives nothing.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

} // namespace nudgery
