#include "UserTimeText.h"

#include "core/clock.h"
#include "core/date_formats.h"

#include <QCoreApplication>
#include <cmath>

namespace nudgery {

QString InvalidTimeLead() {
    return QCoreApplication::translate("UserTimeText",
                                       "Invalid time. Please use your regional time format\n"
                                       "   Example: ");
}

QString FormatUserTime(DateFormats& formats, TDateTime time) {
    const UserFormatsScope user(formats);
    return QString::fromLocal8Bit(formats.Format("t", time));
}

std::optional<TDateTime> ParseUserTime(DateFormats& formats, const QString& text) {
    const UserFormatsScope user(formats);
    // The parser compares letters without regard to case itself.
    return formats.ParseTime(text.toLocal8Bit().toStdString());
}

bool CanShowDateTime(TDateTime value) {
    return std::isfinite(value) && value >= EncodeDate(1, 1, 1) &&
           value < EncodeDate(9999, 12, 31) + 1;
}

QString InvalidTimeMessage(DateFormats& formats, const Clock& clock, const QString& lead) {
    return lead + FormatUserTime(formats, clock.Now());
}

} // namespace nudgery
