// The paint sequence: its coordinate system, its order, the cells it measures, the text primitives and
// the information text.
#include <gtest/gtest.h>

#include "render/pair_lines.h"
#include "render/render_tables.h"
#include "render/text_primitives.h"
#include "render_fixture.h"
#include "core/setting_lines.h"

using Kind = RecordingSurface::Kind;

TEST(PaintCoordinates, A4to3LogicalSizeGivesHalfWidth303AndTheCentredSystem) {
    for (auto [w, h] : {std::pair{640.0, 480.0}, {800.0, 600.0}, {1024.0, 768.0}}) {
        ChartState s = MakeChart();
        RecordingSurface surface(w, h);
        ResizeChart(s, surface);
        EXPECT_EQ(s.scaleHalfWidth, 303) << w;
        PaintChart(s, surface);
        EXPECT_DOUBLE_EQ(surface.ScaleLeft(), -303);
        EXPECT_DOUBLE_EQ(surface.ScaleTop(), 227.25);
        EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 606);
        EXPECT_DOUBLE_EQ(surface.ScaleHeight(), -454.5);
        // After the paint the y axis runs upwards; a resize still finds the same half width.
        ResizeChart(s, surface);
        EXPECT_EQ(s.scaleHalfWidth, 303);
    }
}

TEST(PaintCoordinates, StartUpHalfWidthIsUsedUntilTheFirstResize) {
    ChartState s = MakeChart();
    EXPECT_EQ(s.scaleHalfWidth, 312);
    RecordingSurface surface;
    PaintChart(s, surface);
    EXPECT_DOUBLE_EQ(surface.ScaleLeft(), -312);
    EXPECT_DOUBLE_EQ(surface.ScaleTop(), 234);
}

TEST(PaintSequence, ClearsThenSetsCoordinatesBackgroundAndDrawsInLayerOrder) {
    ChartState s = MakeChart();
    s.settingValues[kBackgroundColourLine] = 1;  // blue background
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto& ops = surface.ops;
    ASSERT_GE(ops.size(), 6u);
    EXPECT_EQ(ops[0].kind, Kind::FontSize);
    EXPECT_EQ(ops[1].kind, Kind::FontName);
    EXPECT_EQ(ops[1].text, "GLYPHA");
    EXPECT_EQ(ops[2].kind, Kind::FontSize);
    EXPECT_EQ(ops[3].kind, Kind::Clear);
    EXPECT_EQ(ops[4].kind, Kind::Coordinates);
    EXPECT_EQ(ops[5].kind, Kind::BackColor);
    EXPECT_EQ(ops[5].color, (Rgb{0, 0, 128}));
    EXPECT_EQ(ops[6].kind, Kind::ForeColor);
    EXPECT_EQ(ops[6].color, (Rgb{0, 0, 0}));

    // Spokes, then circles, then the text layers; the information text comes last.
    std::size_t firstCircle = 0, firstPrint = 0, lastLine = 0, spokes = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == Kind::Circle && firstCircle == 0) firstCircle = i;
        if (ops[i].kind == Kind::Print && firstPrint == 0) firstPrint = i;
        if (ops[i].kind == Kind::Line) lastLine = i;
        if (ops[i].kind == Kind::Line && firstCircle == 0) ++spokes;
    }
    EXPECT_EQ(ops[7].kind, Kind::Line);
    EXPECT_EQ(spokes, 13u);
    EXPECT_LT(firstCircle, firstPrint);
    EXPECT_GT(lastLine, firstPrint);  // the aspect lines come after the body glyphs
    const auto prints = surface.Prints();
    EXPECT_EQ(prints.back().text, s.infoLines[3]);
}

TEST(PaintSequence, CellsAreMeasuredInTheBodyGlyphSize) {
    ChartState s = MakeChart();
    s.settingValues[kGlyphCellExtraWidthLine] = 2;
    s.settingValues[kDigitCellExtraWidthLine] = 1;
    s.settingValues[kGlyphCellExtraHeightLine] = 3;
    s.settingValues[kDigitCellExtraHeightLine] = 0.5;
    RecordingSurface surface;
    PaintOn(s, surface);
    // Glyph 236 at 16 points is 12.8 wide and 16 high; "0" is 8 wide.
    EXPECT_EQ(s.glyphCellWidth, 15);    // Round16(2 + 12.8)
    EXPECT_EQ(s.glyphCellHeight, 19);   // Round16(16 + 3)
}

TEST(PaintSequence, AspectDisplayOnlyForSettingExactlyOne) {
    for (float v : {0.0f, 2.0f, 1.5f, 0.999f}) {
        ChartState s = MakeChart();
        s.settingValues[kAspectLinesLine] = v;
        RecordingSurface surface;
        PaintOn(s, surface);
        EXPECT_EQ(surface.Lines().size(), 13u) << v;  // the spokes only
        EXPECT_TRUE(s.aspectLines.empty());
        for (int code : {162, 163, 164, 165, 170}) EXPECT_TRUE(surface.PrintsOf(code).empty()) << v;
    }
    ChartState s = MakeChart();
    RecordingSurface surface;
    PaintOn(s, surface);
    EXPECT_GT(surface.Lines().size(), 13u);
}

TEST(TextPrimitives, DigitsAndSignsPrintTheirCodes) {
    ChartState s = MakeChart();
    RecordingSurface surface;
    s.printValue = 7;
    PrintTensDigit(s, surface);
    PrintUnitsDigit(s, surface);
    s.printValue = 59;
    PrintBoldTensDigit(s, surface);
    PrintBoldUnitsDigit(s, surface);
    s.printValue = 12.5;  // Round32 halves to even: 12
    PrintUnitsDigit(s, surface);
    s.zodiacSign = 12;
    PrintSignGlyph(s, surface);
    const auto p = surface.Prints();
    ASSERT_EQ(p.size(), 6u);
    EXPECT_EQ(p[0].text, "0");
    EXPECT_EQ(p[1].text, "7");
    EXPECT_EQ(p[2].text, "5");
    EXPECT_TRUE(p[2].bold);
    EXPECT_EQ(p[3].text, "9");
    EXPECT_TRUE(p[3].bold);
    EXPECT_EQ(p[4].text, "2");
    EXPECT_FALSE(p[4].bold);
    EXPECT_EQ(p[5].text, GlyphText(203));
}

TEST(TextPrimitives, StepsMoveBackAlongTheRayWithTheVerticalStepScaled) {
    ChartState s = MakeChart();
    RecordingSurface surface;
    s.penX = 100, s.penY = 50;
    s.penAngle = 90;
    s.glyphCellWidth = 12, s.glyphCellHeight = 16;
    StepGlyphCell(s, surface);
    EXPECT_NEAR(s.penX, 100, 1e-9);
    EXPECT_NEAR(s.penY, 50 - 12, 1e-9);  // 16 x 480 / 640
    s.penAngle = 180;
    s.digitCellWidth = 5, s.digitCellHeight = 8;
    StepDigitCell(s, surface);
    EXPECT_NEAR(s.penX, 105, 1e-9);
    EXPECT_NEAR(s.penY, 38, 1e-9);
    // The current position is the pen in single precision, y set before x.
    const auto& ops = surface.ops;
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[2].kind, Kind::CurrentY);
    EXPECT_EQ(ops[3].kind, Kind::CurrentX);
    EXPECT_EQ(surface.CurrentX(), static_cast<double>(static_cast<float>(s.penX)));
}

TEST(TextPrimitives, DigitCellsAreLoweredFromMinuteSizeNine) {
    ChartState s = MakeChart();
    s.digitCellHeight = 10;
    s.settingValues[kBodyMinutesSizeLine] = 8.99f;
    AdjustDigitCell(s);
    EXPECT_EQ(s.digitCellHeight, 10);
    s.settingValues[kBodyMinutesSizeLine] = 9;
    AdjustDigitCell(s);
    EXPECT_EQ(s.digitCellHeight, 7);
}

TEST(InfoText, FourLinesFromTenUnitsInsideTheTopLeftCorner) {
    ChartState s = MakeChart();
    s.settingValues[kInfoTextColourLine] = 14;
    RecordingSurface surface;
    PaintOn(s, surface);
    const auto p = surface.Prints();
    ASSERT_GE(p.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const auto& line = p[p.size() - 4 + i];
        EXPECT_EQ(line.text, s.infoLines[i]);
        EXPECT_DOUBLE_EQ(line.x, -303 + 10.0);
        EXPECT_DOUBLE_EQ(line.y, 227.25 - 10 - 10.0 * i);  // one line of the 10-point text apart
        EXPECT_EQ(line.color, (Rgb{255, 255, 0}));
        EXPECT_EQ(line.fontSize, 10);
    }
}

TEST(RenderTables, RimRadiusRunsAndSlotAngles) {
    ChartState s = MakeChart();
    const std::pair<int, int> samples[] = {{0, 199}, {7, 199},   {8, 200},   {148, 216}, {149, 217},
                                           {185, 217}, {186, 216}, {294, 195}, {295, 194}, {310, 194},
                                           {311, 195}, {357, 198}, {358, 199}, {360, 199}};
    for (auto [degree, radius] : samples) EXPECT_EQ(s.rimRadius[degree], radius) << degree;
    const int angles[] = {180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153};
    for (int h = 1; h <= 12; ++h) EXPECT_EQ(s.slotAngles[h], angles[h - 1]);
    EXPECT_EQ(s.cuspLabelOffsets[10], -138);  // slot 2, tens of degrees
    EXPECT_EQ(s.cuspLabelOffsets[15], 194);   // slot 2, sign glyph, y
    EXPECT_EQ(s.cuspLabelOffsets[17], 202);   // slot 2, tens of minutes, y
    EXPECT_EQ(s.cuspLabelOffsets[119], 184);
    EXPECT_EQ(s.cuspLabelOffsets[120], 0);
}

TEST(RenderTables, PaletteIndicesOutsideTheSixteenWrapRound) {
    EXPECT_EQ(Palette(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(Palette(7), (Rgb{192, 192, 192}));
    EXPECT_EQ(Palette(15), (Rgb{255, 255, 255}));
    EXPECT_EQ(Palette(16), Palette(0));
    EXPECT_EQ(Palette(17), (Rgb{0, 0, 128}));
    EXPECT_EQ(Palette(-1), Palette(15));
    EXPECT_EQ(Palette(32767), Palette(15));
    EXPECT_EQ(Palette(-32768), Palette(0));
}
