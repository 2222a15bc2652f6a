// Every reference chart of tests/data/charts run through the built kelo-chart and compared with its
// expected.json: angles within 1e-6 degrees (bodies, shifts, node) or 1e-4 degrees (cusps, Ascendant,
// Midheaven, RAMC), texts and flags identical.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <string>

#include "apps/run_tool.h"
#include "support/reference_charts.h"

namespace {

using nlohmann::json;

constexpr double kBodyTolerance = 1e-6;    // degrees
constexpr double kCuspTolerance = 1e-4;    // degrees
constexpr double kDegreesPerRadian = 180 / 3.1415926535;

class ReferenceChart : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceChart, MatchesItsExpectedJson) {
    const ReferenceChartFiles chart = LoadReferenceChart(GetParam());
    const json& expected = chart.expected;

    ToolRun run = RunTool("--settings " + Quoted((chart.dir / "KELO.INI").string()) + " " + chart.args + " --json");
    ASSERT_EQ(run.status, expected["settingsError"] == 1 ? 3 : 0) << run.err;
    const json got = json::parse(run.out);

    for (const char* key : {"settingsError", "moonVoid", "messages", "siderealText", "retroFlags", "houseLine",
                            "infoLines"})
        EXPECT_EQ(got.at(key), expected.at(key)) << key;
    EXPECT_EQ(got.at("dayNumber").get<double>(), expected.at("dayNumber").get<double>());
    EXPECT_NEAR(got.at("dayFraction").get<double>(), expected.at("dayFraction").get<double>(), 1e-9);
    EXPECT_LE(AngleDifference(got.at("ramcRad").get<double>() * kDegreesPerRadian,
                              expected.at("ramcRad").get<double>() * kDegreesPerRadian),
              kCuspTolerance);
    for (const char* key : {"mcLongitude", "ascLongitude"})
        EXPECT_LE(AngleDifference(got.at(key), expected.at(key)), kCuspTolerance) << key;
    for (const char* key : {"precessionShift", "altNodeLongitude"})
        EXPECT_LE(AngleDifference(got.at(key), expected.at(key)), kBodyTolerance) << key;
    EXPECT_NEAR(got.at("siderealShift").get<double>(), expected.at("siderealShift").get<double>(), kBodyTolerance);

    ASSERT_EQ(got.at("houseCusp").size(), 12u);
    ASSERT_EQ(got.at("bodyLongitude").size(), 15u);
    for (int k = 0; k < 12; ++k)
        EXPECT_LE(AngleDifference(got["houseCusp"][k], expected["houseCusp"][k]), kCuspTolerance) << "slot " << k + 1;
    for (int b = 0; b < 15; ++b) {
        // The Ascendant and the Midheaven (14, 15) are house-side values.
        double tolerance = b >= 13 ? kCuspTolerance : kBodyTolerance;
        EXPECT_LE(AngleDifference(got["bodyLongitude"][b], expected["bodyLongitude"][b]), tolerance) << "body " << b + 1;
    }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Charts, ReferenceChart, ::testing::ValuesIn(ReferenceChartNames()), TestName);

TEST(ReferenceCharts, AllSixteenArePresent) { EXPECT_GE(ReferenceChartNames().size(), 16u); }

}  // namespace
