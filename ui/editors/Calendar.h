#pragma once
// TCalendar: one month as a grid of day numbers under a row of the user's short weekday
// names; the user picks a day with the mouse or the arrow keys. The control holds a single
// date; everything it shows follows from that date and the first day of the week.

#include "core/datetime.h"
#include "core/month_calendar.h"

#include <QWidget>

namespace nudgery {

class Clock;
class DateFormats;

class TCalendar : public QWidget {
    Q_OBJECT
public:
    // Shows today; the weekday names are the user's, from `formats`.
    TCalendar(const Clock& clock, const DateFormats& formats, QWidget* parent = nullptr);

    TDateTime SelectedDate() const { return date_; }
    // Shows the date (its whole day) and raises OnChange.
    void SetSelectedDate(TDateTime date);

    int Year() const;
    int Month() const;
    int Day() const;
    // A write that changes the date turns UseCurrentDate off and raises OnChange; values
    // below 1, beyond the month or year range, or equal to the present one are ignored.
    void SetYear(int year);
    void SetMonth(int month);
    void SetDay(int day);

    void NextMonth();
    void PrevMonth();
    void NextYear();
    void PrevYear();

    // The weekday of the first column: 0 Sunday .. 6 Saturday.
    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int weekday);
    // Turning it on shows today, without OnChange.
    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool on);
    // When on, the user cannot move the selection.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    // What the grid shows: a weekday name in row 0, a day number or nothing below.
    QString CellText(GridCell cell) const;
    // What a screen reader says of a cell: the weekday's full name in row 0, a day's full
    // date (the user's long date format) below, nothing for a place outside the month.
    QString CellName(GridCell cell) const;
    // The cell marked as the selected day.
    GridCell CurrentCell() const { return current_; }
    QRect CellRect(GridCell cell) const;
    int FirstDayOffset() const { return layout_.FirstDayOffset(); }
    // A user's pick, by mouse, keyboard or a screen reader: only a day of the shown month,
    // and only when not read-only.
    void SelectCell(GridCell cell);

signals:
    // After every change of the date made through the operations above or by the user.
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void ChangeTo(TDateTime date);
    void ChangeToIf(const std::optional<TDateTime>& date);
    // A write of Year, Month or Day: the date is no longer today's by default.
    void ChangeByWrite(const std::optional<TDateTime>& date);
    void RebuildGrid();
    // Tells a screen reader which day has the focus now.
    void AnnounceCurrentCell();
    int ColWidth() const;
    int RowHeight() const;

    const Clock& clock_;
    const DateFormats& formats_;
    TDateTime date_;
    int startOfWeek_ = 0;
    bool useCurrentDate_ = true;
    bool readOnly_ = false;
    int gridLineWidth_ = 1;
    MonthLayout layout_;
    GridCell current_;
};

} // namespace nudgery
