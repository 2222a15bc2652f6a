#include "render/pair_lines.h"

#include <cmath>

#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"
#include "render/render_tables.h"
#include "render/text_primitives.h"
#include "core/setting_lines.h"

namespace {

// Aspect codes: 1 none, 3 sextile, 4 square, 5 trine, 6 opposition, 11 quincunx (also the settings
// value of its orb).
constexpr int kNoAspect = 1;

// The aspect of a separation, each later match overwriting an earlier one; single-precision bounds.
int AspectCode(const ChartState& s, double separation) {
    const float sep = static_cast<float>(separation);
    const auto& v = s.settingValues;
    int code = kNoAspect;
    if (60 - v[kOrb60Line] <= sep && sep <= 60 + v[kOrb60Line]) code = 3;
    if (90 - v[kOrb90Line] <= sep && sep <= 90 + v[kOrb90Line]) code = 4;
    if (120 - v[kOrb120Line] <= sep && sep <= 120 + v[kOrb120Line]) code = 5;
    if (sep >= 180 - v[kOrb180Line]) code = 6;
    if (150 - v[kOrb150Line] <= sep && sep <= 150 + v[kOrb150Line]) code = 11;
    return code;
}

}  // namespace

void DrawAspects(ChartState& s, Surface& surface) {
    surface.SetFontSize(s.settingValues[kAspectGlyphSizeLine]);
    const double R = 120;
    s.aspectLines.clear();
    for (int i = 1; i <= 10; ++i) {
        for (int j = 1; j <= 10; ++j) {
            double sep = std::fabs(s.bodyLongitude[i] - s.bodyLongitude[j]);
            if (sep > 180) sep = 360 - sep;
            const int code = AspectCode(s, sep);
            if (!(code > 2 && code <= 12 && (code < 7 || code > 10))) continue;

            if (code == 3 || code == 5)
                surface.SetForeColor(Palette(Round16(s.settingValues[kTrineSextileColourLine])));
            else if (code == 4 || code == 6)
                surface.SetForeColor(Palette(Round16(s.settingValues[kSquareOppositionColourLine])));
            else
                surface.SetForeColor(Palette(Round16(s.settingValues[kQuincunxColourLine])));

            // Between the two glyphs' directions on the inner circle, flattened by 0.96.
            const double x1 = R * CosDeg(s, s.bodyDrawAngle[i]);
            const double y1 = 0.96 * R * SinDeg(s.bodyDrawAngle[i]);
            const double x2 = R * CosDeg(s, s.bodyDrawAngle[j]);
            const double y2 = 0.96 * R * SinDeg(s.bodyDrawAngle[j]);
            surface.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                         static_cast<float>(y2), surface.ForeColor());
            s.aspectLines.push_back({static_cast<int16_t>(i), static_cast<int16_t>(j),
                                     static_cast<int16_t>(code)});

            // The aspect glyph centred on the middle of the line.
            const std::string glyph = GlyphText(Round32(code + 159.0));
            surface.SetCurrentX(static_cast<float>((x1 + x2) / 2 - surface.TextWidth(glyph) / 2));
            surface.SetCurrentY(static_cast<float>((y1 + y2) / 2 + std::fabs(surface.TextHeight(glyph)) / 2));
            surface.Print(glyph);
        }
    }
}

void DrawInfoText(ChartState& s, Surface& surface) {
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(s.settingValues[kInfoTextSizeLine]);
    surface.SetForeColor(Palette(Round16(s.settingValues[kInfoTextColourLine])));
    // At the top-left corner of the window, moved with the rest of the picture by the drift.
    surface.SetCurrentX(surface.ScaleLeft() + s.driftX + 10);
    surface.SetCurrentY(surface.ScaleTop() + s.driftY - 10);
    for (int i = 0; i <= 3; ++i) {
        surface.Print(s.infoLines[i]);
        surface.SetCurrentX(surface.ScaleLeft() + s.driftX + 10);
    }
}
