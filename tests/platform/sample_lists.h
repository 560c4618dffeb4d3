#pragma once
// Reminder lists for the store's tests: varied enough that two variants differ in every
// record, and as large as the tests ask.

#include "core/data_file.h"
#include "core/reminder.h"

#include <memory>
#include <string>
#include <vector>

namespace nudgery {

class SampleLists {
public:
    // `total` reminders, three in five of them one-time; `variant` changes every text and
    // time, so the files of two variants differ.
    SampleLists(std::size_t total, int variant) {
        const std::string tag = std::string("v").append(std::to_string(variant)).append(" #");
        for (std::size_t i = 0; i < total; ++i) {
            const auto n = static_cast<int>(i);
            if (i % 5 < 3) {
                oneTime_.push_back(TReminder::CreateNormal(
                    KindOneTime, EncodeDate(2026, 1 + n % 12, 1 + n % 28) + (n % 1440) / 1440.0,
                    "Call " + tag + std::to_string(i), "/sounds/ring.wav", EventShowAndPlay));
            } else {
                repeating_.push_back(TReminder::CreateRepeating(
                    KindRepeating, EncodeTime(n % 24, (n + variant) % 60), n % 2 == 0,
                    EncodeTime(23, 0), "12345", n % 90, "Stretch " + tag + std::to_string(i), "",
                    EventShowOnly));
            }
        }
    }

    std::vector<const TReminder*> OneTime() const { return View(oneTime_); }
    std::vector<const TReminder*> Repeating() const { return View(repeating_); }
    std::vector<std::uint8_t> Bytes() const { return EncodeDataFile(OneTime(), Repeating()); }

private:
    static std::vector<const TReminder*> View(const std::vector<std::unique_ptr<TReminder>>& list) {
        std::vector<const TReminder*> view;
        for (const auto& reminder : list)
            view.push_back(reminder.get());
        return view;
    }

    std::vector<std::unique_ptr<TReminder>> oneTime_;
    std::vector<std::unique_ptr<TReminder>> repeating_;
};

} // namespace nudgery
