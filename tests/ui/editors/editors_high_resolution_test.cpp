// Both reminder editors on a screen scaled by two: the quick time set buttons' clock glyphs
// are drawn sharp. Runs in the pass with QT_SCALE_FACTOR=2.
#include "editor_fixture.h"
#include "support/sharp_pictures.h"
#include "ui/editors/Editex.h"
#include "ui/editors/Editrep.h"

namespace nudgery::testing {
namespace {

using HighResolutionEditors = EditorFixture;

TEST_F(HighResolutionEditors, ClockGlyphsAreMadeForTheScreen) {
    TEditAlarmExact oneTime(Services());
    oneTime.show();
    ExpectSharpAtScaleTwo(oneTime, 1);
    TEditAlarmRepeating repeating(Services());
    repeating.show();
    ExpectSharpAtScaleTwo(repeating, 2);
}

} // namespace
} // namespace nudgery::testing
