#include <gtest/gtest.h>

#include "core/setting_lines.h"
#include "shell/kelo_form.h"
#include "shell_fixture.h"

namespace {

TEST(StartupCommandLine, OnlyExactlySlashCOpensTheEditorAndEveryLineStartsTheScreenSaver) {
    struct Case {
        const char* commandLine;
        int editorShows;
    } cases[] = {{"/c", 1}, {"/C", 0}, {"/c:1234", 0}, {"", 0}, {"/s", 0}, {" /c", 0}, {"/c ", 0}, {"/p 1234", 0}};
    for (const Case& c : cases) {
        ShellRig rig;
        rig.options.script = [](FakeOptionsDialog& d, OptionsDialogEvents& e) {
            (void)d;
            e.btnQuit_Click();
        };
        EXPECT_EQ(rig.Start(c.commandLine), std::nullopt) << c.commandLine;
        EXPECT_EQ(rig.options.shows, c.editorShows) << c.commandLine;
        EXPECT_TRUE(rig.window.shown) << c.commandLine;
        EXPECT_TRUE(rig.window.timerEnabled) << c.commandLine;
        EXPECT_EQ(rig.window.timerInterval, 1000) << c.commandLine;
        EXPECT_TRUE(rig.boxes.shown.empty()) << c.commandLine;
    }
}

TEST(StartupOrder, StopsTheTimerFirstComputesTheChartThenSizesShowsAndStartsTheTimer) {
    ShellRig rig;
    ASSERT_EQ(rig.Start(), std::nullopt);
    const std::vector<std::string> expected = {"timer off", "size", "logical", "show", "timer on"};
    EXPECT_EQ(rig.window.calls, expected);
    // The first chart is computed during load; the platform paints it when the window is exposed.
    EXPECT_FALSE(rig.s.infoLines[0].empty());
    EXPECT_EQ(rig.window.presents, 0);
    EXPECT_EQ(rig.s.scaleHalfWidth, 312);
    EXPECT_EQ(rig.s.houseSystemLetter, "P");
    EXPECT_EQ(rig.s.piValue, 3.1415926535);
    EXPECT_EQ(rig.s.settingValues[kExitModeLine], 3.0f);
    EXPECT_EQ(rig.fonts.added, std::vector<std::string>{rig.folder.Path("glypha.ttf")});
}

TEST(StartupGeometry, TheScreenWidthChoosesTheLogicalSizeAndTheRestoredWindow) {
    struct Case {
        int pixels, twipsPerPixel;
        double logicalWidth, logicalHeight;
        int widthTwips, heightTwips;
    } cases[] = {
        {640, 15, 640, 480, 9290, 7200},     {640, 12, 640, 480, 9290, 7200},
        {800, 12, 800, 600, 9225, 7200},     {800, 15, 800, 600, 11525, 8940},
        {1024, 15, 1024, 768, 14850, 11505}, {1280, 15, 1024, 768, 14850, 11505},
        {1920, 15, 1024, 768, 14850, 11505}, {1024, 12, 1024, 768, 11825, 9204},
    };
    for (const Case& c : cases) {
        ShellRig rig;
        rig.window.screenWidthTwips = c.pixels * c.twipsPerPixel;
        rig.window.twipsPerPixel = c.twipsPerPixel;
        ASSERT_EQ(rig.Start(), std::nullopt);
        EXPECT_EQ(rig.window.logicalWidth, c.logicalWidth) << c.pixels << "@" << c.twipsPerPixel;
        EXPECT_EQ(rig.window.logicalHeight, c.logicalHeight) << c.pixels << "@" << c.twipsPerPixel;
        EXPECT_EQ(rig.window.widthTwips, c.widthTwips) << c.pixels << "@" << c.twipsPerPixel;
        EXPECT_EQ(rig.window.heightTwips, c.heightTwips) << c.pixels << "@" << c.twipsPerPixel;
    }
    // The width in pixels is rounded half to even: 640.5 is 640, 800.5 is 800, 641.5 is 642.
    EXPECT_EQ(ChooseScreenGeometry(6405, 10).widthTwips, 9290);
    EXPECT_EQ(ChooseScreenGeometry(8005, 10).widthTwips, 11525);
    EXPECT_EQ(ChooseScreenGeometry(6415, 10).widthTwips, 11825);
}

TEST(StartupPointer, HidingEndsAtMinusOneAndTheExitRestoresTheCountBeforeStart) {
    for (int before : {2, 0, -3}) {
        ShellRig rig(SettingsText({{kPointerLine, "0"}}));
        rig.pointer.count = before;
        ASSERT_EQ(rig.Start(), std::nullopt);
        EXPECT_EQ(rig.pointer.count, -1) << before;
        EXPECT_EQ(rig.s.savedCursorCount, before);
        EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress('A'); }), 0);
        EXPECT_EQ(rig.pointer.count, before);
    }
}

TEST(StartupPointer, AnyOtherValueOfLine32LeavesThePointerAlone) {
    for (const char* value : {"1", "0.5", "-1"}) {
        ShellRig rig(SettingsText({{kPointerLine, value}}));
        rig.pointer.count = 2;
        ASSERT_EQ(rig.Start(), std::nullopt);
        EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress('A'); }), 0);
        EXPECT_EQ(rig.pointer.calls, 0) << value;
        EXPECT_EQ(rig.pointer.count, 2);
    }
}

TEST(StartupSecondInstance, LeavesAtOnceWithoutTouchingFontPointerOrSettings) {
    ShellRig rig(SettingsText({{kPointerLine, "0"}}));
    rig.instance.another = true;
    rig.pointer.count = 2;
    EXPECT_EQ(rig.Start(), 0);
    EXPECT_TRUE(rig.window.unloaded);
    EXPECT_FALSE(rig.window.shown);
    EXPECT_EQ(rig.window.calls, std::vector<std::string>{"timer off"});
    EXPECT_TRUE(rig.fonts.added.empty());
    EXPECT_TRUE(rig.fonts.removed.empty());
    EXPECT_EQ(rig.pointer.calls, 0);
    EXPECT_EQ(rig.s.settingValues[kExitModeLine], 0.0f);
}

// "/c" beside a running screen saver: the editor opens (the running one follows what it saves), then
// the program leaves without a chart window of its own.
TEST(StartupSecondInstance, WithTheConfigureSwitchOpensTheEditorAndThenLeaves) {
    ShellRig rig(SettingsText({{kPointerLine, "0"}}));
    rig.instance.another = true;
    EXPECT_EQ(rig.Start("/c"), 0);
    EXPECT_EQ(rig.options.shows, 1);
    EXPECT_FALSE(rig.window.shown);
    EXPECT_EQ(rig.pointer.calls, 0);
    EXPECT_EQ(rig.fonts.removed, rig.fonts.added);
}

TEST(StartupMissingSettings, ReportsTheFileNotFoundAndEndsWithAFailureStatus) {
    ShellRig rig;
    std::filesystem::remove(rig.folder.Path("KELO.INI"));
    rig.pointer.count = 0;
    EXPECT_EQ(rig.Start(), 1);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "KELO.INI File Not Found\n" + rig.s.settingsFileName);
    EXPECT_EQ(rig.boxes.shown[0].title, "Warning!");
    EXPECT_EQ(rig.boxes.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(rig.window.shown);
    EXPECT_EQ(rig.pointer.calls, 0);
    EXPECT_EQ(rig.fonts.removed, rig.fonts.added);  // registered at step 4, removed on the way out
}

TEST(StartupMissingSettings, WithSlashCTheEditorIsNotShownAndStartUpStillEnds) {
    ShellRig rig;
    std::filesystem::remove(rig.folder.Path("KELO.INI"));
    EXPECT_EQ(rig.Start("/c"), 1);
    EXPECT_EQ(rig.options.shows, 0);
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.boxes.shown[0].text, "KELO.INI File Not Found\n" + rig.s.settingsFileName);
    EXPECT_EQ(rig.boxes.shown[1].text, rig.boxes.shown[0].text);
}

TEST(StartupEditor, SaveThenQuitStartsTheScreenSaverWithTheSettingsJustSaved) {
    ShellRig rig;  // exit mode 3 in the file
    rig.options.script = [](FakeOptionsDialog& d, OptionsDialogEvents& e) {
        const std::size_t line33 = d.text.find("3       line 33");
        ASSERT_NE(line33, std::string::npos);
        d.text.replace(line33, 1, "1");  // exit on a click
        e.txtContent_Change();
        e.btnSave_Click();
        e.btnQuit_Click();
    };
    ASSERT_EQ(rig.Start("/c"), std::nullopt);
    EXPECT_TRUE(rig.options.unloaded);
    EXPECT_EQ(rig.s.settingValues[kExitModeLine], 1.0f);
    EXPECT_NE(rig.folder.Read("KELO.INI").find("1       line 33\r\n"), std::string::npos);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress('A'); }), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_Click(); }), 0);
}

TEST(StartupEditor, QuitWithoutSavingDiscardsTheEdits) {
    ShellRig rig;
    const std::string before = rig.folder.Read("KELO.INI");
    rig.options.script = [](FakeOptionsDialog& d, OptionsDialogEvents& e) {
        d.text = "1\r\n";
        e.txtContent_Change();
        e.btnQuit_Click();
    };
    ASSERT_EQ(rig.Start("/c"), std::nullopt);
    EXPECT_EQ(rig.folder.Read("KELO.INI"), before);
    EXPECT_EQ(rig.s.settingValues[kExitModeLine], 3.0f);
}

TEST(StartupFiles, TheSettingsFileAndTheGlyphFontAreTheOnesTheProcessNames) {
    ShellRig rig;
    std::filesystem::remove(rig.folder.Path("KELO.INI"));
    rig.folder.Write("config/kelo/KELO.INI", SettingsText({{kExitModeLine, "5"}}));
    rig.process.settingsFileName = rig.folder.Path("config/kelo/KELO.INI");
    rig.process.glyphFontPath = rig.folder.Path("share/kelo/glypha.ttf");
    ASSERT_EQ(rig.Start(), std::nullopt);
    EXPECT_EQ(rig.s.settingsFileName, rig.folder.Path("config/kelo/KELO.INI"));
    EXPECT_EQ(rig.s.settingValues[kExitModeLine], 5.0f);
    EXPECT_EQ(rig.fonts.added, std::vector<std::string>{rig.folder.Path("share/kelo/glypha.ttf")});
}

}  // namespace
