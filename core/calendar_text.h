#pragma once
// Texts and numbers of reminders as calendar files carry them. A calendar text is UTF-8 and
// loses control characters and the blanks at its ends, so a reminder's bytes travel in two
// forms: the text a calendar shows, and, where that is not the bytes themselves, an exact
// form made of printable ASCII alone.

#include <optional>
#include <string>
#include <string_view>

namespace nudgery {

// Whether the bytes travel unchanged as a calendar text: valid UTF-8, no control character
// but tab and line feed, and no blank at either end.
bool IsPlainCalendarText(std::string_view bytes);

// The bytes as a calendar shows them: each byte that is not part of valid UTF-8 becomes
// U+FFFD, control characters other than tab and line feed are left out, and the blanks at
// both ends are trimmed. Plain texts are returned unchanged.
std::string CalendarShownText(std::string_view bytes);

// The exact form: every byte outside printable ASCII, and each of "%,;\", written as "%"
// and two upper-case hex digits (the percent-encoding of web addresses).
std::string ExactTextForm(std::string_view bytes);
// The bytes of an exact form; nothing for a text that is not one.
std::optional<std::string> FromExactTextForm(std::string_view form);

// Percent-encoding read back: "%" and two hex digits give that byte, anything else stands
// for itself. Nothing when a "%" is not followed by two hex digits.
std::optional<std::string> PercentDecoded(std::string_view text);

// A short digest of bytes for names made from contents: 16 hex digits of their 64-bit
// FNV-1a hash.
std::string HexDigest(std::string_view bytes);

// A double as the shortest text that reads back as the same value ("inf" and "-inf" for the
// infinities, "NaN:" and the hex digits of its bits for a NaN), and the reading of such a
// text (the whole text must be one).
std::string ExactNumberText(double value);
std::optional<double> FromExactNumberText(std::string_view text);

} // namespace nudgery
