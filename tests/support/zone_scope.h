#pragma once
// Puts a time zone in force for the C library (TZ) while a test runs, and the one before
// back afterwards.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace nudgery::testing {

class ZoneScope {
public:
    explicit ZoneScope(const std::string& zone) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        Set(zone);
    }
    ~ZoneScope() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

    // Another zone while the scope lasts.
    static void Set(const std::string& zone) {
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }

private:
    std::optional<std::string> old_;
};

} // namespace nudgery::testing
