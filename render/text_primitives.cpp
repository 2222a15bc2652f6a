#include "render/text_primitives.h"

#include <cmath>

#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"
#include "core/setting_lines.h"

std::string GlyphText(int code) { return std::string(1, static_cast<char>(static_cast<unsigned char>(code))); }

void PrintSignGlyph(ChartState& s, Surface& surface) {
    surface.Print(GlyphText(Round32(s.zodiacSign + 191)));
}

void PrintTensDigit(ChartState& s, Surface& surface) {
    surface.Print(GlyphText(Round32(Trunc(s.printValue / 10) + 48)));
}

void PrintUnitsDigit(ChartState& s, Surface& surface) {
    surface.Print(GlyphText(Round32(s.printValue) % 10 + 48));
}

void PrintBoldTensDigit(ChartState& s, Surface& surface) {
    surface.SetFontBold(true);
    PrintTensDigit(s, surface);
    surface.SetFontBold(false);
}

void PrintBoldUnitsDigit(ChartState& s, Surface& surface) {
    surface.SetFontBold(true);
    PrintUnitsDigit(s, surface);
    surface.SetFontBold(false);
}

namespace {

void StepCell(ChartState& s, Surface& surface, int16_t width, int16_t height) {
    s.penX = s.penX - CosDeg(s, s.penAngle) * width;
    s.penY = s.penY - SinDeg(s.penAngle) * height / (640.0 / 480.0);
    surface.SetCurrentY(static_cast<float>(s.penY));
    surface.SetCurrentX(static_cast<float>(s.penX));
}

}  // namespace

void StepGlyphCell(ChartState& s, Surface& surface) {
    StepCell(s, surface, s.glyphCellWidth, s.glyphCellHeight);
}

void StepDigitCell(ChartState& s, Surface& surface) {
    StepCell(s, surface, s.digitCellWidth, s.digitCellHeight);
}

void AdjustDigitCell(ChartState& s) {
    if (s.settingValues[kBodyMinutesSizeLine] >= 9) s.digitCellHeight = static_cast<int16_t>(s.digitCellHeight - 3);
}

CellSize MeasureCell(const ChartState& s, Surface& surface, const std::string& text, CellKind kind) {
    const bool glyph = kind == CellKind::kGlyph;
    const float extraWidth = s.settingValues[glyph ? kGlyphCellExtraWidthLine : kDigitCellExtraWidthLine];
    const float extraHeight = s.settingValues[glyph ? kGlyphCellExtraHeightLine : kDigitCellExtraHeightLine];
    const int16_t width = Round16(extraWidth + surface.TextWidth(text));
    const int16_t height = Round16(std::fabs(surface.TextHeight(text)) + extraHeight);
    return {width, height};
}

void MeasureDigitCell(ChartState& s, Surface& surface) {
    const CellSize cell = MeasureCell(s, surface, "0", CellKind::kDigit);
    s.digitCellWidth = cell.width;
    s.digitCellHeight = cell.height;
}

void MoveTo(Surface& surface, double x, double y) {
    surface.SetCurrentX(static_cast<float>(x));
    surface.SetCurrentY(static_cast<float>(y));
}
