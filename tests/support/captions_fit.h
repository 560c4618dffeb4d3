#pragma once
// For tests that a window's fixed layout holds its texts in the font in force: the controls
// of a window whose caption needs more width than the control has, with what each needs.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QWidget>

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
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty())
                continue;
            needed = label->sizeHint().width();
        } else {
            continue;
        }
        if (needed > widget->width())
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4")
                       .arg(widget->objectName(), widget->property("text").toString(),
                            QString::number(needed), QString::number(widget->width()));
    }
    return cut;
}

} // namespace nudgery::testing
