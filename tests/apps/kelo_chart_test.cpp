#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <ctime>

#include "apps/kelo-chart/chart_json.h"
#include "apps/run_tool.h"
#include "core/setting_lines.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string kShipped = (fs::path(KELO_CHART_PROGRAM).parent_path() / "KELO.INI").string();

// The shipped settings with some lines' first seven characters replaced, in a temporary file.
class ChangedSettings {
public:
    ChangedSettings(std::initializer_list<std::pair<int, std::string>> changes) {
        std::ifstream in(kShipped, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        for (const auto& [n, value] : changes) {
            std::string field = value;
            field.resize(7, ' ');
            lines.at(n - 1).replace(0, 7, field);
        }
        path_ = (fs::temp_directory_path() / ("kelo_chart_" + std::to_string(getpid()) + "_" +
                                              std::to_string(counter_++) + ".ini"))
                    .string();
        std::ofstream out(path_, std::ios::binary);
        for (const std::string& line : lines) out << line << "\n";
    }
    ~ChangedSettings() { fs::remove(path_); }
    std::string Arg() const { return "--settings " + Quoted(path_); }

private:
    static inline int counter_ = 0;
    std::string path_;
};

TEST(JsonNumber, IsTheShortestTextThatReadsBackAsTheSameDouble) {
    EXPECT_EQ(JsonNumber(2451545), "2451545.0");
    EXPECT_EQ(JsonNumber(0), "0.0");
    EXPECT_EQ(JsonNumber(0.20833333333333334), "0.20833333333333334");
    EXPECT_EQ(JsonNumber(-1e-7), "-1e-07");
    for (double v : {1.0 / 3, 100.27132653054025, 359.99999999999994, 5e-324})
        EXPECT_EQ(std::strtod(JsonNumber(v).c_str(), nullptr), v);
}

TEST(JsonString, EscapesQuotesControlsAndHighBytes) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\x01\t", 2)), "\"\\u0001\\t\"");
    EXPECT_EQ(JsonString("\xE9"), "\"\\u00e9\"");
    EXPECT_EQ(json::parse(JsonString("06h  44m  41s ")), "06h  44m  41s ");
    // Escapes at the ends and between runs of plain characters.
    EXPECT_EQ(JsonString("\"a b\nc\\"), "\"\\\"a b\\nc\\\\\"");
    EXPECT_EQ(JsonString(std::string("x\x7F\0y", 4)), "\"x\\u007f\\u0000y\"");
}

TEST(NonFiniteValues, NamesEveryValueThatCannotBeWritten) {
    ChartState s;
    EXPECT_TRUE(NonFiniteValues(s).empty());
    s.ramcRad = std::numeric_limits<double>::quiet_NaN();
    s.bodyLongitude[13] = std::numeric_limits<double>::infinity();
    s.bodyLongitude[0] = std::numeric_limits<double>::quiet_NaN();  // index 0 is not written
    EXPECT_EQ(NonFiniteValues(s), (std::vector<std::string>{"ramcRad", "bodyLongitude[13]"}));
}

TEST(KeloChart, PrintsTheShippedChartAsOneJsonObjectWithEveryKey) {
    // The shipped settings follow the system's zone: New York's in December is 5 hours west.
    ToolRun run = RunTool("--at 2026-12-07T22:30 --date-order 1 --clock-format 1 --json", "TZ=America/New_York");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    json j = json::parse(run.out);
    for (const char* key : {"settingsError", "messages", "dayNumber", "dayFraction", "ramcRad", "mcLongitude",
                            "ascLongitude", "siderealText", "houseCusp", "bodyLongitude", "retroFlags",
                            "precessionShift", "siderealShift", "altNodeLongitude", "houseLine", "infoLines",
                            "moonVoid"})
        EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_EQ(j["houseCusp"].size(), 12u);
    EXPECT_EQ(j["bodyLongitude"].size(), 15u);
    EXPECT_EQ(j["retroFlags"].get<std::string>().size(), 15u);
    EXPECT_EQ(j["houseLine"].get<std::string>().size(), 150u);
    EXPECT_EQ(j["infoLines"][0], "07 Dec 2026 - 10.30 p.m. ( 5)");
    EXPECT_EQ(j["infoLines"][1], "74W00, 40N45");
    EXPECT_EQ(j["infoLines"][3], "Placidus houses");
    EXPECT_EQ(j["dateText"], "7/12/2026");
}

TEST(KeloChart, TheReadableChartUsesTheSymbolsOnAUtf8Terminal) {
    ToolRun utf8 = RunTool("--at 2026-12-07T22:30", "LC_ALL=C.UTF-8");
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    for (const char* text : {"\u2609", "\u263D", "\u2647", "Sun", "Pluto", "Midheaven", "Cusps",
                             "Moon void of course:", "74W00, 40N45", "Placidus houses", " 1ST"})
        EXPECT_NE(utf8.out.find(text), std::string::npos) << text;
    ToolRun ascii = RunTool("--at 2026-12-07T22:30", "LC_ALL=C");
    ASSERT_EQ(ascii.status, 0);
    for (unsigned char c : ascii.out) EXPECT_LT(c, 0x80);
    EXPECT_NE(ascii.out.find("Sun"), std::string::npos);
}

TEST(KeloChart, RegionalFormatComesFromTheLocaleOrAWinIniAndTheCommandLineWins) {
    ToolRun locale = RunTool("--at 2026-12-07T22:30 --json", "LC_ALL=C");  // C: m/d/y, 24-hour
    ASSERT_EQ(locale.status, 0);
    EXPECT_EQ(json::parse(locale.out)["dateText"], "12/7/2026");
    EXPECT_EQ(json::parse(locale.out)["meridiem"], "P.M.");

    std::string ini = (fs::temp_directory_path() / ("kelo_win_" + std::to_string(getpid()) + ".ini")).string();
    std::ofstream(ini, std::ios::binary) << "[intl]\r\niDate=2\r\niTime=0\r\n";
    ToolRun fromIni = RunTool("--at 2026-12-07T22:30 --json", "LC_ALL=C KELO_LEGACY_INI=" + Quoted(ini));
    ToolRun overridden = RunTool("--at 2026-12-07T22:30 --date-order 1 --json", "KELO_LEGACY_INI=" + Quoted(ini));
    fs::remove(ini);
    EXPECT_EQ(json::parse(fromIni.out)["dateText"], "2026/12/7");
    EXPECT_EQ(json::parse(fromIni.out)["meridiem"], "P.M.");  // 12-hour texts of the tool's own clock
    EXPECT_EQ(json::parse(overridden.out)["dateText"], "7/12/2026");
}

// The instant of a chart, in seconds since 1970 UT: its day number is the Julian day of the civil date's
// noon, its day fraction the Universal Time of the day.
double ChartInstant(const json& chart) {
    return (chart["dayNumber"].get<double>() - 0.5 + chart["dayFraction"].get<double>() - 2440587.5) * 86400;
}

double UtInstant(int year, int month, int day, int hour, int minute) {
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return static_cast<double>(timegm(&t));
}

TEST(KeloChart, OnTheSystemsZoneAtIsCivilTimeThereAndTheDateLineShowsTheOffsetInEffect) {
    struct Case {
        const char* tz;
        const char* at;
        const char* dateLine;
        double ut;
    };
    const Case cases[] = {
        {"America/New_York", "2026-01-15T12:00", "15 Jan 2026 - 12.00 p.m. ( 5)", UtInstant(2026, 1, 15, 17, 0)},
        {"America/New_York", "2026-07-15T12:00", "15 Jul 2026 - 12.00 p.m. ( 4)", UtInstant(2026, 7, 15, 16, 0)},
        {"Europe/Berlin", "2026-07-01T12:00", "01 Jul 2026 - 12.00 p.m. (-2)", UtInstant(2026, 7, 1, 10, 0)},
        {"Europe/Berlin", "2026-12-07T00:30", "07 Dec 2026 - 12.30 a.m. (-1)", UtInstant(2026, 12, 6, 23, 30)},
        {"Asia/Kolkata", "2026-12-07T22:30", "07 Dec 2026 - 10.30 p.m. (-5.5)", UtInstant(2026, 12, 7, 17, 0)},
        {"Pacific/Kiritimati", "2026-12-07T08:00", "07 Dec 2026 - 8.00 a.m. (-14)", UtInstant(2026, 12, 6, 18, 0)},
        {"UTC", "2026-12-07T08:00", "07 Dec 2026 - 8.00 a.m. ( 0)", UtInstant(2026, 12, 7, 8, 0)},
    };
    for (const Case& c : cases) {
        ToolRun run = RunTool(std::string("--at ") + c.at + " --json", std::string("TZ=") + c.tz);
        ASSERT_EQ(run.status, 0) << c.tz << " " << run.err;  // Kiritimati's 14 hours pass: line 18 is not checked
        const json j = json::parse(run.out);
        EXPECT_EQ(j["infoLines"][0], c.dateLine) << c.tz;
        EXPECT_NEAR(ChartInstant(j), c.ut, 0.1) << c.tz << " " << c.at;
    }
    // Any other line 17 keeps the zone of line 18, whatever the system's.
    for (const char* source : {"0", "1.5", "-1"}) {
        ChangedSettings fixed({{17, source}});
        ToolRun run = RunTool(fixed.Arg() + " --at 2026-07-01T12:00 --json", "TZ=Europe/Berlin");
        ASSERT_EQ(run.status, 0) << source;
        const json j = json::parse(run.out);
        EXPECT_EQ(j["infoLines"][0], "01 Jul 2026 - 12.00 p.m. ( 5)") << source;
        EXPECT_NEAR(ChartInstant(j), UtInstant(2026, 7, 1, 17, 0), 0.1) << source;
    }
    // Line 18 out of range fails its check on the fixed zone only.
    ChangedSettings system({{18, "14"}}), fixed({{17, "0"}, {18, "14"}});
    EXPECT_EQ(RunTool(system.Arg() + " --at 2026-07-01T12:00 --json", "TZ=Europe/Berlin").status, 0);
    EXPECT_EQ(RunTool(fixed.Arg() + " --at 2026-07-01T12:00 --json", "TZ=Europe/Berlin").status, 3);
}

TEST(KeloChart, OnTheSystemsZoneTheChartOfNowIsTheSystemClocksInstant) {
    for (const char* tz : {"America/New_York", "Asia/Kolkata", "Pacific/Kiritimati"}) {
        const double before = static_cast<double>(time(nullptr));
        ToolRun run = RunTool("--json", std::string("TZ=") + tz);
        const double after = static_cast<double>(time(nullptr));
        ASSERT_EQ(run.status, 0) << tz << " " << run.err;
        // The chart drops the seconds: its instant is the start of the minute of the reading (to a tenth of a
        // second: the clock time is a single).
        const double instant = ChartInstant(json::parse(run.out));
        EXPECT_GE(instant, std::floor(before / 60) * 60 - 0.1) << std::fixed << tz << " " << before;
        EXPECT_LE(instant, after + 0.1) << std::fixed << tz << " " << after;
    }
}

TEST(KeloChart, ASettingsCheckFailureExitsWith3AndStillPrintsTheJson) {
    ChangedSettings lat({{kLatitudeDegreesLine, "-70"}});
    ToolRun run = RunTool(lat.Arg() + " --at 2026-12-07T22:30 --json");
    EXPECT_EQ(run.status, 3);
    json j = json::parse(run.out);
    EXPECT_EQ(j["settingsError"], 1);
    EXPECT_EQ(j["messages"], json::array({"Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR "
                                          "change house systems."}));
    EXPECT_NE(run.err.find("Your latitude is too high."), std::string::npos);

    ToolRun readable = RunTool(lat.Arg() + " --at 2026-12-07T22:30");
    EXPECT_EQ(readable.status, 3);
    EXPECT_NE(readable.err.find("Your latitude is too high."), std::string::npos);
}

TEST(KeloChart, AValueThatCannotBeComputedExitsWith4AndPrintsNoJson) {
    // Passes the checks (no lower bound), gives no RAMC.
    ChangedSettings infinite({{kLongitudeDegreesLine, "-1E999"}});
    ToolRun run = RunTool(infinite.Arg() + " --at 2026-12-07T22:30 --json");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("ramcRad"), std::string::npos);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

TEST(KeloChart, BadCommandLinesAndUnreadableSettingsExitWith2) {
    for (const char* args : {"--bogus", "--at", "--at 2026-13-01T00:00", "--at 2026-02-29T10:00", "--at 2026-12-07",
                             "--date-order 3", "--clock-format x", "--json=1", "--settings"}) {
        ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    }
    ToolRun missing = RunTool("--settings /nonexistent/KELO.INI");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("/nonexistent/KELO.INI"), std::string::npos);
    EXPECT_EQ(RunTool("--at=2024-02-29T10:00 --json").status, 0);  // a leap day, the value after "="
    EXPECT_EQ(RunTool("--at 1500-02-29T10:00 --json").status, 0);  // Julian leap year
}

TEST(KeloChart, HelpExplainsEveryOption) {
    ToolRun run = RunTool("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--settings", "--at", "--date-order", "--clock-format", "--json", "--help"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

// The Sun's altitude of a whole chart against an independent calculation: the low-precision solar
// coordinates of Meeus (Astronomical Algorithms, ch. 25, apparent longitude) and his sidereal time
// (ch. 12), worked at the full instant for 13E24, 52N31 (Berlin) and 0, 0. The chart counts whole
// minutes and its own theories, so 0.05 degrees is ample.
TEST(KeloChart, TheSunsAltitudeMatchesAnIndependentCalculation) {
    struct Row { const char* zone; const char* latitude; const char* longitude; const char* at; double altitude; const char* why; };
    const Row rows[] = {
        {"-1", "52", "13", "2026-12-21T00:00", -60.907, "Berlin, winter, midnight CET"},
        {"-1", "52", "13", "2026-12-21T12:00", 14.040, "Berlin, winter, noon CET"},
        {"-1", "52", "13", "2026-12-21T16:15", -3.371, "Berlin, winter, in civil twilight"},
        {"-2", "52", "13", "2026-06-21T00:00", -12.605, "Berlin, summer, midnight CEST: twilight all night"},
        {"-2", "52", "13", "2026-06-21T12:00", 58.147, "Berlin, summer, noon CEST"},
        {"0", "0", "0", "2026-03-20T12:00", 88.134, "equator, March equinox, noon UT"},
        {"0", "0", "0", "2026-03-20T06:00", -1.884, "equator, March equinox, 06:00 UT"},
    };
    for (const Row& r : rows) {
        const bool berlin = std::string(r.latitude) == "52";
        ChangedSettings ini({{kNightDimmingLine, "30"}, {kZoneSourceLine, "0"}, {kTimeZoneLine, r.zone},
                             {kLongitudeDegreesLine, r.longitude}, {kLongitudeMinutesLine, berlin ? "24" : "0"},
                             {kLongitudeDirectionLine, "-1"}, {kLatitudeDegreesLine, r.latitude},
                             {kLatitudeMinutesLine, berlin ? "31" : "0"}, {kLatitudeDirectionLine, "1"}});
        ToolRun run = RunTool(ini.Arg() + " --at " + r.at + " --json");
        ASSERT_EQ(run.status, 0) << r.why << run.err;
        const json got = json::parse(run.out);
        EXPECT_NEAR(got.at("sunAltitude").get<double>(), r.altitude, 0.05) << r.why;
        // Line 15 at 30%: full by day, 30% below -6 degrees, 30% + 70% x (6 - 3.371) / 6 at dusk.
        const double brightness = r.altitude >= 0 ? 1 : r.altitude <= -6 ? 0.3 : 0.3 + 0.7 * (6 + r.altitude) / 6;
        EXPECT_NEAR(got.at("brightness").get<double>(), brightness, 0.01) << r.why;
    }
}

}  // namespace
