#pragma once
// Both reminder lists held in plain vectors: a ReminderListSink for loading outside the
// main window (tests, benchmark, fuzzer), and the views that saving takes.

#include "data_file.h"
#include "reminder.h"

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
};

} // namespace nudgery
