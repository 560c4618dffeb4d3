#pragma once
// Which of the two lists a reminder belongs to, where that is kept or passed apart from the
// lists themselves: in the history, in calendar files. The numbers are stored.

#include <cstdint>

namespace nudgery {

enum class ListKind : std::uint8_t { OneTime = 0, Repeating = 1 };

} // namespace nudgery
