#include <gtest/gtest.h>

#include <string>

#include "astro/houses/houses.h"
#include "chart_at.h"

namespace {

ChartState InfoAt(int year, int month, int day, float clock, const char* meridiem, float zone, float lon,
                  float lat) {
    ChartState s = UpdateInputsAt(Moment{year, month, day, clock, meridiem, zone, lon, lat});
    s.dateText = std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
    s.siderealText = "03h  41m  38s ";
    s.houseSystemLetter = "P";
    BuildInfoLines(s);
    return s;
}

TEST(InfoLines, DateTimeAndZone) {
    EXPECT_EQ(InfoAt(2026, 12, 7, 10.30f, "P.M.", 5, 74, 40.45f).infoLines[0], "07 Dec 2026 - 10.30 p.m. ( 5)");
    EXPECT_EQ(InfoAt(2000, 1, 1, 12.00f, "A.M.", 5, 74, 40.45f).infoLines[0], "01 Jan 2000 - 12.00 a.m. ( 5)");
    EXPECT_EQ(InfoAt(1500, 3, 1, 12.00f, "P.M.", 0, 74, 40.45f).infoLines[0], "01 Mar 1500 - 12.00 p.m. ( 0)");
    EXPECT_EQ(InfoAt(2010, 10, 3, 6.01f, "P.M.", -5.5f, -77.13f, 28.37f).infoLines[0], "03 Oct 2010 - 6.01 p.m. (-5.5)");
    EXPECT_EQ(InfoAt(2024, 3, 20, 6.15f, "A.M.", -10, 0, 0).infoLines[0], "20 Mar 2024 - 6.15 a.m. (-10)");
    EXPECT_EQ(InfoAt(2031, 5, 25, 9.09f, "A.M.", 3.5f, 0, 0).infoLines[0], "25 May 2031 - 9.09 a.m. ( 3.5)");
    EXPECT_EQ(InfoAt(2031, 5, 25, 9.09f, "A.M.", 0.5f, 0, 0).infoLines[0], "25 May 2031 - 9.09 a.m. ( .5)");
}

TEST(InfoLines, MonthNames) {
    const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(InfoAt(2026, m, 15, 1.00f, "A.M.", 0, 0, 0).infoLines[0].substr(0, 11), std::string("15 ") + names[m - 1] + " 2026");
}

TEST(InfoLines, PositionReplacesTheDecimalPointByTheHemisphere) {
    EXPECT_EQ(InfoAt(2026, 12, 7, 1.00f, "A.M.", 5, 74.00f, 40.45f).infoLines[1], "74W00, 40N45");
    EXPECT_EQ(InfoAt(2026, 12, 7, 1.00f, "A.M.", 5, 122.25f, 37.47f).infoLines[1], "122W25, 37N47");
    EXPECT_EQ(InfoAt(2026, 12, 7, 1.00f, "A.M.", 5, -151.12f, -33.52f).infoLines[1], "151E12, 33S52");
    EXPECT_EQ(InfoAt(2026, 12, 7, 1.00f, "A.M.", 5, 0.07f, 5.07f).infoLines[1], "0W07, 5N07");
    EXPECT_EQ(InfoAt(2026, 12, 7, 1.00f, "A.M.", 5, 78.30f, 0).infoLines[1], "78W30, 0N00");
}

TEST(InfoLines, SiderealTimeAndHouseSystemName) {
    ChartState s = InfoAt(2026, 12, 7, 10.30f, "P.M.", 5, 74, 40.45f);
    EXPECT_EQ(s.infoLines[2], "03h  41m  38s ");
    EXPECT_EQ(s.infoLines[3], "Placidus houses");
    struct Case { const char* letter; const char* line; } cases[] = {
        {"P", "Placidus houses"}, {"R", "Regiomontanus houses"}, {"K", "Koch houses"},
        {"C", "Campanus houses"}, {"O", "Porphyry houses"},      {"E", "Equal houses"},
        {"M", "Meridian houses"}, {"I", "Morinus houses"},       {"X", " houses"},
        {"", " houses"},          {"k", " houses"}};
    for (const Case& c : cases) {
        s.houseSystemLetter = c.letter;
        NameHouseSystem(s);
        EXPECT_EQ(s.infoLines[3], c.line);
    }
}

TEST(InfoLines, AreRebuiltFromScratchEveryTime) {
    ChartState s = InfoAt(2026, 12, 7, 10.30f, "P.M.", 5, 74, 40.45f);
    s.infoLines[3] = "stale text";
    s.houseSystemLetter = "E";
    s.siderealText = "00h  00m  00s ";
    BuildInfoLines(s);
    EXPECT_EQ(s.infoLines[2], "00h  00m  00s ");
    EXPECT_EQ(s.infoLines[3], "Equal houses");
}

// The whole line set of a reference chart, from the sky frame through the cusps.
TEST(InfoLines, AgreeWithAReferenceChart) {
    ChartState s = ChartAt(kSydney2024, "K");
    BuildInfoLines(s);
    EXPECT_EQ(s.infoLines[0], "20 Mar 2024 - 6.15 a.m. (-10)");
    EXPECT_EQ(s.infoLines[1], "151E12, 33S52");
    EXPECT_EQ(s.infoLines[2], "06h  11m  15s ");
    EXPECT_EQ(s.infoLines[3], "Koch houses");
}

}  // namespace
