#pragma once
// The month calendar as screen readers see it: a table whose column headers are the weekday
// names and whose cells are the days, each read by its full date; a day is picked with its
// cell's press action, as with a click. The calendar draws itself, so Qt learns this through
// an accessible-interface factory.

#include "core/month_calendar.h"

namespace nudgery {

// Makes screen readers read every calendar from now on; TCalendar calls it, once is enough.
void InstallCalendarAccessibility();

// The calendar's accessible child of a grid cell: the header row first, then the weeks.
inline int AccessibleIndexOf(GridCell cell) {
    return cell.row * CalendarColumns + cell.col;
}

} // namespace nudgery
