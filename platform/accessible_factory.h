#pragma once
// Screen readers (through the desktop's accessibility bus) learn of a control that draws
// itself through an accessible interface made for its class. This puts one in place: every
// object of class Control, made from now on or before, is read through Accessible, made
// from the control.

#include <QAccessible>
#include <QLatin1String>
#include <QString>

namespace nudgery {

// Installs the factory once for the pair; a control's constructor calls it.
template <typename Control, typename Accessible> void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                if (className != QLatin1String(Control::staticMetaObject.className()))
                    return nullptr;
                return new Accessible(*static_cast<Control*>(object));
            });
        return true;
    }();
    (void)installed;
}

} // namespace nudgery
