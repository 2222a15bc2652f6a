#include <gtest/gtest.h>

#include "settings/setting_lines.h"
#include "settings/settings_checks.h"
#include "shell_fixture.h"

namespace {

TEST(Tick, OnlyTheTickInSecondZeroRecomputesAndRepaints) {
    for (int clockFormat : {0, 1}) {
        ShellRig rig;
        rig.clock.SetClockFormat(clockFormat);
        rig.registry.values[{"Control Panel\\International", "iTime"}] = std::to_string(clockFormat);
        ASSERT_EQ(rig.Start(), std::nullopt);
        const float startClock = rig.s.clockTime;
        rig.TickAt(12, 34, 59);
        EXPECT_EQ(rig.window.presents, 0) << clockFormat;
        EXPECT_EQ(rig.window.surface.clears, 0);
        EXPECT_EQ(rig.s.clockTime, startClock);
        rig.TickAt(12, 35, 0);
        EXPECT_EQ(rig.window.presents, 1) << clockFormat;
        EXPECT_EQ(rig.window.surface.clears, 1);
        EXPECT_FLOAT_EQ(rig.s.clockTime, 12.35f);
        EXPECT_EQ(rig.s.meridiem, "P.M.");
        rig.TickAt(12, 35, 1);
        EXPECT_EQ(rig.window.presents, 1) << clockFormat;
    }
}

TEST(Tick, ATickInsideASettingsMessageBoxStartsNoNestedUpdate) {
    ShellRig rig(SettingsText({{kLatitudeDegreesLine, "67"}}));  // Placidus above the latitude limit
    ASSERT_EQ(rig.Start(), std::nullopt);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);  // the first update at start-up
    EXPECT_EQ(rig.boxes.shown[0].text, kLatitudeTooHighMessage);
    EXPECT_EQ(rig.boxes.shown[0].icon, MessageIcon::Information);
    // While the box of the 12:35 update is open the modal loop delivers the ticks of the next minutes.
    int nested = 0;
    rig.boxes.whileOpen = [&] {
        ++nested;
        rig.TickAt(12, 36, 0);
        rig.TickAt(12, 37, 0);
    };
    rig.TickAt(12, 35, 0);
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.window.presents, 1);  // the outer tick repaints the unchanged chart
    // Once the box is closed the ticks run again: the next minute reports again.
    rig.boxes.whileOpen = nullptr;
    rig.TickAt(12, 38, 0);
    EXPECT_EQ(rig.boxes.shown.size(), 3u);
    EXPECT_EQ(rig.window.presents, 2);
}

TEST(Tick, AHiddenPointerShowsWhileASettingsBoxIsOpenAndHidesAgainAfterwards) {
    ShellRig rig(SettingsText({{22, "67"}, {32, "0"}}));  // latitude beyond the limit, pointer hidden
    std::vector<int> countsWhileOpen;
    rig.boxes.whileOpen = [&] { countsWhileOpen.push_back(rig.pointer.count); };
    ASSERT_EQ(rig.Start(), std::nullopt);
    rig.TickAt(12, 35, 0);
    EXPECT_EQ(countsWhileOpen, (std::vector<int>{0, 0}));  // the box at start-up and at 12:35
    EXPECT_EQ(rig.pointer.count, -1);
    // A pointer the settings leave alone is not touched for a box.
    ShellRig shown(SettingsText({{22, "67"}, {32, "1"}}));
    ASSERT_EQ(shown.Start(), std::nullopt);
    EXPECT_EQ(shown.boxes.shown.size(), 1u);
    EXPECT_EQ(shown.pointer.calls, 0);
}

TEST(Tick, AFailedUpdateLeavesTheChartOfTheLastGoodUpdateOnScreen) {
    ShellRig rig;
    ASSERT_EQ(rig.Start(), std::nullopt);
    rig.TickAt(12, 35, 0);
    const std::string shown = rig.s.infoLines[0];
    const double sun = rig.s.bodyLongitude[1];
    ASSERT_NE(shown.find("12.35"), std::string::npos) << shown;
    // The same program with its latitude beyond the limit of its house system.
    rig.s.settingValues[kLatitudeDegreesLine] = 67;
    rig.TickAt(12, 36, 0);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.s.infoLines[0], shown);
    EXPECT_EQ(rig.s.bodyLongitude[1], sun);
    EXPECT_EQ(rig.window.presents, 2);
    EXPECT_EQ(rig.window.surface.clears, 2);
    EXPECT_GT(rig.window.surface.prints, 0);  // the last chart, drawn again
}

TEST(Tick, WithoutAnyGoodUpdateTheWindowShowsOnlyItsBackground) {
    ShellRig rig(SettingsText({{kLatitudeDegreesLine, "67"}, {kBackgroundColourLine, "1"}}));
    ASSERT_EQ(rig.Start(), std::nullopt);
    EXPECT_EQ(rig.s.settingsError, 1);
    rig.form.Form_Paint();  // the first expose
    rig.TickAt(12, 35, 0);
    EXPECT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.window.presents, 2);
    EXPECT_EQ(rig.window.surface.prints, 0);
    EXPECT_EQ(rig.window.surface.circles, 0);
    EXPECT_EQ(rig.window.surface.lines, 0);
    EXPECT_EQ(rig.window.surface.BackColor(), (Rgb{0, 0, 128}));
    EXPECT_EQ(rig.s.calendarYear, 0);
}

TEST(PaintAndResize, TheHandlersDrawOnTheWindowSurfaceAndShowIt) {
    ShellRig rig;
    ASSERT_EQ(rig.Start(), std::nullopt);
    rig.form.Form_Resize();
    EXPECT_EQ(rig.s.scaleHalfWidth, 303);  // 1024 x 768 logical units
    rig.form.Form_Paint();
    EXPECT_EQ(rig.window.presents, 1);
    EXPECT_EQ(rig.window.surface.clears, 1);
    EXPECT_EQ(rig.window.surface.FontName(), "GLYPHA");
    EXPECT_GT(rig.window.surface.circles, 0);
    EXPECT_GT(rig.window.surface.prints, 0);
}

}  // namespace
