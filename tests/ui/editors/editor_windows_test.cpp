// The editor windows as the desktop sees them: every control writes in the desktop's face,
// at the sizes of the design, each caption is whole in its control, and each window asks to
// be a dialog without minimise or maximise buttons.
#include "editor_fixture.h"
#include "support/captions_fit.h"
#include "support/desktop_face.h"
#include "support/other_system_texts.h"
#include "support/window_kind.h"
#include "ui/editors/Editex.h"
#include "ui/editors/Editrep.h"
#include "ui/editors/Settd.h"

#include <QLineEdit>

namespace nudgery {
namespace {

using testing::AsksForADialogWithoutMinimiseOrMaximise;
using testing::DesktopFace;

class EditorWindows : public testing::EditorFixture {};

TEST_F(EditorWindows, WriteInTheDesktopsFaceAndAreDialogsWithoutMinimiseOrMaximise) {
    const DesktopFace face;
    TEditAlarmExact oneTime(Services());
    TEditAlarmRepeating repeating(Services());
    TSetTimeDialog quickSet(formats, help);
    for (const QDialog* window :
         std::initializer_list<const QDialog*>{&oneTime, &repeating, &quickSet}) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(DesktopFace::OtherFaces(*window), QStringList());
        EXPECT_EQ(window->font().pointSize(), 8) << "the size of the design";
        EXPECT_TRUE(AsksForADialogWithoutMinimiseOrMaximise(*window));
    }
    // The message and the times are typed in larger sizes of the same face.
    EXPECT_EQ(FindControl<QLineEdit>(oneTime, "Descript").font().pointSize(), 10);
    EXPECT_EQ(FindControl<QLineEdit>(repeating, "TimeEdit").font().pointSize(), 9);
}

// In the face the test machine's desktop gives, which may be wider than the design's.
TEST_F(EditorWindows, EveryCaptionIsWholeInItsControl) {
    TEditAlarmExact oneTime(Services());
    TEditAlarmRepeating repeating(Services());
    repeating.SetRepeatMinutes(30);
    repeating.SetHasUntil(true);
    TSetTimeDialog quickSet(formats, help);
    for (const QDialog* window :
         std::initializer_list<const QDialog*>{&oneTime, &repeating, &quickSet})
        EXPECT_EQ(testing::CaptionsThatDoNotFit(*window), QStringList())
            << window->objectName().toStdString();
}

// The program runs on this desktop: no text or tooltip sends the user to the help or the
// dialogs of another system.
TEST_F(EditorWindows, NoTextNamesAnotherSystem) {
    TEditAlarmExact oneTime(Services());
    TEditAlarmRepeating repeating(Services());
    TSetTimeDialog quickSet(formats, help);
    for (const QDialog* window :
         std::initializer_list<const QDialog*>{&oneTime, &repeating, &quickSet})
        EXPECT_EQ(testing::TextsNamingAnotherSystem(*window), QStringList())
            << window->objectName().toStdString();
}

} // namespace
} // namespace nudgery
