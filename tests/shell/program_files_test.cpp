#include <gtest/gtest.h>

#include "shell/program_files.h"
#include "shell_fixture.h"

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

TEST(GlyphFontLocation, BesideTheProgramElseTheInstalledCopy) {
    TempFolder f;
    std::filesystem::create_directories(f.Path("bin"));
    EXPECT_EQ(LocateGlyphFont(f.Path("bin")), f.Path("bin/glypha.ttf"));
    f.Write("share/kelo/glypha.ttf", "font");
    EXPECT_EQ(LocateGlyphFont(f.Path("bin")), f.Path("share/kelo/glypha.ttf"));
    f.Write("bin/glypha.ttf", "font");
    EXPECT_EQ(LocateGlyphFont(f.Path("bin")), f.Path("bin/glypha.ttf"));
}

}  // namespace
