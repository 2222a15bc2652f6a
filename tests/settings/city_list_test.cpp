#include "platform/whole_file.h"
#include "settings/city_list.h"

#include <gtest/gtest.h>

#include "core/setting_lines.h"
#include "settings/settings_text.h"

namespace {

const std::string kTable =
    "# tzdb timezone descriptions\n"
    "#codes\tcoordinates\tTZ\tcomments\n"
    "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
    "AU\t-3352+15113\tAustralia/Sydney\tNew South Wales (most areas)\n"
    "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
    "GB,GG,IM,JE\t+513030-0000731\tEurope/London\n"
    "XX\t+5130-000731\tEurope/Broken\n"
    "AQ\t-720041+0023206\tAntarctica/Troll\tTroll\n";

TEST(ZoneTable, CitiesAreNamedAfterTheirZoneWithCoordinatesToTheNearestMinute) {
    const auto cities = ParseZoneTable(kTable);
    ASSERT_EQ(cities.size(), 5u);  // the malformed line is left out
    const City& ny = cities[0];
    EXPECT_EQ(ny.name, "New York");
    EXPECT_EQ(ny.region, "America");
    EXPECT_EQ(ny.latitude.degrees, 40);
    EXPECT_EQ(ny.latitude.minutes, 43);  // 42' 51" rounds up
    EXPECT_FALSE(ny.latitude.negative);
    EXPECT_EQ(ny.longitude.degrees, 74);
    EXPECT_EQ(ny.longitude.minutes, 0);  // 0' 23" rounds down
    EXPECT_TRUE(ny.longitude.negative);
    EXPECT_EQ(cities[2].name, "Buenos Aires");
    EXPECT_EQ(cities[2].region, "America/Argentina");
    EXPECT_TRUE(cities[1].latitude.negative);
    EXPECT_FALSE(cities[1].longitude.negative);
    PlaceDegMin lat, lon;
    EXPECT_TRUE(ParseIso6709("+595930+0100000", lat, lon));  // 59 59' 30": carried into the degrees
    EXPECT_EQ(lat.degrees, 60);
    EXPECT_EQ(lat.minutes, 0);
    EXPECT_FALSE(ParseIso6709("+9130+00000", lat, lon));
    EXPECT_FALSE(ParseIso6709("+4060+00000", lat, lon));
    EXPECT_FALSE(ParseIso6709("4030+00000", lat, lon));
}

TEST(ZoneTable, TheSystemsTableHasTheWorldsZones) {
    std::string bytes;
    if (!ReadFileBytes(kZoneTablePath, bytes)) GTEST_SKIP() << "no " << kZoneTablePath;
    const auto cities = ParseZoneTable(bytes);
    EXPECT_GT(cities.size(), 300u);
    const auto found = FindCities(cities, "new york", 5);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].zone, "America/New_York");
}

TEST(FindCities, NamesStartingWithTheQueryComeFirstThenNamesAndZonesContainingIt) {
    const auto cities = ParseZoneTable(kTable);
    auto found = FindCities(cities, "LON", 10);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "London");
    found = FindCities(cities, "buenos_a", 10);
    ASSERT_EQ(found.size(), 1u);
    found = FindCities(cities, "america", 10);  // by zone
    EXPECT_EQ(found.size(), 2u);
    found = FindCities(cities, "s", 10);  // Sydney starts with it; Buenos Aires contains it
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].name, "Sydney");
    EXPECT_EQ(FindCities(cities, "s", 1).size(), 1u);
    EXPECT_TRUE(FindCities(cities, "", 10).empty());
}

TEST(FindCities, ACityFillsThePlaceLinesInTheFilesConvention) {
    const auto cities = ParseZoneTable(kTable);
    SettingValues v{};
    SetPlaceToCity(v, cities[1]);  // Sydney: 33 52' S, 151 13' E
    EXPECT_EQ(v[kLatitudeDegreesLine], 33);
    EXPECT_EQ(v[kLatitudeMinutesLine], 52);
    EXPECT_EQ(v[kLatitudeDirectionLine], -1);
    EXPECT_EQ(v[kLongitudeDegreesLine], 151);
    EXPECT_EQ(v[kLongitudeMinutesLine], 13);
    EXPECT_EQ(v[kLongitudeDirectionLine], -1);
    SetPlaceToCity(v, cities[0]);  // New York: north and west
    EXPECT_EQ(v[kLatitudeDirectionLine], 1);
    EXPECT_EQ(v[kLongitudeDirectionLine], 1);
}

}  // namespace
