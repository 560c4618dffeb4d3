#pragma once
// For tests that a window's fixed layout holds its texts in the font in force: the controls
// of a window whose caption (or a list's chosen item) needs more width than the control has (or a
// wrapped text more height), or that reach out of their parent, with what each needs.

#include <QAbstractButton>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace nudgery::testing {

// The width a push button's caption and glyph need inside the button's frame; the style's
// margins may be given up, its own sizes add a minimum width that says nothing of the
// caption.
inline int NeededWidth(const QPushButton& button) {
    int width =
        button.fontMetrics().horizontalAdvance(QString(button.text()).remove(QLatin1Char('&')));
    if (!button.icon().isNull())
        width += button.iconSize().width() + 4;
    return width + 2 * button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

inline QStringList CaptionsThatDoNotFit(const QWidget& window) {
    // The sizes the window's layout gives its controls when shown.
    if (window.layout())
        window.layout()->activate();
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isHidden() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        int needed = 0;
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            needed = NeededWidth(*button);
        } else if (qobject_cast<const QCheckBox*>(widget) ||
                   qobject_cast<const QRadioButton*>(widget)) {
            needed = widget->sizeHint().width();
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            // Its longest item; a list whose drop-down is wider than the box on purpose shows
            // each item whole there.
            needed = list->sizeHint().width();
            if (list->view()->minimumWidth() >= needed)
                continue;
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                // A wrapped text needs the lines it takes at the label's width.
                const int lines = label->heightForWidth(label->width());
                if (lines > label->height())
                    cut << QStringLiteral("%1 \"%2\" needs a height of %3, has %4")
                               .arg(widget->objectName(), label->text(), QString::number(lines),
                                    QString::number(label->height()));
                continue;
            }
            needed = label->sizeHint().width();
        } else {
            continue;
        }
        // A control that reaches out of its parent is cut at the parent's edge.
        if (const QWidget* parent = widget->parentWidget();
            parent && !widget->isWindow() && !parent->rect().contains(widget->geometry()))
            cut << QStringLiteral("%1 \"%2\" reaches out of its parent %3")
                       .arg(widget->objectName(), widget->property("text").toString(),
                            parent->objectName());
        if (needed > widget->width())
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4")
                       .arg(widget->objectName(), widget->property("text").toString(),
                            QString::number(needed), QString::number(widget->width()));
    }
    return cut;
}

} // namespace nudgery::testing
