#pragma once
// Recurrence rules between libical's form and the program's.

#include "core/calendar_rule.h"

#include <libical/ical.h>

namespace nudgery::ical {

icalrecurrencetype ToIcal(const RecurrenceRule& rule);
RecurrenceRule FromIcal(const icalrecurrencetype& rule);

} // namespace nudgery::ical
