#pragma once
// For tests that the program's windows write in the desktop's font: while a DesktopFace
// lives, the application's font (the desktop's, as the toolkit reads it) is a face of the
// test's own, which no window could have chosen by itself.

#include <QApplication>
#include <QFont>
#include <QStringList>
#include <QWidget>

namespace nudgery::testing {

class DesktopFace {
public:
    DesktopFace() : saved_(QApplication::font()) { QApplication::setFont(QFont(Family(), 13)); }
    ~DesktopFace() { QApplication::setFont(saved_); }
    DesktopFace(const DesktopFace&) = delete;
    DesktopFace& operator=(const DesktopFace&) = delete;

    static QString Family() { return QStringLiteral("Nudgery Test Sans"); }

    // `window` and those of its controls that write in another face, by class and name.
    static QStringList OtherFaces(const QWidget& window) {
        QStringList others;
        QList<const QWidget*> widgets{&window};
        for (const QWidget* child : window.findChildren<QWidget*>())
            widgets << child;
        for (const QWidget* widget : widgets)
            if (widget->font().family() != Family())
                others << QString::fromLatin1(widget->metaObject()->className()) + ' ' +
                              widget->objectName() + ": " + widget->font().family();
        return others;
    }

private:
    QFont saved_;
};

} // namespace nudgery::testing
