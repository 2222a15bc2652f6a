#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/linux/linux_process.h"
#include "platform/linux/program_files.h"
#include "platform/linux/user_dirs.h"
#include "settings/settings_text.h"
#include "shell/chart_startup.h"
#include "support/temp_folder.h"
#include "support/zone_of_tz.h"

namespace {

TEST(SettingsLocation, AFileBesideTheProgramWinsOverTheUsersCopy) {
    TempFolder f;
    f.Write("bin/KELO.INI", "beside\r\n");
    f.Write("share/kelo/KELO.INI", "default\r\n");
    f.Write("config/kelo/KELO.INI", "user\r\n");
    EXPECT_EQ(LocateSettingsFile(f.Path("bin"), f.Path("config")), f.Path("bin/KELO.INI"));
}

TEST(SettingsLocation, AnInstalledProgramCopiesTheDefaultOnceAndKeepsTheUsersEdits) {
    TempFolder f;
    f.Write("share/kelo/KELO.INI", "default\r\n");
    std::filesystem::create_directories(f.Path("bin"));
    EXPECT_EQ(LocateSettingsFile(f.Path("bin"), f.Path("config")), f.Path("config/kelo/KELO.INI"));
    EXPECT_EQ(f.Read("config/kelo/KELO.INI"), "default\r\n");
    f.Write("config/kelo/KELO.INI", "edited\r\n");
    f.Write("share/kelo/KELO.INI", "new default\r\n");
    EXPECT_EQ(LocateSettingsFile(f.Path("bin"), f.Path("config")), f.Path("config/kelo/KELO.INI"));
    EXPECT_EQ(f.Read("config/kelo/KELO.INI"), "edited\r\n");
}

TEST(SettingsLocation, WithNeitherFileOrNoUserDirectoryTheNameBesideTheProgramIsKept) {
    TempFolder f;
    std::filesystem::create_directories(f.Path("bin"));
    EXPECT_EQ(LocateSettingsFile(f.Path("bin"), f.Path("config")), f.Path("bin/KELO.INI"));
    EXPECT_FALSE(std::filesystem::exists(f.Path("config/kelo")));
    f.Write("share/kelo/KELO.INI", "default\r\n");
    EXPECT_EQ(LocateSettingsFile(f.Path("bin"), ""), f.Path("bin/KELO.INI"));
    // A configuration directory that cannot be made (a file stands in its way).
    f.Write("blocked", "file");
    EXPECT_EQ(LocateSettingsFile(f.Path("bin"), f.Path("blocked")), f.Path("bin/KELO.INI"));
}

// An installed program in a folder of the test, with the user's configuration in another: the Linux
// install layout and the system's zone as the real process has them.
class InstalledProcess : public LinuxProcess {
public:
    InstalledProcess(const TempFolder& f, const std::string& config) : bin(f.Path("bin")) {
        const char* saved = std::getenv("XDG_CONFIG_HOME");
        savedConfig = saved ? std::optional<std::string>(saved) : std::nullopt;
        setenv("XDG_CONFIG_HOME", f.Path(config).c_str(), 1);
    }
    ~InstalledProcess() override {
        if (savedConfig) setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
    }
    std::string ProgramDir() override { return bin; }

private:
    std::string bin;
    std::optional<std::string> savedConfig;
};

// The settings file start-up finds for that program (making the user's copy on a first run).
std::string StartedSettingsFile(const TempFolder& f, const std::string& config) {
    InstalledProcess process(f, config);
    FakeTextFiles files;
    FakeRegistry registry;
    ChartState s;
    PrepareChartState(s, process, files, registry);
    return s.settingsFileName;
}

// The first copy takes the place of the system zone's main city, from the time-zone database of tzdata;
// the user's later edits of it stay.
TEST(SettingsLocation, TheFirstCopyTakesThePlaceOfTheSystemsZone) {
    TempFolder f;
    std::ifstream in(KELO_SHIPPED_SETTINGS, std::ios::binary);
    const std::string shipped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    f.Write("share/kelo/KELO.INI", shipped);
    std::filesystem::create_directories(f.Path("bin"));
    {
        ZoneOfTz berlin("Europe/Berlin");
        ASSERT_EQ(StartedSettingsFile(f, "berlin"), f.Path("berlin/kelo/KELO.INI"));
    }
    const std::vector<std::string> lines = SplitSettingsLines(f.Read("berlin/kelo/KELO.INI"));
    const std::vector<std::string> original = SplitSettingsLines(shipped);
    const char* expected[] = {"13     ", "22     ", "-1     ", "52     ", "30     ", "1      "};
    for (int n = 19; n <= 24; ++n) {
        EXPECT_EQ(lines[n - 1].substr(0, 7), expected[n - 19]) << n;
        EXPECT_EQ(lines[n - 1].substr(7), original[n - 1].substr(7)) << n;
    }
    {
        // Only the first run places the file: a user who moved elsewhere keeps the place chosen.
        ZoneOfTz elsewhere("Asia/Tokyo");
        f.Write("berlin/kelo/KELO.INI", "2      19: edited\r\n");
        StartedSettingsFile(f, "berlin");
        EXPECT_EQ(f.Read("berlin/kelo/KELO.INI"), "2      19: edited\r\n");
    }
    {
        ZoneOfTz oldName("Asia/Calcutta");  // a link to Asia/Kolkata
        StartedSettingsFile(f, "kolkata");
    }
    EXPECT_EQ(SplitSettingsLines(f.Read("kolkata/kelo/KELO.INI"))[18].substr(0, 7), "88     ");
    // An unknown zone, or one without a city, keeps the default's New York.
    for (const char* zone : {"Nowhere/Atlantis", "UTC", "CET-1CEST,M3.5.0,M10.5.0/3"}) {
        ZoneOfTz unknown(zone);
        const std::string dir = std::string("unknown") + std::to_string(zone[0]);
        StartedSettingsFile(f, dir);
        EXPECT_EQ(f.Read(dir + "/kelo/KELO.INI"), shipped) << zone;
    }
}

TEST(SettingsLocation, TheRuleSaysWhenItMadeTheUsersCopy) {
    TempFolder f;
    f.Write("share/kelo/KELO.INI", "default\r\n");
    std::filesystem::create_directories(f.Path("bin"));
    bool created = false;
    LocateSettingsFile(f.Path("bin"), f.Path("config"), &created);
    EXPECT_TRUE(created);
    LocateSettingsFile(f.Path("bin"), f.Path("config"), &created);
    EXPECT_FALSE(created);
    f.Write("bin/KELO.INI", "beside\r\n");
    LocateSettingsFile(f.Path("bin"), f.Path("other"), &created);
    EXPECT_FALSE(created);
}

TEST(GlyphFontLocation, BesideTheProgramElseTheInstalledCopy) {
    TempFolder f;
    std::filesystem::create_directories(f.Path("bin"));
    EXPECT_EQ(LocateGlyphFont(f.Path("bin")), f.Path("bin/glypha.ttf"));
    f.Write("share/kelo/glypha.ttf", "font");
    EXPECT_EQ(LocateGlyphFont(f.Path("bin")), f.Path("share/kelo/glypha.ttf"));
    f.Write("bin/glypha.ttf", "font");
    EXPECT_EQ(LocateGlyphFont(f.Path("bin")), f.Path("bin/glypha.ttf"));
}

TEST(LinuxProcess, TheConfigurationDirectoryFollowsXdgElseTheHomeFolder) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string config = savedConfig ? savedConfig : "";
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";
    setenv("XDG_CONFIG_HOME", "/srv/config", 1);
    EXPECT_EQ(UserConfigDirOfThisUser(), "/srv/config");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored, as XDG says
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(UserConfigDirOfThisUser(), "/home/someone/.config");
    if (savedConfig) setenv("XDG_CONFIG_HOME", config.c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
    if (savedHome) setenv("HOME", home.c_str(), 1); else unsetenv("HOME");
}

// The build puts KELO.INI and glypha.ttf beside the programs, as beside an unpacked one.
TEST(LinuxProcess, TheFilesBesideTheProgramAreItsFiles) {
    LinuxProcess process;
    const std::string dir = process.ProgramDir();
    EXPECT_TRUE(std::filesystem::exists(dir + "/test_platform_linux"));
    EXPECT_EQ(process.SettingsFileName(), dir + "/KELO.INI");
    EXPECT_EQ(process.GlyphFontPath(), dir + "/glypha.ttf");
}

}  // namespace
