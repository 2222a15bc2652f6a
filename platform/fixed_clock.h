// A clock that always reads one given local date and time, for the tests and for kelo-chart's --at.
// Its zone has the one offset of that reading (t.utcOffsetSeconds) at every date.
// Its texts have the shape of a 12-hour US format or of a 24-hour day-first format:
//   clockFormat 0   "12/7/2026 10:30:00 PM"   "10:30:00 PM"
//   clockFormat 1   "7/12/2026 22:30:00"      "22:30:00"
#pragma once

#include <cstdio>
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
        char date[48];
        if (clockFormat_ == 1)
            std::snprintf(date, sizeof date, "%d/%d/%d", t.day, t.month, t.year);
        else
            std::snprintf(date, sizeof date, "%d/%d/%d", t.month, t.day, t.year);
        return std::string(date) + " " + TimeText(t);
    }

    std::string TimeText(const LocalDateTime& t) override {
        char text[48];
        if (clockFormat_ == 1) {
            std::snprintf(text, sizeof text, "%d:%02d:%02d", t.hour, t.minute, t.second);
        } else {
            int h = t.hour % 12 == 0 ? 12 : t.hour % 12;
            std::snprintf(text, sizeof text, "%d:%02d:%02d %s", h, t.minute, t.second, t.hour >= 12 ? "PM" : "AM");
        }
        return text;
    }

private:
    LocalDateTime time_;
    int clockFormat_;
};
