// Where Kelo.scr keeps KELO.INI, and saving it on Windows.
#include <gtest/gtest.h>

#include "platform/utf8_path.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_settings_location.h"
#include "platform/win32/win32_system.h"
#include "platform/whole_file.h"
#include "tests/platform/win32/win32_fixture.h"


namespace {

const std::string kSettings = "5       18: zone\r\n74      19: longitude\r\n";

auto Writable(bool answer) {
    return [answer](const std::string&) { return answer; };
}

TEST(WindowsSettingsLocation, AWritableProgramFolderKeepsTheFileBesideTheProgram) {
    TempFolder f;
    f.Write("scr\\KELO.INI", kSettings);
    EXPECT_EQ(LocateWindowsSettingsFile(f.Path("scr"), f.Path("appdata")), f.Path("scr\\KELO.INI"));
    EXPECT_EQ(LocateWindowsSettingsFile(f.Path("scr"), f.Path("appdata"), Writable(true)), f.Path("scr\\KELO.INI"));
    EXPECT_FALSE(std::filesystem::exists(f.Path("appdata\\Kelo")));
    EXPECT_TRUE(FolderIsWritable(f.Path("scr")));
    EXPECT_FALSE(FolderIsWritable(f.Path("no such folder")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.Path("scr")), {}), 1) << "no probe left behind";
}

TEST(WindowsSettingsLocation, AReadOnlyProgramFolderMovesTheSettingsToApplicationData) {
    TempFolder f;
    f.Write("Windows\\KELO.INI", kSettings);
    const std::string user = f.Path("appdata\\Kelo\\KELO.INI");
    // First use: the user's copy is made from the file beside the program.
    EXPECT_EQ(LocateWindowsSettingsFile(f.Path("Windows"), f.Path("appdata"), Writable(false)), user);
    EXPECT_EQ(f.Read("appdata\\Kelo\\KELO.INI"), kSettings);
    // Later: the user's edits are kept, the file beside the program is not copied again.
    f.Write("appdata\\Kelo\\KELO.INI", "6       18: zone\r\n");
    EXPECT_EQ(LocateWindowsSettingsFile(f.Path("Windows"), f.Path("appdata"), Writable(false)), user);
    EXPECT_EQ(f.Read("appdata\\Kelo\\KELO.INI"), "6       18: zone\r\n");
}

TEST(WindowsSettingsLocation, WithoutAnyFileTheNameBesideTheProgramIsReportedMissing) {
    TempFolder f;
    std::filesystem::create_directories(f.Path("Windows"));
    EXPECT_EQ(LocateWindowsSettingsFile(f.Path("Windows"), f.Path("appdata"), Writable(false)), f.Path("Windows\\KELO.INI"));
    EXPECT_FALSE(std::filesystem::exists(f.Path("appdata\\Kelo\\KELO.INI")));
    // No application-data folder known: beside the program, whatever its folder allows.
    EXPECT_EQ(LocateWindowsSettingsFile(f.Path("Windows"), "", Writable(false)), f.Path("Windows\\KELO.INI"));
    // A drive's root as the program folder.
    EXPECT_EQ(LocateWindowsSettingsFile("C:\\", "", Writable(true)), "C:\\KELO.INI");
}

// Folders whose names hold characters outside ASCII and outside the ANSI code page: a program folder
// "Kelo Zürich 日本" and a user "Jürgen 日本" whose application data lie in his profile.
TEST(WindowsSettingsLocation, FoldersNamedOutsideAsciiFindReadAndRegisterTheirFiles) {
    TempFolder f;
    const std::string program = f.Path() + "\\Kelo Z\u00fcrich \u65e5\u672c";
    const std::string appData = f.Path() + "\\J\u00fcrgen \u65e5\u672c\\AppData";
    std::filesystem::create_directories(PathFromUtf8(program));
    std::ofstream(PathFromUtf8(program + "\\KELO.INI"), std::ios::binary) << kSettings;
    std::filesystem::copy_file(PathFromUtf8(SourcePath(KELO_GLYPH_FONT)), PathFromUtf8(program + "\\glypha.ttf"));

    // The user's copy of the settings in his application data, read line by line.
    const std::string user = LocateWindowsSettingsFile(program, appData, Writable(false));
    EXPECT_EQ(user, appData + "\\Kelo\\KELO.INI");
    std::vector<std::string> lines;
    ASSERT_TRUE(Win32TextFileLines().ReadLines(user, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"5       18: zone", "74      19: longitude"}));
    EXPECT_EQ(LocateWindowsSettingsFile(program, appData, Writable(true)), program + "\\KELO.INI");

    // The glyph font found beside the program under its own name, and registered from there.
    struct ProgramIn : Win32Process {
        explicit ProgramIn(std::string dir) : dir(std::move(dir)) {}
        std::string ProgramDir() override { return dir; }
        std::string dir;
    };
    const std::string font = ProgramIn(program).GlyphFontPath();
    EXPECT_EQ(font, program + "\\glypha.ttf");
    Win32FontRegistry fonts;
    EXPECT_GT(fonts.AddFontResourceA(font), 0);
    EXPECT_EQ(fonts.RemoveFontResourceA(font), 1);
}

TEST(WindowsSave, ReplacesAnExistingFileInOneStep) {
    TempFolder f;
    f.Write("KELO.INI", kSettings);
    std::string error;
    ASSERT_TRUE(ReplaceFileSafely(f.Path("KELO.INI"), "6       18: zone\r\n", error)) << error;
    EXPECT_EQ(f.Read("KELO.INI"), "6       18: zone\r\n");
    EXPECT_FALSE(std::filesystem::exists(ReplacementFileName(f.Path("KELO.INI"))));
    // A file that cannot be replaced (a folder in its place) is reported and left as it was.
    std::filesystem::create_directories(f.Path("blocked\\KELO.INI"));
    EXPECT_FALSE(ReplaceFileSafely(f.Path("blocked\\KELO.INI"), kSettings, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(f.Path("blocked\\KELO.INI")));
}

}  // namespace
