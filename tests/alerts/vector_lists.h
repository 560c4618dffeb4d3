#pragma once
// The check cycle's lists in vectors, and a store that keeps what each save wrote, for tests
// of the cycle without a window.

#include "alerts/ListsStore.h"
#include "core/clock.h"
#include "core/reminder.h"
#include "core/reminder_list.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace nudgery::test {

// Every change, the test's own included, gives a new revision, as the grids count theirs.
class VectorList final : public ReminderList {
public:
    using ReminderList::Add;
    int Count() const override { return static_cast<int>(rows_.size()); }
    const TReminder* At(int index) const override { return rows_.at(index).get(); }
    TReminder* At(int index) override {
        ++revision_;
        return rows_.at(index).get();
    }
    std::uint64_t Revision() const override { return revision_; }
    void Move(int from, int to) override {
        ++revision_;
        auto row = std::move(rows_.at(from));
        rows_.erase(rows_.begin() + from);
        rows_.insert(rows_.begin() + to, std::move(row));
    }
    void Remove(int index) override {
        ++revision_;
        rows_.erase(rows_.begin() + index);
    }
    void Changed() override {}
    int Append(std::unique_ptr<TReminder> reminder) override {
        Put(std::move(reminder));
        return Count() - 1;
    }

    void Clear() {
        ++revision_;
        rows_.clear();
    }
    void Put(std::unique_ptr<TReminder> reminder) {
        ++revision_;
        rows_.push_back(std::move(reminder));
    }
    void Add(const std::string& text, TDateTime when) {
        auto reminder = TReminder::Create();
        reminder->Description = text;
        reminder->When = when;
        Put(std::move(reminder));
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& row : rows_)
            texts.emplace_back(row->Description);
        return texts;
    }
    const TReminder& Named(const std::string& text) const {
        for (const auto& row : rows_)
            if (std::string(row->Description) == text)
                return *row;
        throw std::out_of_range(text);
    }
    // Both lists as a save writes them: without reminders marked for deletion.
    std::vector<TReminder> Kept() const {
        std::vector<TReminder> kept;
        for (const auto& row : rows_)
            if (row->Status != StatusDeleteMark)
                kept.push_back(*row);
        return kept;
    }

private:
    std::vector<std::unique_ptr<TReminder>> rows_;
    std::uint64_t revision_ = 0;
};

// What one save wrote: the reminders of both lists, as the file would hold them.
struct Written {
    std::vector<TReminder> oneTime, repeating;
};

// Keeps what each save wrote; a load gives back the last of it, judged for today.
class CountingStore final : public ListsStore {
public:
    CountingStore(VectorList& oneTime, VectorList& repeating, const Clock& clock)
        : oneTime_(oneTime), repeating_(repeating), clock_(clock) {}

    bool Save() override {
        if (fails)
            return false;
        saves.push_back({oneTime_.Kept(), repeating_.Kept()});
        return true;
    }
    void Reload() override {
        ++reloads;
        if (saves.empty())
            return;
        Fill(oneTime_, saves.back().oneTime);
        Fill(repeating_, saves.back().repeating);
    }

    bool fails = false;
    std::vector<Written> saves;
    int reloads = 0;

private:
    void Fill(VectorList& list, const std::vector<TReminder>& written) {
        list.Clear();
        for (const TReminder& reminder : written) {
            auto loaded = std::make_unique<TReminder>(reminder);
            if (loaded->Kind == KindOneTime)
                loaded->UpdateNormalStatus(clock_);
            else
                loaded->ScheduleTodayAfresh(clock_);
            list.Put(std::move(loaded));
        }
    }

    VectorList& oneTime_;
    VectorList& repeating_;
    const Clock& clock_;
};

} // namespace nudgery::test
