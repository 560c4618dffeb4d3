#pragma once
// The texts that the core makes in English (a reminder's status, its day rule and interval,
// "Today at 5:00pm", the history's answers, "and 3 more until 5:00pm"), in the user's
// language. The core's fixed words and phrases are looked up whole; the parts they hold
// (numbers, times, other fixed words) are looked up in turn, so the core's rules stay where
// they are and only its wording is translated here.

#include <QString>
#include <string>
#include <string_view>

namespace nudgery {

// A text the core made, from the system's 8-bit encoding, translated where it is one of the
// core's phrases; any other text (a date the regional settings wrote) as it is.
QString CoreText(const std::string& english);

// A text of sentences the core made (the summary of a calendar import), sentence by
// sentence.
QString CoreSentences(const std::string& english);

// The words of a day rule's code, as DescribeDaySpec writes them, translated. Days chosen
// one by one are written with the translated initials of the week's days.
QString DaySpecWords(std::string_view code);

} // namespace nudgery
