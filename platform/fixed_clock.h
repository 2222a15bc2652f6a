// A clock that always reads one given local date and time, for the tests and for kelo-chart's --at.
// Its zone has the one offset of that reading (t.utcOffsetSeconds) at every date.
// Its texts have the shape of a 12-hour US format or of a 24-hour day-first format:
//   clockFormat 0   "12/7/2026 10:30:00 PM"   "10:30:00 PM"
//   clockFormat 1   "7/12/2026 22:30:00"      "22:30:00"
#pragma once

#include <string>

#include "core/decimal_text.h"
#include "platform/clock.h"

class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime t, int clockFormat = 0) : time_(t), clockFormat_(clockFormat) {}

    void Set(const LocalDateTime& t) { time_ = t; }
    void SetClockFormat(int clockFormat) { clockFormat_ = clockFormat; }

    LocalDateTime Now() override { return time_; }
    int UtcOffsetAt(const LocalDateTime&) override { return time_.utcOffsetSeconds; }

    std::string GeneralDateTimeText(const LocalDateTime& t) override {
        std::string text;
        text.reserve(32);
        const bool dayFirst = clockFormat_ == 1;
        AppendDecimal(text, dayFirst ? t.day : t.month, 1);
        text += '/';
        AppendDecimal(text, dayFirst ? t.month : t.day, 1);
        text += '/';
        AppendDecimal(text, t.year, 1);
        text += ' ';
        AppendTime(text, t);
        return text;
    }

    std::string TimeText(const LocalDateTime& t) override {
        std::string text;
        AppendTime(text, t);
        return text;
    }

private:
    void AppendTime(std::string& text, const LocalDateTime& t) const {
        const bool twentyFourHours = clockFormat_ == 1;
        AppendDecimal(text, twentyFourHours ? t.hour : (t.hour % 12 == 0 ? 12 : t.hour % 12), 1);
        text += ':';
        AppendDecimal(text, t.minute, 2);
        text += ':';
        AppendDecimal(text, t.second, 2);
        if (!twentyFourHours) text += t.hour >= 12 ? " PM" : " AM";
    }

    LocalDateTime time_;
    int clockFormat_;
};
