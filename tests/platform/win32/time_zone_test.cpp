// The system's zone through the Windows time-zone API. Under Wine the zone follows the TZ of the Linux
// process: scripts/test.d/57-windows-zone.sh runs these with TZ set; without TZ only the rules that hold
// in every zone are checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_settings_location.h"
#include "platform/win32/win32_time_zone.h"
#include "platform/zone_place.h"
#include "settings/settings_text.h"
#include "shell/chart_startup.h"
#include "tests/platform/win32/win32_fixture.h"

namespace {

std::string Tz() {
    const char* tz = std::getenv("TZ");
    return tz != nullptr ? tz : "";
}

TEST(SystemZone, OneReadingOfNowCarriesTheOffsetOfItsLocalTime) {
    const LocalDateTime now = LocalNowInSystemZone();
    EXPECT_EQ(SystemZoneOffsetAt(now), now.utcOffsetSeconds);
    EXPECT_EQ(now.utcOffsetSeconds % 900, 0);
}

// Wine names the zone by the first registry key whose rules match its Unix zone's, so Berlin may come
// out as any key of Central European time ("Central Europe Standard Time": Budapest); Windows keeps the
// key the user chose.
const std::vector<std::string> kCentralEuropeanKeys = {"W. Europe Standard Time", "Central Europe Standard Time",
                                                       "Central European Standard Time", "Romance Standard Time"};

TEST(SystemZone, TheOffsetAndTheKeyFollowTheZoneOfTheMachine) {
    struct Case {
        const char* tz;
        std::vector<std::string> keys;
        int january, july;  // offsets east of UT, seconds
    };
    const Case cases[] = {{"America/New_York", {"Eastern Standard Time"}, -18000, -14400},
                          {"Europe/Berlin", kCentralEuropeanKeys, 3600, 7200},
                          {"Asia/Kolkata", {"India Standard Time"}, 19800, 19800},
                          {"Pacific/Kiritimati", {"Line Islands Standard Time"}, 50400, 50400}};
    for (const Case& c : cases) {
        if (Tz() != c.tz) continue;
        EXPECT_EQ(SystemZoneOffsetAt({2026, 1, 15, 12, 0, 0}), c.january);
        EXPECT_EQ(SystemZoneOffsetAt({2026, 7, 15, 12, 0, 0}), c.july);
        EXPECT_NE(std::find(c.keys.begin(), c.keys.end(), SystemZoneKeyName()), c.keys.end()) << SystemZoneKeyName();
        return;
    }
    GTEST_SKIP() << "no zone of this test in TZ (\"" << Tz() << "\")";
}

// The first copy in application data takes the place of the zone's main city, or keeps New York.
TEST(SystemZone, TheFirstCopyTakesThePlaceOfTheZonesMainCity) {
    TempFolder f;
    std::ifstream in(SourcePath(KELO_SHIPPED_SETTINGS), std::ios::binary);
    const std::string shipped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(shipped.size(), 1000u);
    f.Write("Windows\\KELO.INI", shipped);
    // The .scr in a folder the user cannot write: start-up makes the copy in application data and gives it
    // the place of the system's zone.
    class ScrInWindowsFolder : public Win32Process {
    public:
        explicit ScrInWindowsFolder(const TempFolder& f) : f(f) {}
        std::string SettingsFileName() override {
            return LocateWindowsSettingsFile(f.Path("Windows"), f.Path("appdata"),
                                             [](const std::string&) { return false; }, &created);
        }
        bool SettingsFileCreated() const override { return created; }

    private:
        const TempFolder& f;
        bool created = false;
    } process(f);
    ChartState s;
    FakeTextFiles files;
    FakeRegistry registry;
    PrepareChartState(s, process, files, registry);
    EXPECT_EQ(s.settingsFileName, f.Path("appdata\\Kelo\\KELO.INI"));
    const std::string copy = f.Read("appdata\\Kelo\\KELO.INI");
    const std::vector<std::string> lines = SplitSettingsLines(copy), original = SplitSettingsLines(shipped);
    ASSERT_EQ(lines.size(), original.size());
    std::vector<std::string> place;
    for (int n = 19; n <= 24; ++n) {
        place.push_back(lines[n - 1].substr(0, 7));
        EXPECT_EQ(lines[n - 1].substr(7), original[n - 1].substr(7)) << n;
    }
    if (Tz() == "Asia/Kolkata") {
        EXPECT_EQ(place, (std::vector<std::string>{"88     ", "22     ", "-1     ", "22     ", "32     ", "1      "}));
    } else if (Tz() == "Europe/Berlin") {
        // A Central European city: east, between 45 and 53 degrees north.
        EXPECT_EQ(place[2], "-1     ");
        EXPECT_GE(std::stoi(place[3]), 45);
        EXPECT_LE(std::stoi(place[3]), 53);
        EXPECT_EQ(place[5], "1      ");
    } else if (!PlaceOfWindowsZone(SystemZoneKeyName())) {
        EXPECT_EQ(copy, shipped) << SystemZoneKeyName();  // New York
    }
}

}  // namespace
