#include "platform/linux/system_clock.h"

#include <time.h>

#include <cctype>

namespace {

std::string UpperLastTwo(const std::string& text) {
    std::string tail = text.size() >= 2 ? text.substr(text.size() - 2) : text;
    for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return tail;
}

// The civil time's fields, the daylight-saving state left to the zone's rules.
struct tm CivilFields(const LocalDateTime& t) {
    struct tm parts = {};
    parts.tm_year = t.year - 1900;
    parts.tm_mon = t.month - 1;
    parts.tm_mday = t.day;
    parts.tm_hour = t.hour;
    parts.tm_min = t.minute;
    parts.tm_sec = t.second;
    parts.tm_isdst = -1;
    return parts;
}

}  // namespace

timespec PreciseRealTime() {
    struct timespec precise = {};
    clock_gettime(CLOCK_REALTIME, &precise);
    return precise;
}

SystemClock::SystemClock(const std::string& localeName, RealTimeReading realTime)
    : locale_(localeName), realTime_(realTime) {
    dateFormat_ = locale_.DateFormat();
    ChooseTimeFormat(locale_.TimeFormat());
}

SystemClock::SystemClock(const std::string& dateFormat, const std::string& timeFormat) : locale_("C") {
    dateFormat_ = dateFormat;
    ChooseTimeFormat(timeFormat);
}

void SystemClock::ChooseTimeFormat(const std::string& localeTimeFormat) {
    clockFormat_ = ClockFormatOfFormat(localeTimeFormat);
    timeFormat_ = localeTimeFormat;
    appendMeridiem_ = false;
    // Try the locale's format on a morning and an afternoon time whose parts all differ.
    bool keeps = true;
    for (LocalDateTime probe : {LocalDateTime{2026, 12, 7, 1, 24, 57}, LocalDateTime{2026, 12, 7, 13, 24, 57}}) {
        std::string text = Format(timeFormat_, probe);
        if (SecondsOfTimeText(text) != "57") keeps = false;
        if (clockFormat_ == 0 && UpperLastTwo(text) != (probe.hour >= 12 ? "PM" : "AM")) keeps = false;
    }
    if (keeps) return;
    if (clockFormat_ == 1) {
        timeFormat_ = "%H:%M:%S";
    } else {
        timeFormat_ = "%I:%M:%S";
        appendMeridiem_ = true;
    }
}

std::string SystemClock::Format(const std::string& format, const LocalDateTime& t) const {
    struct tm parts = CivilFields(t);
    char text[256];
    std::size_t n = strftime_l(text, sizeof text, format.c_str(), &parts, locale_.Handle());
    return std::string(text, n);
}

LocalDateTime SystemClock::Now() {
    time_t now = realTime_().tv_sec;
    struct tm parts = {};
    localtime_r(&now, &parts);
    return LocalDateTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
                         parts.tm_sec, static_cast<int>(parts.tm_gmtoff)};
}

LocalDateTime SystemZoneTimeAt(long long unixSeconds) {
    const time_t instant = static_cast<time_t>(unixSeconds);
    struct tm parts = {};
    localtime_r(&instant, &parts);
    return LocalDateTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
                         parts.tm_sec, static_cast<int>(parts.tm_gmtoff)};
}

int SystemClock::UtcOffsetAt(const LocalDateTime& t) {
    // The instant mktime gives for the civil time, and the same fields read as Universal Time: their
    // difference is the offset. A skipped time is read in the zone's state before the change, so
    // 02:30 on the spring-forward day in New York is 07:30 UT, offset -5 hours.
    struct tm parts = CivilFields(t);
    struct tm asUniversal = parts;
    const time_t instant = mktime(&parts);
    const time_t fieldsAsUt = timegm(&asUniversal);
    return static_cast<int>(fieldsAsUt - instant);
}

std::string SystemClock::GeneralDateTimeText(const LocalDateTime& t) {
    return Format(dateFormat_, t) + " " + TimeText(t);
}

std::string SystemClock::TimeText(const LocalDateTime& t) {
    std::string text = Format(timeFormat_, t);
    if (appendMeridiem_) text += t.hour >= 12 ? " PM" : " AM";
    return text;
}
