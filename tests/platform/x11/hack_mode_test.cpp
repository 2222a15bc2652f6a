#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/gtk/gtk_platform.h"
#include "platform/x11/hack_window.h"
#include "settings/settings_checks.h"
#include "shell/shell_fixture.h"

namespace {

// The shell's start-up and ticks over hack mode's lock, pointer, boxes and editor.
struct HackRig {
    TempFolder folder;
    std::FILE* log = std::tmpfile();
    ChartState s;
    FakeChartWindow window;
    HackOptionsDialog options;
    HackMessageBoxes boxes{log};
    HackPointer pointer;
    FakeFontRegistry fonts;
    FixedClock clock{LocalDateTime{2026, 12, 7, 12, 34, 10}};
    FakeRegistry registry;
    FakeTextFiles textFiles;
    NoInstanceLock instance;
    FakeProcess process;
    Platform p{window, options, boxes, pointer, fonts, clock, registry, textFiles, instance, process};
    KeloForm form{s, p};

    explicit HackRig(const std::string& settings) {
        process.programDir = folder.Path();
        folder.Write("KELO.INI", settings);
    }
    ~HackRig() { std::fclose(log); }

    std::string Log() {
        std::string text(4096, '\0');
        std::rewind(log);
        text.resize(std::fread(text.data(), 1, text.size(), log));
        return text;
    }
};

TEST(HackMode, RunsBesideARunningScreenSaverWithoutTouchingThePointer) {
    // A screen saver of the same user holds the instance lock.
    TempFolder runtime;
    std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    FlockInstanceLock saver;
    ASSERT_FALSE(saver.AnotherInstanceRunning());
    FlockInstanceLock secondSaver;
    ASSERT_TRUE(secondSaver.AnotherInstanceRunning());

    // Settings that hide the pointer, and the editor's switch: neither reaches the screen.
    HackRig hack(SettingsText({{32, "0"}}));
    hack.s.commandLine = "";
    hack.window.Load(hack.form);
    EXPECT_TRUE(hack.window.shown);
    EXPECT_FALSE(hack.window.unloaded);
    EXPECT_EQ(hack.s.chartComputed, 1);
    EXPECT_EQ(hack.Log(), "");
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(HackMode, AFailedCheckIsWrittenOnceAndKeptForThePicture) {
    HackRig hack(SettingsText({{22, "67"}}));
    hack.window.Load(hack.form);
    EXPECT_TRUE(hack.window.shown);  // no box waits for anyone: the window shows at once
    EXPECT_EQ(hack.s.settingsError, 1);
    for (int minute : {35, 36}) {
        hack.clock.Set(LocalDateTime{2026, 12, 7, 12, minute, 0});
        hack.form.Timer1_Timer();
    }
    EXPECT_EQ(hack.s.settingsError, 1);
    EXPECT_EQ(hack.boxes.Texts(), std::vector<std::string>{kLatitudeTooHighMessage});
    EXPECT_EQ(hack.Log(), "kelo: " + kLatitudeTooHighMessage + "\n");
}

}  // namespace
