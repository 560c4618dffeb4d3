#!/usr/bin/python3
"""Reads a calendar file with python3-icalendar and expands its rules with python3-dateutil,
a reader independent of libical, for the calendar tests.

Usage: calendar_oracle.py FILE FIRST-DAY DAYS
Prints one line per event, "E uid summary-as-hex start", one per day its rule selects from
FIRST-DAY (YYYY-MM-DD) for DAYS days, "D uid YYYY-MM-DD", and "X text" for each error the
reader reports.
"""
import datetime
import sys

import dateutil.rrule
import icalendar


def naive(value):
    """The wall-clock time of a date or date-time, in whatever zone it is given."""
    if isinstance(value, datetime.datetime):
        return value.replace(tzinfo=None)
    return datetime.datetime.combine(value, datetime.time())


def main():
    path, first, days = sys.argv[1], sys.argv[2], int(sys.argv[3])
    begin = datetime.datetime.strptime(first, "%Y-%m-%d")
    end = begin + datetime.timedelta(days=days)
    with open(path, "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    for component in calendar.walk():
        for error in getattr(component, "errors", []):
            print("X", component.name, error)
    for event in calendar.walk("VEVENT"):
        uid = str(event["UID"])
        start = naive(event.decoded("DTSTART"))
        summary = str(event.get("SUMMARY", ""))
        print("E", uid, summary.encode("utf-8").hex() or "-", start.isoformat())
        if "RRULE" not in event:
            continue
        rule = event["RRULE"].to_ical().decode("ascii")
        for day in dateutil.rrule.rrulestr(rule, dtstart=start).between(begin, end, inc=True):
            print("D", uid, day.date().isoformat())


if __name__ == "__main__":
    main()
