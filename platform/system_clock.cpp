#include "system_clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace nudgery {

TDateTime SystemClock::Now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return EncodeDate(date.year(), date.month(), date.day()) +
           EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

std::uint32_t SystemClock::TickCount() const {
    QElapsedTimer timer;
    timer.start();
    // Milliseconds of the monotonic clock, wrapping at 2^32 like the system tick count;
    // its users compare ticks with 32-bit arithmetic.
    return static_cast<std::uint32_t>(timer.msecsSinceReference());
}

} // namespace nudgery
