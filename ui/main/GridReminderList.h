#pragma once
// One list of the main window as the check cycle sees it: the reminders that the rows of a
// grid own, index 0 in row 1 below the header.

#include "core/reminder_list.h"

namespace nudgery {

class TClickableStringGrid;

class GridReminderList final : public ReminderList {
public:
    explicit GridReminderList(TClickableStringGrid& grid) : grid_(grid) {}

    TClickableStringGrid& Grid() const { return grid_; }

    int Count() const override;
    const TReminder* At(int index) const override;
    TReminder* At(int index) override;
    std::uint64_t Revision() const override;
    void Move(int from, int to) override;
    void Remove(int index) override;
    // Repaints the grid.
    void Changed() override;
    // A new row below the others, owning `reminder`; the selection stays.
    int Append(std::unique_ptr<TReminder> reminder) override;

    // Moves the one-time reminder of grid row `row` to its place in due-time order, and
    // selects it there when `select`, unless it stays last; otherwise the selection stays at
    // its row index, whatever reminder stands there then. A row out of range, or without a
    // reminder, stays.
    void MoveRowToDateTimeSlot(int row, bool select);

private:
    TClickableStringGrid& grid_;
};

} // namespace nudgery
