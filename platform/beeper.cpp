#include "beeper.h"

#include <QApplication>

namespace nudgery {

void SystemBeeper::Beep() {
    QApplication::beep();
}

} // namespace nudgery
