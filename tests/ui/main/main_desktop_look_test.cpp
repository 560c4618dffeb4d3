// The main window and the windows it opens as the desktop sees them: every text in the
// desktop's face at the sizes of the design, every caption whole in its control, and every
// dialog asking to be one without minimise or maximise buttons.
#include "main_settings_fixture.h"
#include "support/captions_fit.h"
#include "support/desktop_face.h"
#include "support/other_system_texts.h"
#include "support/window_kind.h"
#include "ui/controls/Clicksg.h"

#include <functional>

namespace nudgery::testing {
namespace {

class MainDesktopLook : public MainSettingsTest {
protected:
    void LookAtEveryWindow(const std::function<void(const QWidget&)>& look) {
        LookAtTheMainWindows(look);
    }
};

TEST_F(MainDesktopLook, EveryWindowWritesInTheDesktopsFaceAndTheDialogsAreDialogs) {
    const DesktopFace face;
    LookAtEveryWindow([](const QWidget& window) {
        EXPECT_EQ(DesktopFace::OtherFaces(window), QStringList())
            << window.windowTitle().toStdString();
        for (const TClickableStringGrid* grid : window.findChildren<TClickableStringGrid*>()) {
            EXPECT_EQ(grid->HeaderFont().Face.family(), DesktopFace::Family());
            EXPECT_EQ(grid->SelectedFont().Face.family(), DesktopFace::Family());
        }
        if (qobject_cast<const QDialog*>(&window)) {
            EXPECT_TRUE(AsksForADialogWithoutMinimiseOrMaximise(window))
                << window.windowTitle().toStdString();
        }
    });
    EXPECT_EQ(form->font().pixelSize(), 11) << "the size of the design";
}

// In the face the test machine's desktop gives, which may be wider than the design's.
TEST_F(MainDesktopLook, EveryCaptionIsWholeInItsControl) {
    LookAtEveryWindow([](const QWidget& window) {
        EXPECT_EQ(CaptionsThatDoNotFit(window), QStringList())
            << window.windowTitle().toStdString();
    });
}

// The program runs on this desktop: no text, tooltip or menu entry sends the user to the
// help or the dialogs of another system.
TEST_F(MainDesktopLook, NoTextNamesAnotherSystem) {
    LookAtEveryWindow([](const QWidget& window) {
        EXPECT_EQ(TextsNamingAnotherSystem(window), QStringList())
            << window.windowTitle().toStdString();
    });
}

} // namespace
} // namespace nudgery::testing
