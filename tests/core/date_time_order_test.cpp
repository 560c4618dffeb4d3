// Where a one-time reminder goes in the due-time order, against an independent rule: the
// others stay in their order, and it goes before the first of them that is not earlier.
#include "core/date_time_order.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace nudgery {
namespace {

// The list after the reminder at `from` has moved to DateTimeSlot's index.
std::vector<TDateTime> Moved(std::vector<TDateTime> whens, int from) {
    std::vector<TReminder> list(whens.size());
    for (std::size_t i = 0; i < whens.size(); ++i)
        list[i].When = whens[i];
    const int to = DateTimeSlot(int(list.size()), from,
                                [&](int i) -> const TReminder* { return &list.at(i); });
    const TDateTime moving = whens.at(from);
    whens.erase(whens.begin() + from);
    whens.insert(whens.begin() + to, moving);
    return whens;
}

// The others in their order, the moving one before the first that is not earlier.
std::vector<TDateTime> Expected(std::vector<TDateTime> whens, int from) {
    const TDateTime moving = whens.at(from);
    whens.erase(whens.begin() + from);
    whens.insert(std::lower_bound(whens.begin(), whens.end(), moving), moving);
    return whens;
}

TEST(DateTimeSlot, TiesGoFirstAndTheEndsHold) {
    const struct {
        std::vector<TDateTime> whens;
        int from;
        int to;
    } cases[] = {
        {{9, 10, 10, 12, 10}, 4, 1}, // among equals, first
        {{9, 10, 10, 12, 7}, 4, 0},  // earliest of all
        {{9, 10, 12, 23}, 3, 3},     // latest, already last
        {{11, 10, 10, 12}, 0, 2},    // moved later
        {{13, 10, 10, 12}, 0, 3},    // later than all
        {{5}, 0, 0},                 // alone
        {{10, 10}, 1, 0},            // a copy goes above its original
    };
    for (const auto& c : cases) {
        std::vector<TReminder> list(c.whens.size());
        for (std::size_t i = 0; i < c.whens.size(); ++i)
            list[i].When = c.whens[i];
        EXPECT_EQ(DateTimeSlot(int(list.size()), c.from,
                               [&](int i) -> const TReminder* { return &list.at(i); }),
                  c.to)
            << "from " << c.from;
    }
}

TEST(DateTimeSlot, PlacesAsTheIndependentRuleDoes) {
    std::mt19937 random(7);
    for (int run = 0; run < 2000; ++run) {
        const int size = std::uniform_int_distribution(1, 8)(random);
        std::vector<TDateTime> whens(size);
        // Few distinct times, so that ties are common.
        for (TDateTime& when : whens)
            when = std::uniform_int_distribution(0, 4)(random);
        const int from = std::uniform_int_distribution(0, size - 1)(random);
        // The others are in order already.
        const TDateTime moving = whens[from];
        whens.erase(whens.begin() + from);
        std::sort(whens.begin(), whens.end());
        whens.insert(whens.begin() + from, moving);
        ASSERT_EQ(Moved(whens, from), Expected(whens, from)) << "run " << run;
    }
}

TEST(DateTimeSlot, PlacesWithoutAReminderArePassedOver) {
    std::vector<TReminder> list(3);
    list[0].When = 9;
    list[2].When = 8;
    const auto at = [&](int i) -> const TReminder* { return i == 1 ? nullptr : &list.at(i); };
    EXPECT_EQ(DateTimeSlot(3, 2, at), 0);
    list[2].When = 10;
    EXPECT_EQ(DateTimeSlot(3, 2, at), 2);
}

} // namespace
} // namespace nudgery
