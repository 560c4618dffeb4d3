#pragma once
// What a window asks the window manager to be. The program's dialogs ask, as its
// notification window does, for a dialog without minimise or maximise buttons; how much of
// that a window manager honours is its own affair (openbox, for one, keeps a minimise
// button on every dialog).

#include <QWidget>
#include <gtest/gtest.h>

namespace nudgery::testing {

inline ::testing::AssertionResult AsksForADialogWithoutMinimiseOrMaximise(const QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    if (window.windowType() != Qt::Dialog)
        return ::testing::AssertionFailure() << "not a dialog: type " << int(window.windowType());
    if (flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
        return ::testing::AssertionFailure() << "asks for minimise or maximise: " << flags;
    if (window.minimumSize() != window.maximumSize())
        return ::testing::AssertionFailure() << "its size can change, so it can be maximised";
    return ::testing::AssertionSuccess();
}

} // namespace nudgery::testing
