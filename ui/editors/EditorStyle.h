#pragma once
// The look shared by the editor dialogs: their fonts, their push buttons, and how their
// controls are named.

#include "platform/desktop_font.h"

#include <QAbstractButton>
#include <QFont>
#include <QPoint>
#include <QPushButton>
#include <QString>

namespace nudgery {

inline constexpr QSize EditorButtonSize(75, 25);

// Every editor dialog writes in the desktop's font at 8 point.
inline QFont DialogFont() {
    return DesktopFont(8);
}

// Where a message or a time is typed: the same face in a larger size.
inline QFont EditFont(int pointSize) {
    return DesktopFont(pointSize);
}

inline QFont BoldFont(QFont font) {
    font.setBold(true);
    return font;
}

// A control named for tests, with its tooltip.
template <typename Control>
Control* Named(Control* control, const char* name, const char* tooltip = "") {
    control->setObjectName(QString::fromLatin1(name));
    control->setToolTip(QString::fromLatin1(tooltip));
    return control;
}

// Tab enters a group of radio buttons at its chosen one; the arrow keys move within it.
template <typename Radios> void TabToChosen(const Radios& radios) {
    for (QAbstractButton* radio : radios)
        radio->setFocusPolicy(radio->isChecked()
                                  ? Qt::StrongFocus
                                  : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
}

// A push button of the usual size, named for tests and tooltipped.
inline QPushButton* AddButton(QWidget& parent, const char* name, const QString& caption,
                              const char* tooltip, QPoint at, QSize size = EditorButtonSize) {
    auto* button = Named(new QPushButton(caption, &parent), name, tooltip);
    button->setGeometry(QRect(at, size));
    return button;
}

} // namespace nudgery
