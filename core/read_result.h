#pragma once
// What reading a typed text gives: its value, or one line that says which part of the text
// could not be read and why.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace nudgery {

struct Refusal {
    std::string message;
};

template <typename T> class ReadResult {
public:
    ReadResult(T value) : value_(std::move(value)) {}
    ReadResult(Refusal refusal) : error_(std::move(refusal.message)) {}

    bool Ok() const { return value_.has_value(); }
    // Only when Ok.
    const T& Value() const { return *value_; }
    // Empty when Ok.
    const std::string& Error() const { return error_; }

private:
    std::optional<T> value_;
    std::string error_;
};

// A piece of the text in the messages: '25:70'. Control characters are shown escaped, so that
// a message stays one line and a terminal shows it as it is.
inline std::string Quoted(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string quoted = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            quoted += "\\n";
        else if (c == '\t')
            quoted += "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            quoted.append("\\x").append(1, Hex[byte >> 4]).append(1, Hex[byte & 15]);
        else
            quoted += c;
    }
    return quoted + "'";
}

// "cannot read the time '25:70' in '25:70'"; without a part's name, "cannot read 'x' in 'y'".
inline Refusal CannotRead(std::string_view part, std::string_view piece, std::string_view whole) {
    std::string message = "cannot read ";
    if (!part.empty())
        message.append("the ").append(part).append(" ");
    message.append(Quoted(piece)).append(" in ").append(Quoted(whole));
    return {std::move(message)};
}

} // namespace nudgery
