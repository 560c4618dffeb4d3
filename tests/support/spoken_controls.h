#pragma once
// For tests of what a screen reader is told of a window: its accessible tree read through
// Qt's accessibility interfaces, as the desktop's bridge (AT-SPI) reads it, and the
// controls in it that do not say what they are.

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace nudgery::testing {

// Whether a role tells a screen reader nothing of what a control is.
inline bool SaysNothing(QAccessible::Role role) {
    switch (role) {
    case QAccessible::NoRole:
    case QAccessible::Client:
    case QAccessible::Pane:
    case QAccessible::Grouping:
    case QAccessible::Border:
    case QAccessible::Whitespace:
        return true;
    default:
        return false;
    }
}

// Whether a name has a word in it: a glyph such as "«" is no name.
inline bool HasWords(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The role that fits a control of one of Qt's kinds, as a screen reader names the kind;
// NoRole for a control of another kind (the program's own are checked by their tests).
inline QAccessible::Role FittingRole(const QObject* control) {
    if (qobject_cast<const QCheckBox*>(control))
        return QAccessible::CheckBox;
    if (qobject_cast<const QRadioButton*>(control))
        return QAccessible::RadioButton;
    if (qobject_cast<const QPushButton*>(control) || qobject_cast<const QToolButton*>(control))
        return QAccessible::PushButton;
    if (qobject_cast<const QComboBox*>(control))
        return QAccessible::ComboBox;
    if (qobject_cast<const QLineEdit*>(control))
        return QAccessible::EditableText;
    if (qobject_cast<const QAbstractSpinBox*>(control))
        return QAccessible::SpinBox;
    if (qobject_cast<const QTreeView*>(control))
        return QAccessible::Tree;
    if (qobject_cast<const QTableView*>(control))
        return QAccessible::Table;
    if (qobject_cast<const QTabBar*>(control))
        return QAccessible::PageTabList;
    return QAccessible::NoRole;
}

inline bool Reachable(const QAccessibleInterface& node) {
    const QAccessible::State state = node.state();
    return state.focusable && !state.invisible && !state.offscreen;
}

// Every object of the window's tree, parents before children; a table's, a list's or a
// tree's rows are not walked, they are read through the table.
inline void WalkAccessible(QAccessibleInterface* node,
                           const std::function<void(QAccessibleInterface&)>& visit) {
    if (!node)
        return;
    visit(*node);
    if (node->tableInterface())
        return;
    for (int i = 0; i < node->childCount(); ++i)
        WalkAccessible(node->child(i), visit);
}

// One line for each control that the keyboard reaches (showing and focusable) but that
// does not say what it is: no name (or one without a word, as a glyph), a role that says
// nothing or does not fit its kind,
// or a list whose name is only the item chosen in it (as Qt names drop-down lists on this desktop)
// with neither a label nor a description to say what it is for.
inline QStringList ControlsNotSayingWhatTheyAre(QWidget& window) {
    QStringList found;
    WalkAccessible(QAccessible::queryAccessibleInterface(&window), [&](QAccessibleInterface& node) {
        if (!Reachable(node))
            return;
        const QString name = node.text(QAccessible::Name);
        const QString who = node.object() ? node.object()->objectName() : QStringLiteral("?");
        if (!HasWords(name))
            found << who + QStringLiteral(": no name in words");
        if (SaysNothing(node.role()))
            found << who + QStringLiteral(": a role that says nothing");
        const QAccessible::Role fitting = FittingRole(node.object());
        if (fitting != QAccessible::NoRole && node.role() != fitting)
            found << who + QStringLiteral(": a role that does not fit it");
        if (node.role() == QAccessible::ComboBox && node.relations(QAccessible::Label).isEmpty() &&
            node.text(QAccessible::Description).isEmpty())
            found << who + QStringLiteral(": a list named by its chosen item alone");
    });
    return found;
}

} // namespace nudgery::testing
