#include "GridReminderList.h"

#include "ui/controls/Clicksg.h"

#include <utility>

namespace nudgery {

int GridReminderList::Count() const {
    return grid_.RowCount() - 1;
}

const TReminder* GridReminderList::At(int index) const {
    return std::as_const(grid_).Object(index + 1);
}

TReminder* GridReminderList::At(int index) {
    return grid_.Object(index + 1);
}

std::uint64_t GridReminderList::Revision() const {
    return grid_.Revision();
}

void GridReminderList::Move(int from, int to) {
    grid_.MoveRow(from + 1, to + 1);
}

void GridReminderList::Remove(int index) {
    grid_.DeleteRow(index + 1);
}

void GridReminderList::Changed() {
    grid_.viewport()->update();
}

int GridReminderList::Append(std::unique_ptr<TReminder> reminder) {
    grid_.AddRow();
    const int row = grid_.RowCount() - 1;
    grid_.SetObject(row, std::move(reminder));
    return row - 1;
}

void GridReminderList::MoveRowToDateTimeSlot(int row, bool select) {
    if (row < 1 || row > Count() || !std::as_const(*this).At(row - 1))
        return;
    const int from = row - 1;
    const int slot = MoveToDateTimeSlot(from);
    // Already last and later than every other: nothing moves, and nothing is selected.
    if (select && (slot != from || from != Count() - 1))
        grid_.SetRow(slot + 1);
}

} // namespace nudgery
