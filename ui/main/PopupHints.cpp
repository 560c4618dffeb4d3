#include "PopupHints.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>

namespace nudgery {

PopupHints::PopupHints(QObject* parent) : QObject(parent) {
    // An application-wide filter sees the tooltip request of every widget, in windows
    // that exist now and in those made later.
    QApplication::instance()->installEventFilter(this);
}

PopupHints::~PopupHints() {
    QApplication::instance()->removeEventFilter(this);
}

void PopupHints::SetShown(bool shown) {
    shown_ = shown;
    if (!shown_)
        QToolTip::hideText();
}

bool PopupHints::eventFilter(QObject* watched, QEvent* event) {
    if (!shown_ && event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace nudgery
