#include "shell/options_preview.h"

#include <gtest/gtest.h>

#include "platform/fake/recording_surface.h"
#include "render/paint.h"
#include "core/setting_lines.h"
#include "shell/shell_fixture.h"

namespace {

std::vector<std::string> Texts(const RecordingSurface& surface) {
    std::vector<std::string> texts;
    for (const auto& op : surface.ops)
        if (op.kind == RecordingSurface::Kind::Print) texts.push_back(op.text);
    return texts;
}

// The chart window's picture after start-up with these settings, on a 1024 x 768 surface.
RecordingSurface WindowPicture(const std::string& settings) {
    ShellRig rig(settings);
    rig.Start();
    RecordingSurface surface;
    ResizeChart(rig.s, surface);
    PaintChart(rig.s, surface);
    return surface;
}

TEST(OptionsPreview, PaintsThePictureTheScreenSaverShowsWithTheEditedValues) {
    ShellRig rig;
    rig.Start("/c");  // the dialog opens with the state start-up has before it reads the settings
    const std::string koch = SettingsText({{kHouseSystemLine, "3"}, {kLatitudeDegreesLine, "51"}});
    OptionsPreview preview(rig.s, rig.clock);
    RecordingSurface picture;
    preview.PaintPreview(SettingValuesOfText(koch), picture);
    const RecordingSurface expected = WindowPicture(koch);
    EXPECT_EQ(Texts(picture), Texts(expected));
    EXPECT_EQ(picture.ops.size(), expected.ops.size() + 1);  // and the preview sets its 1024 x 768 first
    EXPECT_NE(Texts(picture), Texts(WindowPicture(SettingsText())));
    EXPECT_EQ(preview.HouseSystemLetter(SettingValuesOfText(koch)), "K");
}

TEST(OptionsPreview, SettingsThatFailTheChecksShowNoBoxAndTheLastGoodChart) {
    ShellRig rig;
    rig.Start("/c");
    OptionsPreview preview(rig.s, rig.clock);
    RecordingSurface first;
    preview.PaintPreview(SettingValuesOfText(SettingsText({{kLatitudeDegreesLine, "70"}, {kBackgroundColourLine, "1"}})),
                         first);
    EXPECT_TRUE(Texts(first).empty());  // no chart yet: the background alone
    RecordingSurface good, again;
    preview.PaintPreview(SettingValuesOfText(SettingsText()), good);
    preview.PaintPreview(SettingValuesOfText(SettingsText({{kLatitudeDegreesLine, "70"}})), again);
    EXPECT_FALSE(Texts(good).empty());
    EXPECT_EQ(Texts(again), Texts(good));
    EXPECT_TRUE(rig.boxes.shown.empty());
}

}  // namespace
