// The drifting picture on real pixels: at every screen size from 640 x 480 to 3840 x 2160 and at the
// ends of the drift's path, the whole picture moves by the drift at the surface's scale, never more than
// 1% of the screen's height, and nothing is drawn on the window's outermost pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/ephemeris/ephemeris.h"
#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/fixed_clock.h"
#include "render/drift.h"
#include "render/paint.h"
#include "render/render_tables.h"
#include "settings/settings_file.h"
#include "shell/startup_values.h"
#include "shell/update_chart.h"

namespace {

class NoBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

ChartState ShippedChartAt(const LocalDateTime& t) {
    ChartState s;
    InitComputationConstants(s);
    s.settingsFileName = KELO_SHIPPED_SETTINGS;
    EXPECT_TRUE(ReadSettings(s));
    LoadElementTables(s);
    ChooseHouseSystem(s);
    LoadSlotAngles(s);
    LoadCuspLabelOffsets(s);
    LoadRimRadius(s);
    FixedClock clock(t, 0);
    NoBoxes boxes;
    UpdateChart(s, clock, boxes);
    return s;
}

struct Box {
    int left, top, right, bottom;  // of the pixels that are not the background; right and bottom inclusive
};

Box DrawnBox(const CairoImageSurface& surface) {
    const Rgb back = surface.BackColor();
    Box b{surface.DeviceWidth(), surface.DeviceHeight(), -1, -1};
    cairo_surface_t* image = surface.Image();
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    const uint32_t backPixel = static_cast<uint32_t>(back.r << 16 | back.g << 8 | back.b);
    for (int y = 0; y < surface.DeviceHeight(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < surface.DeviceWidth(); ++x) {
            if ((row[x] & 0xFFFFFFu) == backPixel) continue;
            b.left = std::min(b.left, x), b.right = std::max(b.right, x);
            b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
        }
    }
    return b;
}

Box PaintDrifted(ChartState s, FreeTypeFontRegistry& fonts, int width, int height, DriftOffset d) {
    CairoImageSurface surface(fonts, width, height);
    surface.SetCoordinates(0, 0, 1024, 768);  // the logical size start-up gives the window
    ResizeChart(s, surface);
    s.driftX = d.x, s.driftY = d.y;
    PaintChart(s, surface);
    EXPECT_LE(std::hypot(d.x, d.y) * surface.DeviceScale(), 0.01 * height) << width << "x" << height;
    return DrawnBox(surface);
}

TEST(DriftingPicture, StaysInsideTheWindowAtEverySizeAndMovesWholeByTheDrift) {
    FreeTypeFontRegistry fonts;
    ASSERT_EQ(fonts.AddFontResourceA(KELO_GLYPH_FONT), 1);
    const std::pair<int, int> sizes[] = {{640, 480},   {800, 600},   {1024, 768},  {1280, 1024},
                                         {1366, 768},  {1920, 1080}, {2560, 1440}, {3840, 2160}};
    const DriftOffset ends[] = {{kDriftRadiusX, 0}, {-kDriftRadiusX, 0}, {0, kDriftRadiusY}, {0, -kDriftRadiusY}};
    // Two moments whose cusp labels reach far down and far to the left.
    for (const LocalDateTime& t : {LocalDateTime{2026, 6, 21, 3, 30, 0}, LocalDateTime{2026, 12, 8, 15, 0, 0}}) {
        const ChartState chart = ShippedChartAt(t);
        ASSERT_EQ(chart.settingsError, 0);
        for (auto [width, height] : sizes) {
            const Box still = PaintDrifted(chart, fonts, width, height, {});
            const double scale = std::min(width / 606.0, height / 454.5);
            for (const DriftOffset& d : ends) {
                const Box moved = PaintDrifted(chart, fonts, width, height, d);
                const std::string where = std::to_string(width) + "x" + std::to_string(height) + " drift " +
                                          std::to_string(d.x) + "," + std::to_string(d.y);
                EXPECT_GT(moved.left, 0) << where;
                EXPECT_GT(moved.top, 0) << where;
                EXPECT_LT(moved.right, width - 1) << where;
                EXPECT_LT(moved.bottom, height - 1) << where;
                // Every edge of the picture, the text at the top-left included, moved by the drift.
                EXPECT_NEAR(moved.left - still.left, d.x * scale, 1.5) << where;
                EXPECT_NEAR(moved.right - still.right, d.x * scale, 1.5) << where;
                EXPECT_NEAR(moved.top - still.top, -d.y * scale, 1.5) << where;
                EXPECT_NEAR(moved.bottom - still.bottom, -d.y * scale, 1.5) << where;
            }
        }
    }
}

}  // namespace
