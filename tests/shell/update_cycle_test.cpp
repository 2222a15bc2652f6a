#include <gtest/gtest.h>

#include <cmath>

#include "render/drift.h"
#include "core/setting_lines.h"
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

// A day of minute updates on the clock: with line 16 exactly 1 the picture's origin follows the drift,
// within its bounds, back at the centre every few hours and without a jump at midnight.
TEST(Drift, ADayOfMinuteUpdatesMovesThePictureWithinItsBoundsAndBackToTheCentre) {
    ShellRig rig(SettingsText({{16, "1"}}));
    ASSERT_EQ(rig.Start(), std::nullopt);
    rig.form.Form_Resize();
    const double onePercent = 0.01 * 454.5;  // of the picture's height, in logical units
    double nearestInThreeHours = 1e9, largestX = 0, largestY = 0, previousX = 0, previousY = 0;
    for (int minute = 0; minute <= 24 * 60; ++minute) {
        rig.TickAt(minute / 60 % 24, minute % 60, 0);
        const double x = rig.s.driftX, y = rig.s.driftY;
        ASSERT_LE(std::hypot(x, y), onePercent) << minute;
        ASSERT_LE(std::pow(x / kDriftRadiusX, 2) + std::pow(y / kDriftRadiusY, 2), 1 + 1e-12) << minute;
        // The paint moves the whole coordinate system: the wheel's centre sits at the drift.
        EXPECT_DOUBLE_EQ(rig.window.surface.ScaleLeft(), -303 - x) << minute;
        EXPECT_NEAR(rig.window.surface.ScaleTop(), 227.25 - y, 1e-9) << minute;
        if (minute > 0) {
            EXPECT_LE(std::hypot(x - previousX, y - previousY), 0.8) << minute;  // a few pixels a step
        }
        previousX = x, previousY = y;
        largestX = std::max(largestX, std::fabs(x)), largestY = std::max(largestY, std::fabs(y));
        nearestInThreeHours = std::min(nearestInThreeHours, std::hypot(x, y));
        if (minute % 180 == 179) {
            EXPECT_LT(nearestInThreeHours, 0.05) << "no return to the centre before minute " << minute;
            nearestInThreeHours = 1e9;
        }
    }
    EXPECT_EQ(rig.s.driftX, 0);  // midnight again: the path has closed
    EXPECT_GT(largestX, 0.95 * kDriftRadiusX);  // and it used the room it has
    EXPECT_GT(largestY, 0.95 * kDriftRadiusY);
}

TEST(Drift, AnyOtherValueOfLine16KeepsThePictureStillAndCentred) {
    for (const char* value : {"0", "1.5", "2", "-1"}) {
        ShellRig rig(SettingsText({{16, value}}));
        ASSERT_EQ(rig.Start(), std::nullopt);
        for (int minute : {7, 31, 100, 1111}) {
            rig.TickAt(minute / 60, minute % 60, 0);
            EXPECT_EQ(rig.s.driftX, 0) << value;
            EXPECT_EQ(rig.s.driftY, 0) << value;
            EXPECT_EQ(rig.window.surface.ScaleLeft(), -rig.s.scaleHalfWidth) << value;
        }
    }
    // The pure path is the same whatever the count of days before the minute.
    EXPECT_EQ(PictureDrift(1440 + 77).x, PictureDrift(77).x);
    EXPECT_EQ(PictureDrift(-1).y, PictureDrift(1439).y);
}

}  // namespace
