#include "platform/win32/win32_time_zone.h"

#include <windows.h>

#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"

SYSTEMTIME ToSystemTime(const LocalDateTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

namespace {

// Whole seconds since 1601 of a SYSTEMTIME read as a moment on one clock.
long long Seconds(const SYSTEMTIME& st) {
    FILETIME ft{};
    if (!SystemTimeToFileTime(&st, &ft)) return 0;
    ULARGE_INTEGER ticks{};
    ticks.LowPart = ft.dwLowDateTime;
    ticks.HighPart = ft.dwHighDateTime;
    return static_cast<long long>(ticks.QuadPart / 10000000ULL);
}

}  // namespace

LocalDateTime LocalNowInSystemZone() {
    SYSTEMTIME utc, local;
    GetSystemTime(&utc);
    int offset = 0;
    if (SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        offset = static_cast<int>(Seconds(local) - Seconds(utc));
    else
        GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, offset};
}

int SystemZoneOffsetAt(const LocalDateTime& t) {
    TIME_ZONE_INFORMATION rules{};
    if (t.year < 1601 || t.year > 30827 || !GetTimeZoneInformationForYear(static_cast<USHORT>(t.year), nullptr, &rules))
        return 0;
    SYSTEMTIME local = ToSystemTime(t), utc{};
    if (!TzSpecificLocalTimeToSystemTime(&rules, &local, &utc)) return 0;
    return static_cast<int>(Seconds(local) - Seconds(utc));
}

LocalDateTime SystemZoneTimeAt(long long unixSeconds) {
    constexpr long long kSecondsFrom1601To1970 = 11644473600LL;
    SYSTEMTIME utc{}, local{};
    ULARGE_INTEGER ticks{};
    ticks.QuadPart = static_cast<unsigned long long>(unixSeconds + kSecondsFrom1601To1970) * 10000000ULL;
    FILETIME ft{ticks.LowPart, ticks.HighPart};
    if (unixSeconds < -kSecondsFrom1601To1970 || !FileTimeToSystemTime(&ft, &utc)) return {};
    TIME_ZONE_INFORMATION rules{};
    int offset = 0;
    if (GetTimeZoneInformationForYear(utc.wYear, nullptr, &rules) &&
        SystemTimeToTzSpecificLocalTime(&rules, &utc, &local))
        offset = static_cast<int>(Seconds(local) - Seconds(utc));
    else
        local = utc;
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, offset};
}

std::string SystemZoneKeyName() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return {};
    return Utf8FromWide(zone.TimeZoneKeyName);
}

int Win32Clock::UtcOffsetAt(const LocalDateTime& t) { return SystemZoneOffsetAt(t); }
