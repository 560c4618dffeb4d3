// Times as the editors write them into a time box and read them back, under every locale
// the toolkit knows: whatever the user's short time format looks like (a marker before the
// hour, words around or between the numbers), the text the program writes is a time it
// takes.
#include "core/date_formats.h"
#include "platform/regional_settings.h"
#include "ui/editors/UserTimeText.h"

#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

TEST(UserTimeText, EveryTimeWrittenIntoATimeBoxReadsBackUnderEveryLocale) {
    // Both halves of the day, both ends of an hour, and the hours a 12-hour clock writes
    // as 12.
    const TDateTime times[] = {EncodeTime(0, 0),  EncodeTime(0, 5),   EncodeTime(1, 7),
                               EncodeTime(9, 30), EncodeTime(11, 59), EncodeTime(12, 0),
                               EncodeTime(12, 1), EncodeTime(13, 45), EncodeTime(18, 20),
                               EncodeTime(23, 59)};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 500) << "the toolkit's locales";
    QStringList refused;
    for (const QLocale& locale : locales) {
        DateFormats formats;
        formats.SaveUserDateFormats(RegionalSettingsFromLocale(locale));
        for (const TDateTime time : times) {
            // On a date, as a reminder's time is written.
            const QString text = FormatUserTime(formats, EncodeDate(2024, 3, 15) + time);
            if (ParseUserTime(formats, text) != time)
                refused << locale.name() + ": \"" + text + '"';
        }
        EXPECT_FALSE(formats.UserFormatsInForce());
    }
    EXPECT_TRUE(refused.isEmpty())
        << refused.size() << " refused: " << refused.join(", ").toStdString();
}

} // namespace
} // namespace nudgery
