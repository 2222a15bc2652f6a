// The system's local date and time (the time zone of the environment), with texts in the user's
// regional formats: the date by the locale's D_FMT, the time by its T_FMT.
// Two rules of the chart window hold for every text this clock writes, whatever the locale:
//   - on a 12-hour clock the general text ends in "AM" or "PM" (the afternoon test);
//   - the seconds stand right after the second separator of the time text (the minute tick).
// A locale time format that breaks either rule is replaced by "%I:%M:%S AM|PM" (12-hour) or
// "%H:%M:%S" (24-hour).
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/linux/locale_formats.h"

class SystemClock : public Clock {
public:
    // localeName "" means the environment's locale.
    explicit SystemClock(const std::string& localeName = "");
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
    std::string dateFormat_;
    std::string timeFormat_;
    bool appendMeridiem_ = false;  // the fallback 12-hour format writes " AM" / " PM" itself
    int clockFormat_ = 0;
};
