// The main window and its About box on a screen scaled by two: button glyphs and the
// program's logo are drawn sharp. Runs in the pass with QT_SCALE_FACTOR=2.
#include "main_form_fixture.h"
#include "support/sharp_pictures.h"
#include "ui/main/MainAbout.h"

#include <QAction>
#include <QApplication>

namespace nudgery::testing {
namespace {

using HighResolutionMainWindow = MainFormTest;

TEST_F(HighResolutionMainWindow, GlyphsAndTheLogoAreMadeForTheScreen) {
    TMainForm& f = Make();
    f.show();
    // New, Edit, Delete, Clone, Adjust Time, Minimize, Exit.
    ExpectSharpAtScaleTwo(f, 7);

    bool aboutOpened = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        aboutOpened = true;
        ExpectSharpAtScaleTwo(*about, 1);
        about->accept();
    });
    Find<QAction>(f, "mnuAbout").trigger();
    EXPECT_TRUE(aboutOpened);
}

} // namespace
} // namespace nudgery::testing
