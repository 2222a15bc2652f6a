// The zone of the environment's TZ for the life of one test (the C library's local time, and what a
// child process inherits); the old TZ comes back at the end.
#pragma once

#include <time.h>

#include <cstdlib>
#include <optional>
#include <string>

class ZoneOfTz {
public:
    explicit ZoneOfTz(const char* tz) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ZoneOfTz() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneOfTz(const ZoneOfTz&) = delete;
    ZoneOfTz& operator=(const ZoneOfTz&) = delete;

private:
    std::optional<std::string> saved_;
};
