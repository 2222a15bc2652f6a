#include "platform/clock.h"

std::string SecondsOfTimeText(const std::string& timeText) {
    // Positions below are 1-based, 0 meaning "not found", as the rule is written.
    auto position = [&](std::size_t from, char c) -> std::size_t {
        if (from < 1 || from > timeText.size()) return 0;
        std::size_t at = timeText.find(c, from - 1);
        return at == std::string::npos ? 0 : at + 1;
    };
    char separator = ':';
    std::size_t p = position(1, ':');
    if (p == 0) {
        separator = '.';
        p = position(1, '.');
    }
    if (p == 0) {
        separator = ',';
        p = position(1, ',');
    }
    std::size_t q = p == 0 ? position(1, ',') : position(p + 1, separator);
    return timeText.substr(q < timeText.size() ? q : timeText.size(), 2);
}

int64_t UtcMinuteOf(const LocalDateTime& t) {
    // Days from 1970-01-01 of the proleptic Gregorian date, by whole 400-year eras from March 1.
    const int64_t y = t.year - (t.month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (t.month + (t.month > 2 ? -3 : 9)) + 2) / 5 + t.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t days = era * 146097 + dayOfEra - 719468;
    const int64_t localSeconds = days * 86400 + t.hour * 3600 + t.minute * 60;
    const int64_t utcSeconds = localSeconds - t.utcOffsetSeconds;
    return (utcSeconds >= 0 ? utcSeconds : utcSeconds - 59) / 60;
}

int DelayToNextTickMs(int64_t wallNowMs, int intervalMs) {
    if (intervalMs <= 0) intervalMs = 1000;
    const int64_t into = ((wallNowMs % intervalMs) + intervalMs) % intervalMs;
    return static_cast<int>(intervalMs - into) + kTickMarginMs;
}
