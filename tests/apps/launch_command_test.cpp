#include "apps/kelo/launch_command.h"

#include <gtest/gtest.h>

namespace {

LaunchCommand Parse(std::vector<std::string> arguments, const char* xscreensaverWindow = nullptr) {
    return ParseLaunchCommand(arguments, xscreensaverWindow);
}

TEST(LaunchCommand, WordsThatAreNotSwitchesAreTheScreenSaversCommandLine) {
    EXPECT_EQ(Parse({}).mode, LaunchMode::Saver);
    EXPECT_EQ(Parse({}).shellCommandLine, "");
    EXPECT_EQ(Parse({"/c"}).shellCommandLine, "/c");
    EXPECT_EQ(Parse({"/p", "123"}).shellCommandLine, "/p 123");
    const LaunchCommand c = Parse({"--no-inhibit", "/c"});
    EXPECT_EQ(c.mode, LaunchMode::Saver);
    EXPECT_TRUE(c.noInhibit);
    EXPECT_EQ(c.shellCommandLine, "/c");
    EXPECT_FALSE(Parse({"/c"}).noInhibit);
}

TEST(LaunchCommand, RootDrawsIntoTheDaemonsWindowElseIntoTheRootWindow) {
    for (const char* root : {"--root", "-root"}) {
        EXPECT_EQ(Parse({root}).mode, LaunchMode::Hack) << root;
        EXPECT_EQ(Parse({root}).hackWindow, 0u) << root;
        EXPECT_EQ(Parse({root}, "").hackWindow, 0u) << root;
        EXPECT_EQ(Parse({root}, "0x1e00007").hackWindow, 0x1e00007u) << root;
        EXPECT_EQ(Parse({root}, "31457287").hackWindow, 31457287u) << root;
    }
    const LaunchCommand bad = Parse({"--root"}, "window");
    EXPECT_EQ(bad.mode, LaunchMode::Invalid);
    EXPECT_NE(bad.error.find("XSCREENSAVER_WINDOW"), std::string::npos);
    // Hack mode never opens the settings editor.
    EXPECT_EQ(Parse({"/c", "--root"}).shellCommandLine, "");
}

TEST(LaunchCommand, WindowIdNamesTheWindowInEveryFormAndWinsOverTheDaemonsVariable) {
    EXPECT_EQ(Parse({"--window-id", "0x400007"}).hackWindow, 0x400007u);
    EXPECT_EQ(Parse({"-window-id", "4194311"}).hackWindow, 4194311u);
    EXPECT_EQ(Parse({"--window-id=0X400007"}).hackWindow, 0x400007u);
    EXPECT_EQ(Parse({"--root", "--window-id", "0x400007"}, "0x1e00007").hackWindow, 0x400007u);
    EXPECT_EQ(Parse({"--window-id", "0x400007"}).mode, LaunchMode::Hack);
    for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
             {"--window-id"}, {"--window-id", "0x"}, {"--window-id", "0"}, {"--window-id", "-5"},
             {"--window-id", "12ab"}, {"--window-id", "0x1g"}, {"--window-id", "0x100000000"},
             {"--window-id="}, {"--window-id", " 12"}}) {
        const LaunchCommand c = Parse(bad);
        EXPECT_EQ(c.mode, LaunchMode::Invalid) << bad.back();
        EXPECT_FALSE(c.error.empty());
        EXPECT_EQ(c.error.find('\n'), std::string::npos);
    }
}

TEST(LaunchCommand, WallpaperTakesNoEditorAndNoHacksWindow) {
    const struct {
        std::vector<std::string> arguments;
        LaunchMode mode;
        const char* why;
    } cases[] = {
        {{"--wallpaper"}, LaunchMode::Wallpaper, "the switch alone"},
        {{"/c", "--wallpaper"}, LaunchMode::Wallpaper, "the background never opens the editor"},
        {{"--wallpaper", "--root"}, LaunchMode::Invalid, "its windows are its own, not the daemon's"},
        {{"--window-id", "0x400007", "--wallpaper"}, LaunchMode::Invalid, "nor a preview's"},
    };
    for (const auto& c : cases) {
        const LaunchCommand command = Parse(c.arguments, "0x1e00007");
        EXPECT_EQ(command.mode, c.mode) << c.why;
        EXPECT_EQ(command.shellCommandLine, "") << c.why;
    }
}

TEST(LaunchCommand, HelpAndVersionWinAndAnUnknownSwitchIsOneLineOfError) {
    EXPECT_EQ(Parse({"--help"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"-h"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"--root", "--version"}).mode, LaunchMode::Version);
    for (const char* unknown : {"-x", "--fullscreen", "-", "--", "-C"}) {
        const LaunchCommand c = Parse({"/c", unknown});
        EXPECT_EQ(c.mode, LaunchMode::Invalid) << unknown;
        EXPECT_NE(c.error.find(unknown), std::string::npos) << unknown;
        EXPECT_EQ(c.error.find('\n'), std::string::npos) << unknown;
    }
    // The usage names every switch and the exit statuses.
    const std::string usage = UsageText();
    for (const char* word : {"--root", "--window-id", "--no-inhibit", "--wallpaper", "swayidle", "--help",
                             "--version", "/c", "KELO.INI", "Exit status"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
}

}  // namespace
