#pragma once
// The look shared by the program's dialogs (the reminder editors, the quick time set and
// the preferences): their fonts, their push buttons and drop-down lists, and how their
// controls are named.

#include "platform/desktop_font.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace nudgery {

inline constexpr QSize EditorButtonSize(75, 25);

// Tooltips of the buttons that every dialog has alike.
inline QString HelpButtonTooltip() {
    return QCoreApplication::translate("EditorStyle", "Get help for Nudgery!");
}
inline QString ChooseSoundTooltip() {
    return QCoreApplication::translate("EditorStyle",
                                       "Select the sound file\nin a File Open dialog");
}

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
Control* Named(Control* control, const char* name, const QString& tooltip = {}) {
    control->setObjectName(QString::fromLatin1(name));
    control->setToolTip(tooltip);
    return control;
}

// Tab enters a group of radio buttons at its chosen one; the arrow keys move within it.
template <typename Radios> void TabToChosen(const Radios& radios) {
    for (QAbstractButton* radio : radios)
        radio->setFocusPolicy(radio->isChecked()
                                  ? Qt::StrongFocus
                                  : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
}

// The items of a list of event types, in the order of their numbers.
inline QStringList EventTypeItems() {
    return {QCoreApplication::translate("EditorStyle", "Show message and play sound"),
            QCoreApplication::translate("EditorStyle", "Only show message"),
            QCoreApplication::translate("EditorStyle", "Only play sound"),
            QCoreApplication::translate("EditorStyle", "Do Nothing")};
}

// A drop-down list that takes no typing, its first item chosen; as wide as designed, or
// wider where a translation's longest item needs it.
inline QComboBox* DropDownList(QWidget& parent, const char* name, const QStringList& items,
                               const QString& tooltip, QRect geometry) {
    auto* list = Named(new QComboBox(&parent), name, tooltip);
    list->addItems(items);
    list->setCurrentIndex(0);
    geometry.setWidth(std::max(geometry.width(), list->sizeHint().width()));
    list->setGeometry(geometry);
    return list;
}

// A push button of the usual size, named for tests and tooltipped.
inline QPushButton* AddButton(QWidget& parent, const char* name, const QString& caption,
                              const QString& tooltip, QPoint at, QSize size = EditorButtonSize) {
    auto* button = Named(new QPushButton(caption, &parent), name, tooltip);
    button->setGeometry(QRect(at, size));
    return button;
}

} // namespace nudgery
