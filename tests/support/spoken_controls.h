#pragma once
// For tests of what a screen reader is told of a window: its accessible tree read through
// Qt's accessibility interfaces, as the desktop's bridge (AT-SPI) reads it, and the
// controls in it that do not say what they are.

#include <QAccessible>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

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
// does not say what it is: no name (or one without a word, as a glyph), a role that says nothing,
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
        if (node.role() == QAccessible::ComboBox && node.relations(QAccessible::Label).isEmpty() &&
            node.text(QAccessible::Description).isEmpty())
            found << who + QStringLiteral(": a list named by its chosen item alone");
    });
    return found;
}

// The reachable controls of the window by role, for checking that each has a fitting one.
inline std::vector<std::pair<QString, QAccessible::Role>> ReachableRoles(QWidget& window) {
    std::vector<std::pair<QString, QAccessible::Role>> roles;
    WalkAccessible(QAccessible::queryAccessibleInterface(&window), [&](QAccessibleInterface& node) {
        if (Reachable(node) && node.object())
            roles.emplace_back(node.object()->objectName(), node.role());
    });
    return roles;
}

} // namespace nudgery::testing
