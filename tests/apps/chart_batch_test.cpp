// kelo-chart's batch: the steps, the moments of a range (evenly in a fixed zone, on real time across a
// change of daylight saving), the CSV table and the JSON Lines; through the built tool, the lines of a
// batch against the charts of single runs, and the ranges it refuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "apps/kelo-chart/chart_batch.h"
#include "apps/kelo-chart/chart_json.h"
#include "apps/run_tool.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string kShipped = (fs::path(KELO_CHART_PROGRAM).parent_path() / "KELO.INI").string();
const fs::path kCharts = fs::path(KELO_SOURCE_TEST_DATA) / "charts";

std::string Text(const LocalDateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d %+d", t.year, t.month, t.day, t.hour, t.minute,
                  t.utcOffsetSeconds / 60);
    return text;
}

LocalDateTime At(int y, int mo, int d, int h, int mi) { return LocalDateTime{y, mo, d, h, mi, 0, 0}; }

// A zone like New York's in 2026: 5 hours west, 4 from 2026-03-08 07:00 UT to 2026-11-01 06:00 UT. A
// skipped civil time counts by the offset before the change, a repeated one by the first.
ZoneRules NewYork2026() {
    const long long springUt = FieldSeconds(At(2026, 3, 8, 7, 0)), autumnUt = FieldSeconds(At(2026, 11, 1, 6, 0));
    auto offsetAtInstant = [=](long long ut) { return ut >= springUt && ut < autumnUt ? -4 * 3600 : -5 * 3600; };
    return ZoneRules{[=](const LocalDateTime& t) {
                         const long long fields = FieldSeconds(t);
                         return offsetAtInstant(fields + 4 * 3600) == -4 * 3600 ? -4 * 3600 : -5 * 3600;
                     },
                     [=](long long ut) {
                         const int offset = offsetAtInstant(ut);
                         LocalDateTime t = FieldsOfSeconds(ut + offset);
                         t.utcOffsetSeconds = offset;
                         return t;
                     }};
}

std::vector<std::string> Moments(const LocalDateTime& from, const LocalDateTime& to, const std::string& step,
                                 const ZoneRules* zone) {
    MomentStep s;
    EXPECT_TRUE(ParseMomentStep(step, s)) << step;
    MomentRange range;
    std::string error;
    EXPECT_TRUE(range.Plan(from, to, s, zone, error)) << error;
    std::vector<std::string> texts;
    for (long long k = 0; k < range.Count(); ++k) texts.push_back(Text(range.At(k)));
    return texts;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(MomentStep, AWholeNumberAboveZeroOfMinutesHoursOrDays) {
    struct Case {
        const char* text;
        bool valid;
        long long count;
        char unit;
        const char* why;
    } cases[] = {
        {"1m", true, 1, 'm', "the smallest step"},
        {"90m", true, 90, 'm', "minutes beyond an hour"},
        {"2h", true, 2, 'h', "hours"},
        {"365d", true, 365, 'd', "days"},
        {"0m", false, 0, 0, "a step of nothing never ends"},
        {"000h", false, 0, 0, "zero with leading zeros"},
        {"m", false, 0, 0, "no number"},
        {"5", false, 0, 0, "no unit"},
        {"5s", false, 0, 0, "seconds: the chart has none"},
        {"-5m", false, 0, 0, "backwards"},
        {"1.5h", false, 0, 0, "not whole"},
        {"5 m", false, 0, 0, "a blank inside"},
        {"1234567890m", false, 0, 0, "beyond any range"},
    };
    for (const Case& c : cases) {
        MomentStep step;
        EXPECT_EQ(ParseMomentStep(c.text, step), c.valid) << c.text << ": " << c.why;
        if (c.valid) {
            EXPECT_EQ(step.count, c.count) << c.text;
            EXPECT_EQ(step.unit, c.unit) << c.text;
        }
    }
}

TEST(FieldSeconds, CountsFromTheUnixEpochOnTheGregorianCalendar) {
    struct Case {
        LocalDateTime t;
        long long seconds;
    } cases[] = {
        {At(1970, 1, 1, 0, 0), 0},
        {At(2000, 1, 1, 0, 0), 946684800},
        {At(1969, 12, 31, 23, 59), -60},
        {At(2024, 2, 29, 12, 0), 1709208000},  // a leap day
        {At(1900, 3, 1, 0, 0), -2203891200},   // 1900 is no leap year
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldSeconds(c.t), c.seconds) << Text(c.t);
        EXPECT_EQ(Text(FieldsOfSeconds(c.seconds)), Text(c.t)) << c.seconds;
    }
}

TEST(MomentRange, AFixedZoneStepsTheCivilTimeEvenly) {
    EXPECT_EQ(Moments(At(2026, 12, 10, 0, 0), At(2026, 12, 11, 0, 0), "1m", nullptr).size(), 1441u);
    EXPECT_EQ(Moments(At(2026, 12, 31, 23, 0), At(2027, 1, 1, 1, 0), "30m", nullptr),
              (std::vector<std::string>{"2026-12-31T23:00 +0", "2026-12-31T23:30 +0", "2027-01-01T00:00 +0",
                                        "2027-01-01T00:30 +0", "2027-01-01T01:00 +0"}));
    // A range that a step does not divide ends at the last moment before --to; one moment alone is a range.
    EXPECT_EQ(Moments(At(2026, 1, 1, 0, 0), At(2026, 1, 1, 0, 59), "25m", nullptr).size(), 3u);
    EXPECT_EQ(Moments(At(2026, 1, 1, 0, 0), At(2026, 1, 1, 0, 0), "1d", nullptr).size(), 1u);
    EXPECT_EQ(Moments(At(2024, 2, 28, 6, 0), At(2024, 3, 1, 6, 0), "1d", nullptr).size(), 3u);
}

TEST(MomentRange, MinutesFollowRealTimeAcrossDaylightSavingAndDaysKeepTheClockTime) {
    const ZoneRules zone = NewYork2026();
    // Spring: the civil hour from 02:00 is skipped.
    EXPECT_EQ(Moments(At(2026, 3, 8, 1, 0), At(2026, 3, 8, 3, 30), "30m", &zone),
              (std::vector<std::string>{"2026-03-08T01:00 -300", "2026-03-08T01:30 -300", "2026-03-08T03:00 -240",
                                        "2026-03-08T03:30 -240"}));
    // Autumn: the civil hour from 01:00 comes twice, first in daylight time.
    EXPECT_EQ(Moments(At(2026, 11, 1, 0, 30), At(2026, 11, 1, 2, 0), "30m", &zone),
              (std::vector<std::string>{"2026-11-01T00:30 -240", "2026-11-01T01:00 -240", "2026-11-01T01:30 -240",
                                        "2026-11-01T01:00 -300", "2026-11-01T01:30 -300", "2026-11-01T02:00 -300"}));
    // Days: noon stays noon, whatever the offset.
    EXPECT_EQ(Moments(At(2026, 3, 7, 12, 0), At(2026, 3, 9, 12, 0), "1d", &zone),
              (std::vector<std::string>{"2026-03-07T12:00 -300", "2026-03-08T12:00 -240", "2026-03-09T12:00 -240"}));
}

TEST(MomentRange, RefusesARangeBackwardsOrOfTooManyMoments) {
    struct Case {
        LocalDateTime from, to;
        const char* step;
        const char* says;
    } cases[] = {
        {At(2026, 12, 11, 0, 0), At(2026, 12, 10, 0, 0), "1m", "before"},
        {At(2026, 12, 10, 0, 1), At(2026, 12, 10, 0, 0), "1d", "before"},
        {At(2000, 1, 1, 0, 0), At(2020, 1, 1, 0, 0), "1m", "10000000"},  // 10.5 million minutes
    };
    for (const Case& c : cases) {
        MomentStep step;
        ASSERT_TRUE(ParseMomentStep(c.step, step));
        MomentRange range;
        std::string error;
        EXPECT_FALSE(range.Plan(c.from, c.to, step, nullptr, error)) << Text(c.from);
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    // Exactly the largest number of moments is allowed: 10 million minutes less one minute.
    MomentRange range;
    std::string error;
    const LocalDateTime from = At(2000, 1, 1, 0, 0);
    EXPECT_TRUE(range.Plan(from, FieldsOfSeconds(FieldSeconds(from) + (kMaximumMoments - 1) * 60), {1, 'm'},
                           nullptr, error));
    EXPECT_EQ(range.Count(), kMaximumMoments);
}

TEST(CsvTable, OneColumnPerValueAndTheCuspsInHouseOrder) {
    ChartState s;
    s.zoneHours = -5.5f;  // India: five and a half hours east
    for (int b = 1; b <= 15; ++b) s.bodyLongitude[b] = b + 0.25;
    for (int k = 1; k <= 12; ++k) s.houseCusp[k] = 100 + k;  // slot k
    s.retroFlags = "  R           R";
    const std::vector<std::string> header = Lines(CsvHeader());
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(std::count(header[0].begin(), header[0].end(), ','), 42);
    const std::string row = CsvRow(s, At(2026, 12, 10, 9, 5));
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), 42);
    EXPECT_EQ(row.rfind("2026-12-10T09:05+05:30,1.25,2.25,", 0), 0u) << row;
    // Venus (3) and the Midheaven (15) retrograde; house 1 from slot 4, house 10 from slot 1.
    EXPECT_NE(row.find(",15.25,0,0,1,0,0,0,0,0,0,0,0,0,0,0,1,104.0,105.0,"), std::string::npos) << row;
    EXPECT_NE(row.find(",112.0,101.0,102.0,103.0\n"), std::string::npos) << row;
    s.zoneHours = 5;
    EXPECT_EQ(CsvRow(s, At(2026, 12, 10, 9, 5)).rfind("2026-12-10T09:05-05:00,", 0), 0u);
}

TEST(JsonLines, TheIndentedObjectOnOneLine) {
    const std::string indented = "{\n \"a\": [\n  1.5,\n  \"x \\n y\"\n ],\n \"b\": {\n  \"c\": []\n }\n}\n";
    const std::string line = OneLineJson(indented);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_EQ(line.back(), '\n');
    EXPECT_EQ(json::parse(line), json::parse(indented));
}

// A line of JSON Lines is written straight on one line: it must be the indented object without its line
// breaks and indentation, whatever the texts hold and whatever extra members come after the chart's.
TEST(JsonLines, AChartWrittenOnOneLineIsItsIndentedObjectOnOneLine) {
    ChartState s;
    for (int b = 1; b <= 15; ++b) s.bodyLongitude[b] = b * 23.75 + 0.1;
    s.houseCusp[4] = 360;  // an integral double keeps its ".0"
    s.infoLines = {"07 Dec 2026", "a \"quoted\" \\ text", "tab\tand\nbreak", "h\xE9 \x01"};
    s.retroFlags = "  R            ";
    const std::vector<std::string> messages = {"Latitude \"91\" is beyond the poles", "second\nline"};
    const std::vector<JsonMember> extra = {{"layout", "{\n  \"houseSize\": [1.5, 2.0],\n  \"aspects\": []\n }"},
                                           {"other", "[\n  true\n ]"}};
    for (const std::vector<std::string>& texts : {std::vector<std::string>{}, messages}) {
        std::string line = "kept ";
        AppendChartJson(line, s, texts, extra, JsonShape::kOneLine);
        EXPECT_EQ(line, "kept " + OneLineJson(ChartJson(s, texts, extra)));
        EXPECT_EQ(json::parse(line.substr(5)), json::parse(ChartJson(s, texts, extra)));
    }
}

TEST(KeloChartBatch, EveryLineIsTheChartOfASingleRunAtThatMoment) {
    // A reference chart's settings in a fixed zone, and the shipped ones in New York's zone across the
    // autumn change, where the repeated hour's second pass is not a moment --at can name.
    const std::string sydney = "--settings " + Quoted((kCharts / "koch-sydney" / "KELO.INI").string());
    ToolRun batch = RunTool(sydney + " --from 2024-03-20T06:15 --to 2024-03-21T06:15 --step 6h --date-order 1 "
                            "--clock-format 1 --json");
    ASSERT_EQ(batch.status, 0) << batch.err;
    const std::vector<std::string> lines = Lines(batch.out);
    const char* moments[] = {"2024-03-20T06:15", "2024-03-20T12:15", "2024-03-20T18:15", "2024-03-21T00:15",
                             "2024-03-21T06:15"};
    ASSERT_EQ(lines.size(), std::size(moments));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ToolRun single = RunTool(sydney + " --at " + moments[i] + " --date-order 1 --clock-format 1 --json");
        ASSERT_EQ(single.status, 0);
        EXPECT_EQ(json::parse(lines[i]), json::parse(single.out)) << moments[i];
    }
    ToolRun csv = RunTool(sydney + " --from 2024-03-20T06:15 --to 2024-03-21T06:15 --step 6h --csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> rows = Lines(csv.out);
    ASSERT_EQ(rows.size(), 6u);
    const json first = json::parse(lines[0]);
    EXPECT_EQ(rows[1].rfind("2024-03-20T06:15+10:00," + JsonNumber(first["bodyLongitude"][0].get<double>()) + ",", 0),
              0u)
        << rows[1];

    ToolRun autumn = RunTool("--from 2026-11-01T00:30 --to 2026-11-01T02:00 --step 30m --csv",
                             "TZ=America/New_York");
    ASSERT_EQ(autumn.status, 0) << autumn.err;
    std::vector<std::string> times;
    for (const std::string& row : Lines(autumn.out)) times.push_back(row.substr(0, row.find(',')));
    EXPECT_EQ(times, (std::vector<std::string>{"time", "2026-11-01T00:30-04:00", "2026-11-01T01:00-04:00",
                                               "2026-11-01T01:30-04:00", "2026-11-01T01:00-05:00",
                                               "2026-11-01T01:30-05:00", "2026-11-01T02:00-05:00"}));
}

TEST(KeloChartBatch, TheKeysOfSingleRunsAndWithoutLayoutNoLayout) {
    ToolRun withLayout = RunTool("--from 2026-12-10T00:00 --to 2026-12-10T00:02 --step 1m --json");
    ToolRun without = RunTool("--from 2026-12-10T00:00 --to 2026-12-10T00:02 --step 1m --json --no-layout");
    ToolRun single = RunTool("--at 2026-12-10T00:00 --json");
    ASSERT_EQ(withLayout.status, 0) << withLayout.err;
    ASSERT_EQ(without.status, 0) << without.err;
    json keys = json::parse(single.out);
    ASSERT_EQ(Lines(withLayout.out).size(), 3u);
    for (const std::string& line : Lines(withLayout.out)) {
        json j = json::parse(line);
        EXPECT_EQ(j.size(), keys.size());
        for (const auto& [key, value] : keys.items()) EXPECT_TRUE(j.contains(key)) << key;
    }
    for (const std::string& line : Lines(without.out)) {
        json j = json::parse(line);
        EXPECT_FALSE(j.contains("layout"));
        EXPECT_EQ(j.size() + 1, keys.size());
    }
}

TEST(KeloChartBatch, BadRangesAndCombinationsGiveOneLineOnStandardErrorAndExit2) {
    const char* cases[] = {
        "--from 2026-12-11T00:00 --to 2026-12-10T00:00 --step 1m --json",  // --to before --from
        "--from 2026-12-10T00:00 --to 2026-12-11T00:00 --step 0m --json",  // a step of 0
        "--from 2000-01-01T00:00 --to 2026-01-01T00:00 --step 1m --csv",   // 13.7 million moments
        "--from 2026-12-10T00:00 --to 2026-12-11T00:00 --json",            // no step
        "--from 2026-12-10T00:00 --step 1m --json",                        // no end
        "--from 2026-12-10T00:00 --to 2026-12-11T00:00 --step 1m",         // neither --json nor --csv
        "--at 2026-12-10T00:00 --from 2026-12-10T00:00 --to 2026-12-11T00:00 --step 1m --json",
        "--from 2026-12-10T00:00 --to 2026-12-11T00:00 --step 1m --json --png /tmp/x.png",
        "--at 2026-12-10T00:00 --json --csv",
        "--from 2026-13-10T00:00 --to 2026-12-11T00:00 --step 1m --json",  // no 13th month
    };
    for (const char* args : cases) {
        ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    }
}

TEST(KeloChartBatch, ASettingsCheckFailureIsSaidOnceAndExits3) {
    const std::string high = "--settings " + Quoted((kCharts / "latitude-too-high" / "KELO.INI").string());
    ToolRun run = RunTool(high + " --from 2026-12-10T00:00 --to 2026-12-10T01:00 --step 1m --json");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}
