#pragma once
// Both reminder lists held in plain vectors: a ReminderListSink for loading outside the
// main window (the commands without a window, tests, benchmark, fuzzer), the views that
// saving takes, and each list as a ReminderList for the rules that change it.

#include "data_file.h"
#include "reminder.h"
#include "reminder_list.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nudgery {

class ReminderLists final : public ReminderListSink {
public:
    struct Row {
        std::string firstCell;
        std::unique_ptr<TReminder> reminder;
    };

    TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
        return *oneTime.emplace_back(Row{LoadingRowText, std::move(reminder)}).reminder;
    }
    TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
        return *repeating.emplace_back(Row{LoadingRowText, std::move(reminder)}).reminder;
    }
    void RepeatingLoaded(TReminder& reminder) override {
        repeating.back().firstCell = reminder.Description;
    }
    void OneTimeLoaded(TReminder& reminder, std::uint8_t storedStatus) override {
        if (keepStoredStatus)
            reminder.Status = storedStatus;
    }

    static std::vector<const TReminder*> View(const std::vector<Row>& rows) {
        std::vector<const TReminder*> view;
        view.reserve(rows.size());
        for (const Row& row : rows) {
            view.push_back(row.reminder.get());
        }
        return view;
    }

    std::vector<Row> oneTime;
    std::vector<Row> repeating;
    // Loaded to be changed and saved again without a window: each one-time reminder keeps the
    // status the file holds, so that the next start of the program still finds the reminders
    // that fell due unseen meanwhile (and tells of them) rather than a file that says it
    // knew.
    bool keepStoredStatus = false;
};

// One list of ReminderLists as a ReminderList.
class ReminderRows final : public ReminderList {
public:
    explicit ReminderRows(std::vector<ReminderLists::Row>& rows) : rows_(rows) {}

    int Count() const override { return static_cast<int>(rows_.size()); }
    const TReminder* At(int index) const override { return Row(index).reminder.get(); }
    TReminder* At(int index) override {
        ++revision_;
        return Row(index).reminder.get();
    }
    std::uint64_t Revision() const override { return revision_; }
    void Move(int from, int to) override {
        ReminderLists::Row moving = std::move(Row(from));
        rows_.erase(rows_.begin() + from);
        rows_.insert(rows_.begin() + to, std::move(moving));
        ++revision_;
    }
    void Remove(int index) override {
        rows_.erase(rows_.begin() + index);
        ++revision_;
    }
    void Changed() override {}
    int Append(std::unique_ptr<TReminder> reminder) override {
        std::string firstCell = reminder->Description;
        rows_.push_back({std::move(firstCell), std::move(reminder)});
        ++revision_;
        return Count() - 1;
    }

private:
    ReminderLists::Row& Row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    std::vector<ReminderLists::Row>& rows_;
    std::uint64_t revision_ = 0;
};

} // namespace nudgery
