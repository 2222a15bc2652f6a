#include "render/notice.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/fake/recording_surface.h"
#include "render/render_tables.h"
#include "core/setting_lines.h"

namespace {

const std::string kLatitude =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

ChartState NoticeState() {
    ChartState s;
    s.settingValues[kInfoTextSizeLine] = 10;
    s.settingValues[kInfoTextColourLine] = 14;
    return s;
}

TEST(Notice, AShortMessageIsCentredInTheInformationTextsSizeAndColour) {
    ChartState s = NoticeState();
    RecordingSurface surface(1024, 768);
    DrawNotice(s, surface, {"No chart"});
    const auto prints = surface.Prints();
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].text, "No chart");
    EXPECT_EQ(prints[0].fontSize, 10);
    EXPECT_EQ(prints[0].color, Palette(14));
    EXPECT_DOUBLE_EQ(prints[0].x + surface.TextWidth("No chart") / 2, 512);
    EXPECT_DOUBLE_EQ(prints[0].y + surface.TextHeight("Ag") / 2, 384);
}

TEST(Notice, LongMessagesBreakAtBlanksWithinTheWidthAndRunDownTheScreenOnAnUpwardAxis) {
    ChartState s = NoticeState();
    s.settingValues[kInfoTextSizeLine] = 14;
    // The chart's own coordinates after a paint: centred, y upwards, 606 units wide.
    RecordingSurface surface(1024, 768);
    surface.SetCoordinates(-303, 227.25, 303, -227.25);
    DrawNotice(s, surface, {kLatitude, "Error in natal input data section. Please correct."});
    const auto prints = surface.Prints();
    ASSERT_GE(prints.size(), 3u);  // 92 characters of 7 units do not fit in 545
    std::string joined;
    for (size_t i = 0; i < prints.size(); ++i) {
        EXPECT_LE(surface.TextWidth(prints[i].text), 0.9 * 606) << prints[i].text;
        EXPECT_NEAR(prints[i].x + surface.TextWidth(prints[i].text) / 2, 0, 1e-9);
        if (i > 0) {
            EXPECT_LT(prints[i].y, prints[i - 1].y);  // each line below the one before
        }
        joined += (joined.empty() ? "" : " ") + prints[i].text;
    }
    EXPECT_EQ(joined, kLatitude + " Error in natal input data section. Please correct.");
    // The block, from the top of its first line to the foot of its last, is centred on the middle.
    const double lineHeight = std::fabs(surface.TextHeight("Ag"));
    EXPECT_NEAR((prints.front().y + prints.back().y - lineHeight) / 2, 0, 1e-9);
}

TEST(Notice, NoMessageDrawsNothing) {
    ChartState s = NoticeState();
    RecordingSurface surface;
    DrawNotice(s, surface, {});
    EXPECT_TRUE(surface.ops.empty());
}

}  // namespace
