// A clock that always reads one given local date and time, for the tests and for kelo-chart's --at.
// Its zone has the one offset of that reading (t.utcOffsetSeconds) at every date.
// Its texts have the shape of a 12-hour US format or of a 24-hour day-first format:
//   clockFormat 0   "12/7/2026 10:30:00 PM"   "10:30:00 PM"
//   clockFormat 1   "7/12/2026 22:30:00"      "22:30:00"
#pragma once

#include <charconv>
#include <string>

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
        AppendNumber(text, dayFirst ? t.day : t.month, 1);
        text += '/';
        AppendNumber(text, dayFirst ? t.month : t.day, 1);
        text += '/';
        AppendNumber(text, t.year, 1);
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
    // The number in decimal, as printf's "%d" (width 1) or "%02d" (width 2) writes it.
    static void AppendNumber(std::string& text, int value, int width) {
        char digits[16];
        const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
        if (width == 2 && r.ptr - digits < 2) text += '0';
        text.append(digits, r.ptr);
    }

    void AppendTime(std::string& text, const LocalDateTime& t) const {
        const bool twentyFourHours = clockFormat_ == 1;
        AppendNumber(text, twentyFourHours ? t.hour : (t.hour % 12 == 0 ? 12 : t.hour % 12), 1);
        text += ':';
        AppendNumber(text, t.minute, 2);
        text += ':';
        AppendNumber(text, t.second, 2);
        if (!twentyFourHours) text += t.hour >= 12 ? " PM" : " AM";
    }

    LocalDateTime time_;
    int clockFormat_;
};
