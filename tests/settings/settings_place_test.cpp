#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/zone_place.h"
#include "settings/settings_place.h"
#include "settings/settings_text.h"

namespace {

std::string Shipped() {
    std::ifstream in(KELO_SHIPPED_SETTINGS, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Seconds(int degrees, int minutes, int seconds = 0) { return (degrees * 60 + minutes) * 60 + seconds; }

TEST(Iso6709, ReadsDegreesMinutesAndOptionalSecondsWithTheirSigns) {
    const auto berlin = ParseIso6709("+5230+01322");
    ASSERT_TRUE(berlin);
    EXPECT_EQ(berlin->latitudeSeconds, Seconds(52, 30));
    EXPECT_EQ(berlin->longitudeSeconds, Seconds(13, 22));
    const auto newYork = ParseIso6709("+404251-0740023");
    ASSERT_TRUE(newYork);
    EXPECT_EQ(newYork->latitudeSeconds, Seconds(40, 42, 51));
    EXPECT_EQ(newYork->longitudeSeconds, -Seconds(74, 0, 23));
    EXPECT_EQ(ParseIso6709("-3352+15113")->latitudeSeconds, -Seconds(33, 52));
    for (const char* bad : {"", "+5230", "5230+01322", "+523+01322", "+5230+0132", "+5260+01322", "+9100+00000",
                            "+0000+18100", "+5230+01322x", "+52300+013220"})
        EXPECT_FALSE(ParseIso6709(bad)) << bad;
}

TEST(ZoneTable, FindsAZoneByItsNameAndItsLinks) {
    const std::string table =
        "# comment\tline\n"
        "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
        "IN\t+2232+08822\tAsia/Kolkata\r\n";
    EXPECT_EQ(PlaceInZoneTable(table, "Europe/Berlin")->longitudeSeconds, Seconds(13, 22));
    EXPECT_EQ(PlaceInZoneTable(table, "Asia/Kolkata")->latitudeSeconds, Seconds(22, 32));
    EXPECT_FALSE(PlaceInZoneTable(table, "Europe/Berl"));
    EXPECT_FALSE(PlaceInZoneTable(table, "most of Germany"));
    EXPECT_EQ(ZoneOfLink("L Asia/Kolkata Asia/Calcutta\nL Etc/GMT GMT\n", "Asia/Calcutta"), "Asia/Kolkata");
    EXPECT_EQ(ZoneOfLink("L Asia/Kolkata Asia/Calcutta\n", "Asia/Kolkata"), "Asia/Kolkata");
}

TEST(ZoneTable, TheSystemsZoneIsNamedByTzElseByTheLocaltimeLink) {
    EXPECT_EQ(ZoneNameOf("Europe/Berlin", "/usr/share/zoneinfo/Asia/Tokyo"), "Europe/Berlin");
    EXPECT_EQ(ZoneNameOf(":Europe/Berlin", ""), "Europe/Berlin");
    EXPECT_EQ(ZoneNameOf("/usr/share/zoneinfo/posix/Europe/Berlin", ""), "Europe/Berlin");
    EXPECT_EQ(ZoneNameOf(nullptr, "/usr/share/zoneinfo/Asia/Tokyo"), "Asia/Tokyo");
    EXPECT_EQ(ZoneNameOf(nullptr, "../usr/share/zoneinfo/America/New_York"), "America/New_York");
    EXPECT_EQ(ZoneNameOf("", "/usr/share/zoneinfo/Asia/Tokyo"), "");  // an empty TZ is UT
    EXPECT_EQ(ZoneNameOf("CET-1CEST,M3.5.0,M10.5.0/3", ""), "");
    EXPECT_EQ(ZoneNameOf(nullptr, ""), "");
}

TEST(WindowsZones, AKeyNameGivesItsMainCityByCldrsTable) {
    const auto berlin = PlaceOfWindowsZone("W. Europe Standard Time");
    ASSERT_TRUE(berlin);
    EXPECT_EQ(berlin->latitudeSeconds, Seconds(52, 30));
    EXPECT_EQ(berlin->longitudeSeconds, Seconds(13, 22));
    EXPECT_EQ(PlaceOfWindowsZone("India Standard Time")->longitudeSeconds, Seconds(88, 22));  // Kolkata, an old name in CLDR
    EXPECT_EQ(PlaceOfWindowsZone("Eastern Standard Time")->longitudeSeconds, -Seconds(74, 0, 23));
    EXPECT_FALSE(PlaceOfWindowsZone("UTC"));
    EXPECT_FALSE(PlaceOfWindowsZone("Atlantis Standard Time"));
    EXPECT_FALSE(PlaceOfWindowsZone(""));
}

TEST(SettingsPlace, ValuesAreRoundedToTheMinuteWithTheirDirections) {
    const PlaceValues newYork = SettingsValuesOfPlace(*ParseIso6709("+404251-0740023"));
    EXPECT_EQ((std::vector<int>{newYork.longitudeDegrees, newYork.longitudeMinutes, newYork.longitudeDirection,
                                newYork.latitudeDegrees, newYork.latitudeMinutes, newYork.latitudeDirection}),
              (std::vector<int>{74, 0, 1, 40, 43, 1}));
    const PlaceValues sydney = SettingsValuesOfPlace(*ParseIso6709("-3352+15113"));
    EXPECT_EQ(sydney.longitudeDirection, -1);
    EXPECT_EQ(sydney.latitudeDirection, -1);
    const PlaceValues carry = SettingsValuesOfPlace(*ParseIso6709("+455930-0005930"));  // 59'30" rounds up
    EXPECT_EQ(carry.latitudeDegrees, 46);
    EXPECT_EQ(carry.latitudeMinutes, 0);
    EXPECT_EQ(carry.longitudeDegrees, 1);
    EXPECT_EQ(carry.longitudeMinutes, 0);
    // Longyearbyen and McMurdo: held at the quadrant houses' limit, in their hemispheres.
    const PlaceValues north = SettingsValuesOfPlace(*ParseIso6709("+7800+01600"));
    const PlaceValues south = SettingsValuesOfPlace(*ParseIso6709("-7750+16636"));
    EXPECT_EQ(north.latitudeDegrees * 100 + north.latitudeMinutes, 6600);
    EXPECT_EQ(south.latitudeDegrees * 100 + south.latitudeMinutes, 6600);
    EXPECT_EQ(south.latitudeDirection, -1);
}

TEST(SettingsPlace, OnlyTheFirstSevenCharactersOfLines19To24Change) {
    const std::string shipped = Shipped();
    const std::string placed = WithPlace(shipped, *ParseIso6709("+5230+01322"));
    const std::vector<std::string> before = SplitSettingsLines(shipped), after = SplitSettingsLines(placed);
    ASSERT_EQ(before.size(), after.size());
    const char* expected[] = {"13     ", "22     ", "-1     ", "52     ", "30     ", "1      "};
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i >= 18 && i <= 23) {
            EXPECT_EQ(after[i].substr(0, 7), expected[i - 18]) << "line " << i + 1;
            EXPECT_EQ(after[i].substr(7), before[i].substr(7)) << "line " << i + 1;
        } else {
            EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
        }
    }
    EXPECT_EQ(placed.size(), shipped.size());  // the same CR LF line ends

    // A file in UTF-16 with lines ending in LF stays so; a short file changes only the lines it has.
    std::string text;
    for (int n = 1; n <= 20; ++n) text += "0       line " + std::to_string(n) + "\n";
    SettingsText wide{text, SettingsEncoding::Utf16Le, "\n", ""};
    const SettingsText back = DecodeSettingsText(WithPlace(EncodeSettingsText(wide), *ParseIso6709("+5230+01322")));
    EXPECT_EQ(back.encoding, SettingsEncoding::Utf16Le);
    const std::vector<std::string> lines = SplitSettingsLines(back.text);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[18], "13      line 19");
    EXPECT_EQ(lines[19], "22      line 20");
    EXPECT_EQ(back.text.find('\r'), std::string::npos);
}

}  // namespace
