// The system's local date and time (the time zone of the environment), with texts in the user's
// regional formats: the date by the locale's D_FMT, the time by its T_FMT.
// Two rules of the chart window hold for every text this clock writes, whatever the locale:
//   - on a 12-hour clock the general text ends in "AM" or "PM" (the afternoon test);
//   - the seconds stand right after the second separator of the time text (the minute tick).
// A locale time format that breaks either rule is replaced by "%I:%M:%S AM|PM" (12-hour) or
// "%H:%M:%S" (24-hour).
#pragma once

#include <time.h>

#include <string>

#include "platform/clock.h"
#include "platform/linux/locale_formats.h"

// A reading of the system's real-time clock.
using RealTimeReading = timespec (*)();

// The precise real-time clock (CLOCK_REALTIME). time() may read the kernel's coarse clock, which lags the
// second's change by a few milliseconds: a tick just after second 00 would then still read 59.
timespec PreciseRealTime();

// The local date and time the system's zone shows at an instant (seconds since 1970-01-01 00:00 UT),
// with the offset in effect then: across a change of daylight saving the instants run on while the
// civil time jumps or repeats.
LocalDateTime SystemZoneTimeAt(long long unixSeconds);

class SystemClock : public Clock {
public:
    // localeName "" means the environment's locale; Now reads the local time of realTime's readings.
    explicit SystemClock(const std::string& localeName = "", RealTimeReading realTime = PreciseRealTime);
    // Explicit strftime formats (the C locale's names for the afternoon marker, "AM" and "PM").
    SystemClock(const std::string& dateFormat, const std::string& timeFormat);

    LocalDateTime Now() override;  // localtime_r: TZ, else /etc/localtime
    int UtcOffsetAt(const LocalDateTime& t) override;  // mktime
    std::string GeneralDateTimeText(const LocalDateTime& t) override;
    std::string TimeText(const LocalDateTime& t) override;

    int ClockFormat() const { return clockFormat_; }  // 1 = 24-hour, as the locale's T_FMT says

private:
    void ChooseTimeFormat(const std::string& localeTimeFormat);
    std::string Format(const std::string& format, const LocalDateTime& t) const;

    LocaleFormats locale_;
    RealTimeReading realTime_ = PreciseRealTime;
    std::string dateFormat_;
    std::string timeFormat_;
    bool appendMeridiem_ = false;  // the fallback 12-hour format writes " AM" / " PM" itself
    int clockFormat_ = 0;
};
