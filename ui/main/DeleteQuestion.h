#pragma once
// The question asked before one reminder is deleted. It names the reminder by its message,
// so that the user sees which one goes: the message's first line, shortened at the end of a
// word when long, as in "Delete 'Dentist at nine'?".

#include <QString>

namespace nudgery {

// Longest part of a message the question quotes, in characters, before the ellipsis.
inline constexpr int DeleteQuestionQuoteLength = 60;

QString DeleteQuestion(const QString& message);

} // namespace nudgery
