// The desktop's message boxes: each asks to be a dialog without minimise or maximise
// buttons, as the program's other dialogs do, over the window that opened it.
#include "platform/message_boxes.h"
#include "support/modal_watchdog.h"
#include "support/window_kind.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

TEST(MessageBoxes, EachBoxIsADialogWithoutMinimiseOrMaximise) {
    const testing::ModalWatchdog watchdog;
    DesktopMessageBoxes boxes;
    QWidget opener;
    opener.show();
    const std::function<void()> opens[] = {
        [&] { boxes.ShowInfo(&opener, "Invalid time."); },
        [&] { boxes.ShowError(&opener, "The disk is full."); },
        [&] { boxes.AskConfirm(&opener, "Delete it?"); },
    };
    for (const auto& open : opens) {
        QString title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            EXPECT_TRUE(testing::AsksForADialogWithoutMinimiseOrMaximise(*box))
                << title.toStdString();
            EXPECT_EQ(box->parentWidget(), &opener);
            box->reject();
        });
        open();
        EXPECT_FALSE(title.isEmpty()) << "a box opened";
    }
}

// A reminder's message or a file's name in a box is shown as written, also when it looks like
// markup: "<b>" is three characters, and no picture is loaded for "<img src=...>".
TEST(MessageBoxes, TextsAreShownAsWrittenNeverAsMarkup) {
    const testing::ModalWatchdog watchdog;
    DesktopMessageBoxes boxes;
    const QString text = "Delete '<b>Call</b> <img src=\"/etc/passwd\">'?";
    const std::function<void()> opens[] = {
        [&] { boxes.ShowInfo(nullptr, text); },
        [&] { boxes.ShowError(nullptr, text); },
        [&] { boxes.AskConfirm(nullptr, text); },
    };
    for (const auto& open : opens) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << box->windowTitle().toStdString();
            EXPECT_EQ(label->text(), text);
            seen = true;
            box->reject();
        });
        open();
        EXPECT_TRUE(seen);
    }
}

} // namespace
} // namespace nudgery
