// The settings file watched while the chart runs: looked at on every tick, read again through start-up's
// path when its time of last writing or its size changed, applied and redrawn at once when it passes
// the checks, refused with the running chart and values kept when it does not.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/numeric.h"
#include "core/setting_lines.h"
#include "settings/palette.h"
#include "shell_fixture.h"

namespace {

namespace fs = std::filesystem;

// How a case leaves the settings file between two ticks.
enum class Write {
    Nothing,           // not touched
    NewTime,           // rewritten at the same size, its time of last writing one second later
    NewSizeSameTime,   // rewritten one byte longer, its time of last writing put back as it was
    Directory,         // a folder of the same name in its place: there, but it cannot be read
    Removed,           // gone for a moment, as while an editor replaces it
};

void Apply(ShellRig& rig, Write write, const std::map<int, std::string>& lines) {
    const fs::path file = rig.folder.Path("KELO.INI");
    const fs::file_time_type time = fs::last_write_time(file);
    switch (write) {
        case Write::Nothing:
            return;
        case Write::NewTime:
            rig.folder.Write("KELO.INI", SettingsText(lines));
            fs::last_write_time(file, time + std::chrono::seconds(1));
            return;
        case Write::NewSizeSameTime:
            rig.folder.Write("KELO.INI", SettingsText(lines) + " ");
            fs::last_write_time(file, time);
            return;
        case Write::Directory:
            fs::remove(file);
            fs::create_directory(file);
            return;
        case Write::Removed:
            fs::remove(file);
            return;
    }
}

TEST(SettingsReload, AWrittenFileAppliesAtTheNextTickUnlessItCannotBeReadOrFailsACheck) {
    struct Case {
        Write write;
        std::map<int, std::string> lines;
        bool applied;
        size_t boxes;
        const char* why;
    };
    const Case cases[] = {
        {Write::Nothing, {{kBackgroundColourLine, "1"}}, false, 0, "not written: nothing to do between minutes"},
        {Write::NewTime, {{kBackgroundColourLine, "1"}}, true, 0, "a new time of last writing"},
        {Write::NewSizeSameTime, {{kBackgroundColourLine, "1"}}, true, 0, "a new size, the time unchanged"},
        {Write::Directory, {}, false, 0, "cannot be read: the running values stay, tried again next tick"},
        {Write::Removed, {}, false, 0, "gone while an editor replaces it: no change"},
        {Write::NewTime, {{kBackgroundColourLine, "1"}, {kLatitudeDegreesLine, "67"}}, false, 1,
         "Placidus at 67 degrees: the latitude message, the running chart and values kept"},
        {Write::NewTime, {{kBackgroundColourLine, "1"}, {kExitModeLine, "1"}}, true, 0, "another exit mode"},
    };
    for (const Case& c : cases) {
        ShellRig rig;
        ASSERT_EQ(rig.Start(), std::nullopt) << c.why;
        const ChartState before = rig.s;
        Apply(rig, c.write, c.lines);
        rig.TickAt(12, 34, 20);
        EXPECT_EQ(rig.boxes.shown.size(), c.boxes) << c.why;
        EXPECT_EQ(rig.s.bodyLongitude, before.bodyLongitude) << c.why;  // the same minute, the same chart
        for (const auto& [line, value] : c.lines) {
            const float want = c.applied ? static_cast<float>(std::stod(value)) : before.settingValues[line];
            EXPECT_EQ(rig.s.settingValues[line], want) << c.why << ", line " << line;
        }
        if (c.applied) {
            EXPECT_EQ(rig.window.presents, 1) << c.why << ": redrawn at once";
            EXPECT_EQ(rig.window.surface.BackColor(), Palette(1)) << c.why;
        } else {
            EXPECT_EQ(rig.window.surface.BackColor(), Palette(0)) << c.why;
        }
        EXPECT_EQ(rig.s.settingsError, c.boxes > 0 ? 1 : 0) << c.why;
    }
}

TEST(SettingsReload, AMendedFileShowsTheChartThatTheFailedStartCouldNot) {
    ShellRig rig(SettingsText({{kLatitudeDegreesLine, "67"}}));
    ASSERT_EQ(rig.Start(), std::nullopt);
    ASSERT_EQ(rig.s.chartComputed, 0);
    Apply(rig, Write::NewTime, {{kLatitudeDegreesLine, "52"}});
    rig.TickAt(12, 34, 20);
    EXPECT_EQ(rig.s.chartComputed, 1);
    EXPECT_EQ(rig.s.settingsError, 0);
    EXPECT_NE(rig.s.infoLines[1].find("52N"), std::string::npos) << rig.s.infoLines[1];
    EXPECT_EQ(rig.window.presents, 1);
}

TEST(SettingsReload, APointerLineChangedWhileRunningHidesAndShowsThePointerInPairs) {
    ShellRig rig;  // pointer left visible
    rig.pointer.count = 2;
    ASSERT_EQ(rig.Start(), std::nullopt);
    Apply(rig, Write::NewTime, {{kPointerLine, "0"}});
    rig.TickAt(12, 34, 20);
    EXPECT_EQ(rig.pointer.count, -1) << "hidden by start-up's rule";
    Apply(rig, Write::NewTime, {{kPointerLine, "1"}});
    rig.TickAt(12, 34, 21);
    EXPECT_EQ(rig.pointer.count, 2) << "shown again, the count as it was";
    Apply(rig, Write::NewTime, {{kPointerLine, "0"}});
    rig.TickAt(12, 34, 22);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress('a'); }), 0);
    EXPECT_EQ(rig.pointer.count, 2) << "the exit gives back what the last hiding took";
}

TEST(SettingsReload, AChangedExitModeDecidesWhichInputEndsTheScreenSaver) {
    ShellRig rig;  // exit mode 3: a key
    ASSERT_EQ(rig.Start(), std::nullopt);
    Apply(rig, Write::NewTime, {{kExitModeLine, "1"}});
    rig.TickAt(12, 34, 20);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress('a'); }), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_Click(); }), 0);
}

}  // namespace
