// Without TZ, as on a desktop, the C library reads /etc/localtime once and then only at
// tzset(): the clock must call it when the zone file is replaced, or it keeps the old
// zone. The C library's zone is modelled here (see interposed_calls.h); the zone file
// itself is a real one, replaced the way the system replaces it, and watched for real.

#include "interposed_calls.h"
#include "platform/system_clock.h"
#include "support/temp_folder.h"

#include <QDateTime>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nudgery {
namespace {

// TZ unset for one test, and put back as it was afterwards.
class NoTz {
public:
    NoTz() {
        if (const char* tz = std::getenv("TZ"))
            old_ = tz;
        unsetenv("TZ");
    }
    ~NoTz() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
    }
    NoTz(const NoTz&) = delete;
    NoTz& operator=(const NoTz&) = delete;

private:
    std::optional<std::string> old_;
};

// Whether the clock shows the time of the zone `offsetSeconds` east of UTC, give or take
// two seconds.
bool ShowsZone(const Clock& clock, long offsetSeconds) {
    const QDateTime utc = QDateTime::currentDateTimeUtc().addSecs(offsetSeconds);
    const TDateTime expected =
        EncodeDate(utc.date().year(), utc.date().month(), utc.date().day()) +
        EncodeTime(utc.time().hour(), utc.time().minute(), utc.time().second());
    return std::abs(clock.Now() - expected) < 2.0 / 86400;
}

TEST(ZoneFileWithoutTz, AReplacedZoneFileIsReadAgain) {
    const NoTz noTz;
    const TempFolder folder;
    const QString zone = folder.Write("localtime", "Berlin");
    interposed::ZoneModel library(3600);
    const SystemClock clock({zone});
    ASSERT_TRUE(ShowsZone(clock, 3600));

    library.ReplaceFile(9 * 3600);
    const QString replacement = folder.Write("localtime.new", "Tokyo");
    ASSERT_EQ(std::rename(QFile::encodeName(replacement), QFile::encodeName(zone)), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsZone(clock, 9 * 3600); }, 5000));
}

} // namespace
} // namespace nudgery
