#pragma once
// For tests that a window speaks of the desktop it runs on: the texts a user can see in it
// (captions, tooltips, status tips, list items, menu entries) that name another operating
// system.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace nudgery::testing {

inline QStringList TextsNamingAnotherSystem(const QWidget& window) {
    static const QRegularExpression other(
        QStringLiteral("\\bWindows\\b|\\bWin(?:32|9[58x]|NT)\\b|Microsoft|\\bMS-DOS\\b"));
    QStringList texts{window.windowTitle(), window.toolTip()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->statusTip() << widget->whatsThis()
              << widget->windowTitle() << widget->accessibleName()
              << widget->accessibleDescription();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            texts << edit->text() << edit->placeholderText();
        else if (const auto* list = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->statusTip();
    QStringList found;
    for (const QString& text : texts)
        if (text.contains(other))
            found << text;
    return found;
}

} // namespace nudgery::testing
