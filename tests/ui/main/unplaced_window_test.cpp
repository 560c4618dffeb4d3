// The placement kept where the desktop places the windows itself: a position the program
// cannot know is never written, and a size the desktop's layout imposed never replaces the
// one the user chose.
#include "ui/main/UnplacedWindow.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

const QRect kScreen(0, 0, 1280, 1024);

TEST(UnplacedWindow, KeepsTheKnownPositionAndTheUsersSize) {
    const QRect stored(100, 50, 600, 400);
    const struct {
        const char* what;
        UnplacedWindow window;
        QSize current;
        QRect kept;
    } cases[] = {
        {"nothing stored: the size it has, centred",
         {std::nullopt, {599, 380}, false},
         {700, 500},
         {290, 262, 700, 500}},
        {"a size the user gave it, where it was stored",
         {stored, {600, 400}, false},
         {800, 600},
         {100, 50, 800, 600}},
        {"tiled, with a stored placement: that", {stored, {600, 400}, true}, {1020, 741}, stored},
        {"tiled, nothing stored: the size it asked for, centred",
         {std::nullopt, {599, 380}, true},
         {1020, 741},
         {340, 322, 599, 380}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacementToKeep(c.window, c.current, kScreen), c.kept) << c.what;
}

TEST(UnplacedWindow, CentresOnAScreenAtAnOffset) {
    // A second monitor right of a 1920-pixel one.
    const QRect screen(1920, 0, 1024, 768);
    EXPECT_EQ(PlacementToKeep({std::nullopt, {600, 400}, false}, {600, 400}, screen),
              QRect(1920 + 212, 184, 600, 400));
}

} // namespace
} // namespace nudgery
