// Where a one-time reminder goes in the due-time order, against an independent rule: the
// others stay in their order, and it goes before the first of them that is not earlier.
#include "core/date_time_order.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace nudgery {
namespace {

TEST(DateTimeSlot, PlacesAsTheIndependentRuleDoes) {
    std::mt19937 random(7);
    for (int run = 0; run < 2000; ++run) {
        const int size = std::uniform_int_distribution(1, 8)(random);
        // The others in order, with few distinct times, so that ties are common.
        std::vector<TDateTime> others(size - 1);
        for (TDateTime& when : others)
            when = std::uniform_int_distribution(0, 4)(random);
        std::sort(others.begin(), others.end());
        const TDateTime moving = std::uniform_int_distribution(0, 4)(random);
        const int from = std::uniform_int_distribution(0, size - 1)(random);
        std::vector<TReminder> list(size);
        for (int i = 0, other = 0; i < size; ++i)
            list[i].When = i == from ? moving : others[other++];
        const int expected =
            int(std::lower_bound(others.begin(), others.end(), moving) - others.begin());
        ASSERT_EQ(DateTimeSlot(size, from, [&](int i) -> const TReminder* { return &list[i]; }),
                  expected)
            << "run " << run;
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
