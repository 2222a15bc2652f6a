// The local date and time of the present moment, with the system zone's offset from Universal Time in
// effect at that moment, and the two texts the platform formats them into: the general date-and-time
// text (whose last two characters carry the afternoon marker on a 12-hour clock) and the time text
// (whose seconds the one-second tick reads).
#pragma once

#include <cstdint>
#include <string>

struct LocalDateTime {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
    // Seconds east of Greenwich: local time = Universal Time + utcOffsetSeconds (New York in July
    // -14400, India 19800). Daylight saving is included.
    int utcOffsetSeconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // One reading: the local date and time and the offset in effect, so that both belong to one instant.
    virtual LocalDateTime Now() = 0;
    // The offset the system zone has at a local civil date and time (the fields of t, not its
    // utcOffsetSeconds). A time that the change to daylight saving skips counts by the offset before
    // the change; a time that the change back repeats, by one of its two offsets.
    virtual int UtcOffsetAt(const LocalDateTime& t) = 0;
    // e.g. "12/7/2026 10:30:00 PM" on a 12-hour US clock, "07.12.2026 22:30:00" on a German one
    virtual std::string GeneralDateTimeText(const LocalDateTime& t) = 0;
    // e.g. "10:30:00 PM" or "22:30:00"
    virtual std::string TimeText(const LocalDateTime& t) = 0;
};

// SecondsOfTimeText: the seconds the one-second tick reads from the platform's time text T: the two
// characters after the second separator, where the separator is the first ":" of T, else its first ".",
// else its first ","; the first two characters of T when there is no second separator.
std::string SecondsOfTimeText(const std::string& timeText);

// The minute of Universal Time that a reading falls in, counted from 1970-01-01 00:00 UT: the same
// for two readings of one minute, whatever the zone's offset, and different for the two passes of a
// local hour that the end of daylight saving repeats.
int64_t UtcMinuteOf(const LocalDateTime& t);

// The one-second timer of the chart windows ticks just after every change of the wall clock's second:
// armed at each tick for the next multiple of its interval on the wall clock, kTickMarginMs late, so
// that the clock already reads the new second even where it is read from a coarser clock than the
// timer runs on (Windows steps SetTimer and GetLocalTime by about 15.6 ms). Each platform's timer counts the delay on its monotonic clock, so a wall clock that
// jumps (set by hand, resumed from suspend) is followed again at the next tick, within a second.
constexpr int kTickMarginMs = 50;
// Milliseconds from the wall-clock time wallNowMs (any epoch that is a whole number of intervals) to
// kTickMarginMs after the next multiple of intervalMs (1000 for an interval of 0 or less).
int DelayToNextTickMs(int64_t wallNowMs, int intervalMs);
