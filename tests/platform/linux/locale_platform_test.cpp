#include <gtest/gtest.h>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/clock.h"
#include "platform/linux/file_text_lines.h"
#include "platform/linux/locale_formats.h"
#include "platform/linux/locale_registry.h"
#include "platform/linux/system_clock.h"
#include "shell/regional_format.h"
#include "support/zone_of_tz.h"

namespace {

TEST(LocaleFormats, DateOrderFollowsThePositionsOfDayMonthAndYear) {
    struct Case {
        const char* format;
        int order;
    } cases[] = {{"%m/%d/%Y", 0}, {"%m/%d/%y", 0}, {"%D", 0},         {"%d.%m.%Y", 1},  {"%e/%m/%y", 1},
                 {"%-d/%-m/%Y", 1}, {"%d %b %Y", 1}, {"%Y-%m-%d", 2},   {"%F", 2},        {"%Y年%m月%d日", 2},
                 {"%Ey/%m/%d", 2},  {"", 0},         {"%%d %m", 0}};
    for (const Case& c : cases) EXPECT_EQ(DateOrderOfFormat(c.format), c.order) << c.format;
}

TEST(LocaleFormats, ClockFormatIs24HourForH_k_T_R) {
    for (const char* f : {"%H:%M:%S", "%T", "%R", "%k:%M", "%OH.%M"}) EXPECT_EQ(ClockFormatOfFormat(f), 1) << f;
    for (const char* f : {"%I:%M:%S %p", "%r", "%l:%M %p", ""}) EXPECT_EQ(ClockFormatOfFormat(f), 0) << f;
}

TEST(LocaleRegistry, AnswersTheInternationalKeyAsWindowsDoes) {
    LocaleRegistry registry(2, 1);
    RegKey key = 0;
    ASSERT_EQ(registry.RegOpenKeyA(kHkeyCurrentUser, "control panel\\INTERNATIONAL", &key), kErrorSuccess);
    ASSERT_NE(key, 0u);
    uint32_t type = 0, size = 0;
    ASSERT_EQ(registry.RegQueryValueExA(key, "idate", &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 2u);  // "2" and its NUL
    char small[1];
    uint32_t smallSize = sizeof small;
    EXPECT_EQ(registry.RegQueryValueExA(key, "iDate", &type, small, &smallSize), kErrorMoreData);
    EXPECT_EQ(smallSize, 2u);
    EXPECT_EQ(registry.RegQueryValueExA(key, "sShortDate", &type, nullptr, &size), kErrorFileNotFound);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);

    RegKey other = 99;
    EXPECT_EQ(registry.RegOpenKeyA(kHkeyCurrentUser, "Control Panel\\Desktop", &other), kErrorFileNotFound);
    EXPECT_EQ(other, 0u);
    EXPECT_NE(registry.RegQueryValueExA(0, "iDate", &type, nullptr, &size), kErrorSuccess);

    ChartState s;
    FileTextLines files;
    ReadRegionalFormat(s, files, registry, "");
    EXPECT_EQ(s.dateOrder, 2);
    EXPECT_EQ(s.clockFormat, 1);
}

TEST(LocaleRegistry, TheCLocaleIsMonthFirstOnA24HourClock) {
    for (const char* name : {"C", "C.UTF-8", "no_such_locale.UTF-8"}) {  // an unknown locale falls back to C
        LocaleRegistry registry(name);
        ChartState s;
        FileTextLines files;
        ReadRegionalFormat(s, files, registry, "");
        EXPECT_EQ(s.dateOrder, 0) << name;
        EXPECT_EQ(s.clockFormat, 1) << name;
    }
}

TEST(SystemClock, TextsFollowTheFormatsAndKeepTheTickAndAfternoonRules) {
    const LocalDateTime evening{2026, 12, 7, 22, 30, 5};
    SystemClock us("%m/%d/%Y", "%I:%M:%S %p");
    EXPECT_EQ(us.ClockFormat(), 0);
    EXPECT_EQ(us.GeneralDateTimeText(evening), "12/07/2026 10:30:05 PM");
    EXPECT_EQ(us.TimeText(evening), "10:30:05 PM");

    SystemClock german("%d.%m.%Y", "%H:%M:%S");
    EXPECT_EQ(german.ClockFormat(), 1);
    EXPECT_EQ(german.GeneralDateTimeText(evening), "07.12.2026 22:30:05");

    // Formats without seconds, or a 12-hour format without its marker, are replaced.
    SystemClock noSeconds("%d.%m.%Y", "%H.%M");
    EXPECT_EQ(noSeconds.TimeText(evening), "22:30:05");
    SystemClock noMarker("%m/%d/%Y", "%I:%M:%S");
    EXPECT_EQ(noMarker.TimeText(evening), "10:30:05 PM");
    EXPECT_EQ(noMarker.TimeText(LocalDateTime{2026, 12, 7, 0, 5, 0}), "12:05:00 AM");

    for (SystemClock* clock : {&us, &german, &noSeconds, &noMarker})
        EXPECT_EQ(SecondsOfTimeText(clock->TimeText(evening)), "05");
}

TEST(SystemClock, NowIsTheLocalTime) {
    SystemClock clock("C");
    time_t before = time(nullptr);
    LocalDateTime t = clock.Now();
    struct tm local = {};
    localtime_r(&before, &local);
    EXPECT_EQ(t.year, local.tm_year + 1900);
    EXPECT_EQ(t.month, local.tm_mon + 1);
    EXPECT_GE(t.day, 1);
    EXPECT_LE(t.hour, 23);
    EXPECT_LE(t.second, 60);
}

constexpr time_t kMinuteMark = 1796000040;  // a whole minute of Universal Time

TEST(SystemClock, TheOffsetInEffectFollowsTheZonesRulesAndDaylightSaving) {
    SystemClock clock("C");
    {
        ZoneOfTz zone("America/New_York");
        EXPECT_EQ(clock.UtcOffsetAt({2026, 1, 15, 12, 0, 0}), -5 * 3600);
        EXPECT_EQ(clock.UtcOffsetAt({2026, 7, 15, 12, 0, 0}), -4 * 3600);
        EXPECT_EQ(clock.UtcOffsetAt({2026, 3, 8, 2, 30, 0}), -5 * 3600);  // skipped at the change: the offset before
        EXPECT_EQ(clock.UtcOffsetAt({2026, 3, 8, 3, 30, 0}), -4 * 3600);
        const int now = clock.Now().utcOffsetSeconds;
        EXPECT_TRUE(now == -5 * 3600 || now == -4 * 3600) << now;
    }
    {
        ZoneOfTz zone("Asia/Kolkata");
        EXPECT_EQ(clock.UtcOffsetAt({2026, 7, 1, 0, 0, 0}), 19800);
        // One reading: local time minus its offset is the system clock's UT (a whole minute, 06:24
        // in Kolkata).
        SystemClock atMark("C", [] { return timespec{kMinuteMark, 0}; });
        const LocalDateTime t = atMark.Now();
        EXPECT_EQ(t.year, 2026);
        EXPECT_EQ(t.month, 11);
        EXPECT_EQ(t.day, 30);
        EXPECT_EQ(t.hour, 6);
        EXPECT_EQ(t.minute, 24);
        EXPECT_EQ(t.second, 0);
        EXPECT_EQ(t.utcOffsetSeconds, 19800);
    }
    {
        ZoneOfTz zone("Pacific/Kiritimati");
        EXPECT_EQ(clock.UtcOffsetAt({2026, 12, 7, 8, 0, 0}), 14 * 3600);
    }
}

// The tick lands a few milliseconds after the second changes on the precise clock; the local time it reads
// must already show the new second (a coarse clock such as the one behind time() may still show the old).
TEST(SystemClock, NowShowsTheSecondOfItsReadingJustAfterTheSecondBegins) {
    SystemClock clock("C", [] { return timespec{kMinuteMark, 1'000'000}; });
    struct tm parts = {};
    localtime_r(&kMinuteMark, &parts);
    const LocalDateTime now = clock.Now();
    EXPECT_EQ(now.second, parts.tm_sec);
    EXPECT_EQ(now.minute, parts.tm_min);
    EXPECT_EQ(now.hour, parts.tm_hour);
    EXPECT_EQ(now.day, parts.tm_mday);
}

TEST(SystemClock, ItsReadingIsThePreciseRealTimeClock) {
    const auto nanoseconds = [](const timespec& t) { return t.tv_sec * 1'000'000'000LL + t.tv_nsec; };
    timespec before = {}, after = {};
    clock_gettime(CLOCK_REALTIME, &before);
    const timespec reading = PreciseRealTime();
    clock_gettime(CLOCK_REALTIME, &after);
    EXPECT_LE(nanoseconds(before), nanoseconds(reading));  // a coarse clock would lag behind this reading
    EXPECT_LE(nanoseconds(reading), nanoseconds(after));
}

TEST(FileTextLines, ReadsCrLfAndLfLinesAndReportsMissingFiles) {
    std::string path = (std::filesystem::temp_directory_path() / ("kelo_win_ini_" + std::to_string(getpid()) + ".ini")).string();
    std::ofstream(path, std::ios::binary) << "[intl]\r\niDate=1\n\r\nlast";
    FileTextLines files;
    std::vector<std::string> lines;
    ASSERT_TRUE(files.ReadLines(path, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"[intl]", "iDate=1", "", "last"}));
    std::remove(path.c_str());
    EXPECT_FALSE(files.ReadLines(path, lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(files.ReadLines("", lines));
    EXPECT_FALSE(files.ReadLines(std::filesystem::temp_directory_path().string(), lines));
}

TEST(LegacyIniFile, TheWindowsPathReadsTheFileTheEnvironmentNames) {
    const std::string file =
        (std::filesystem::temp_directory_path() / ("kelo_legacy_" + std::to_string(getpid()) + ".ini")).string();
    std::ofstream(file, std::ios::binary) << "[intl]\r\niDate=1\r\n";
    LegacyIniFile ini;
    std::vector<std::string> lines;
    unsetenv(kLegacyIniVariable);
    EXPECT_FALSE(ini.ReadLines(kLegacyIniPath, lines));
    setenv(kLegacyIniVariable, file.c_str(), 1);
    ASSERT_TRUE(ini.ReadLines(kLegacyIniPath, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"[intl]", "iDate=1"}));
    unsetenv(kLegacyIniVariable);
    EXPECT_TRUE(ini.ReadLines(file, lines));  // any other path as it stands
    std::filesystem::remove(file);
}

}  // namespace
