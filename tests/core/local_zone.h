#pragma once
// A named zone of the C library put in force through TZ for one test, and TZ put back as it
// was afterwards; its rules are what a test compares the wall clock with.

#include "core/datetime.h"
#include "core/elapsed_time.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace nudgery::test {

class LocalZone {
public:
    explicit LocalZone(const std::string& name) : name_(name) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", name.c_str(), 1);
        tzset();
    }
    ~LocalZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

    // Whether the system has the zone's rules (Debian's tzdata).
    bool Installed() const { return std::filesystem::exists("/usr/share/zoneinfo/" + name_); }

    static long OffsetAt(std::int64_t utcSeconds) {
        const std::time_t t = static_cast<std::time_t>(utcSeconds);
        std::tm local{};
        localtime_r(&t, &local);
        return local.tm_gmtoff;
    }
    static UtcOffsetAt Offsets() { return &LocalZone::OffsetAt; }

    // What the wall clock shows at an instant, to the second.
    static TDateTime Wall(std::int64_t utcSeconds) {
        const std::time_t t = static_cast<std::time_t>(utcSeconds);
        std::tm local{};
        localtime_r(&t, &local);
        return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
               EncodeTime(local.tm_hour, local.tm_min, local.tm_sec);
    }

    static std::int64_t UtcSeconds(int year, int month, int day, int hour, int minute) {
        constexpr std::int64_t UnixEpochDay = 25569;
        const auto days = static_cast<std::int64_t>(EncodeDate(year, month, day)) - UnixEpochDay;
        return days * 86400 + hour * 3600 + minute * 60;
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace nudgery::test
