#pragma once
// The user's regional settings (date and time formats, separators, AM and PM strings,
// month and weekday names) taken from the desktop's locale and put in the program's own
// pattern letters. Texts are in the system's 8-bit encoding.

#include "core/date_formats.h"

class QLocale;

namespace nudgery {

// The settings of a given locale; a pure function of it.
RegionalSettings RegionalSettingsFromLocale(const QLocale& locale);

// The settings of the user's desktop.
RegionalSettings SystemRegionalSettings();

} // namespace nudgery
