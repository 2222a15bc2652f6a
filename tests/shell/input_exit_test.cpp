#include <gtest/gtest.h>

#include <cmath>

#include "core/setting_lines.h"
#include "shell_fixture.h"

namespace {

struct ExitMode {
    const char* mode;
    bool click, key, movement;
};
constexpr ExitMode kExitModes[] = {
    {"0", false, false, true},   {"1", true, false, false},  {"2", true, false, true},
    {"3", false, true, false},   {"4", false, true, true},   {"5", true, true, false},
    {"6", true, true, true},     {"7", false, true, false},  {"3.5", false, true, false},
    {"2.5", false, false, false}, {"-1", false, false, false}, {"1.0", true, false, false},
};

TEST(ExitModes, EachModeEndsOnExactlyTheEventsOfItsRow) {
    for (const ExitMode& m : kExitModes) {
        {
            ShellRig rig(SettingsText({{kExitModeLine, m.mode}}));
            ASSERT_EQ(rig.Start(), std::nullopt);
            EXPECT_EQ(rig.Run([&] { rig.form.Form_Click(); }).has_value(), m.click) << "click, mode " << m.mode;
        }
        {
            ShellRig rig(SettingsText({{kExitModeLine, m.mode}}));
            ASSERT_EQ(rig.Start(), std::nullopt);
            EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress('A'); }).has_value(), m.key) << "key, mode " << m.mode;
        }
        {
            ShellRig rig(SettingsText({{kExitModeLine, m.mode}}));
            ASSERT_EQ(rig.Start(), std::nullopt);
            EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 10, 20); }), std::nullopt) << m.mode;
            EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 11, 20); }).has_value(), m.movement)
                << "movement, mode " << m.mode;
        }
    }
}

TEST(FirstMovement, TheFirstEventOnlyRecordsAndTheSamePositionNeverEnds) {
    ShellRig rig(SettingsText({{kExitModeLine, "0"}}));
    ASSERT_EQ(rig.Start(), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 120.5f, -40.25f); }), std::nullopt);
    EXPECT_EQ(rig.s.lastPointerX, 120.5f);
    EXPECT_EQ(rig.s.lastPointerY, -40.25f);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(1, 1, 120.5f, -40.25f); }), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_Click(); }), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_KeyPress(' '); }), std::nullopt);
    // Any other position, by the smallest step, ends it.
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 120.5f, std::nextafter(-40.25f, 0.0f)); }), 0);
}

TEST(FirstMovement, AFirstEventAtTheOriginRecordsNothingSoTheNextOneIsRecordedInstead) {
    ShellRig rig(SettingsText({{kExitModeLine, "0"}}));
    ASSERT_EQ(rig.Start(), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 0, 0); }), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 5, 5); }), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 6, 5); }), 0);
}

TEST(ExitPath, RestoresThePointerAndRemovesTheFontBeforeTheProcessEnds) {
    ShellRig rig(SettingsText({{kPointerLine, "0"}, {kExitModeLine, "1"}}));
    rig.pointer.count = 0;
    ASSERT_EQ(rig.Start(), std::nullopt);
    EXPECT_EQ(rig.pointer.count, -1);
    EXPECT_TRUE(rig.fonts.removed.empty());
    EXPECT_EQ(rig.Run([&] { rig.form.Form_Click(); }), 0);
    EXPECT_TRUE(rig.window.unloaded);
    EXPECT_EQ(rig.pointer.count, 0);
    EXPECT_EQ(rig.fonts.removed, rig.fonts.added);
}

TEST(ExitPath, UnloadingTheWindowAnyOtherWayTakesTheSamePath) {
    ShellRig rig(SettingsText({{kPointerLine, "0"}, {kExitModeLine, "-1"}}));
    rig.pointer.count = 1;
    ASSERT_EQ(rig.Start(), std::nullopt);
    int cancel = 0;
    EXPECT_EQ(rig.Run([&] { rig.form.Form_Unload(cancel); }), 0);
    EXPECT_EQ(cancel, 0);
    EXPECT_EQ(rig.pointer.count, 1);
    EXPECT_EQ(rig.fonts.removed.size(), 1u);
}

TEST(FirstMovement, AMovementWithinTheWindowsRestingDistanceGoesOnAndACreepBeyondItEnds) {
    ShellRig rig(SettingsText({{33, "6"}}));
    rig.window.pointerRestDistance = 4;
    ASSERT_EQ(rig.Start(), std::nullopt);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 100, 50); }), std::nullopt);
    // A bumped desk: up to the distance along either axis, both at once included.
    for (const auto& p : {std::pair{104.0f, 50.0f}, {96.0f, 46.0f}, {100.0f, 54.0f}, {103.0f, 47.0f}})
        EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, p.first, p.second); }), std::nullopt)
            << p.first << "," << p.second;
    // The position first recorded stays, so steps each within the distance of the last add up.
    EXPECT_EQ(rig.s.lastPointerX, 100.0f);
    EXPECT_EQ(rig.Run([&] { rig.form.Form_MouseMove(0, 0, 104.5f, 50); }), 0);

    ShellRig up(SettingsText({{33, "0"}}));
    up.window.pointerRestDistance = 4;
    ASSERT_EQ(up.Start(), std::nullopt);
    EXPECT_EQ(up.Run([&] { up.form.Form_MouseMove(0, 0, 100, 50); }), std::nullopt);
    EXPECT_EQ(up.Run([&] { up.form.Form_MouseMove(0, 0, 100, 45.5f); }), 0);
}

}  // namespace
