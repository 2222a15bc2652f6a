#include "render/paint.h"

#include <cmath>

#include "core/numeric.h"
#include "render/pair_lines.h"
#include "render/body_glyphs.h"
#include "render/night_dimming.h"
#include "render/text_primitives.h"
#include "render/wheel.h"
#include "core/setting_lines.h"

void ResizeChart(ChartState& s, Surface& surface) {
    const double H = surface.ScaleHeight();
    const double W = surface.ScaleWidth();
    s.scaleHalfWidth = Round16(227 / std::fabs(H / W));
}

namespace {

void PaintChartOn(ChartState& s, Surface& surface) {
    surface.SetFontSize(12);
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(12);
    surface.Clear();

    // Origin at the centre, y upwards, the ratio of the logical size kept; the whole picture moved by
    // the drift (0 unless the screen saver drifts it).
    const double H = surface.ScaleHeight();
    const double W = surface.ScaleWidth();
    const double r = std::fabs(H / W);
    const double k = s.scaleHalfWidth;
    const double dx = s.driftX, dy = s.driftY;
    surface.SetCoordinates(-k - dx, static_cast<float>(k * r) - dy, k - dx, static_cast<float>(-k * r) - dy);

    surface.SetBackColor(Palette(Round16(s.settingValues[kBackgroundColourLine])));
    surface.SetForeColor(Rgb{0, 0, 0});

    DrawWheel(s, surface);
    ComputeHouseSizes(s);
    DrawInterceptedSigns(s, surface);

    // The cells, measured in the glyph font at the size of the body glyphs.
    surface.SetFontSize(s.settingValues[kBodyGlyphSizeLine]);
    const CellSize glyphCell = MeasureCell(s, surface, GlyphText(236), CellKind::kGlyph);
    s.glyphCellWidth = glyphCell.width;
    s.glyphCellHeight = glyphCell.height;
    MeasureDigitCell(s, surface);

    DrawCuspLabels(s, surface);
    PlaceBodies(s, surface);
    s.aspectLines.clear();
    if (IsExactly(s.settingValues[kAspectLinesLine], 1)) DrawAspects(s, surface);
    DrawInfoText(s, surface);
}

}  // namespace

// The night dimming scales every colour the paint gives, the background first among them; a picture
// at full brightness is drawn on the surface itself, exactly as without dimming.
void PaintChart(ChartState& s, Surface& surface) {
    const double brightness = PictureBrightness(s);
    if (brightness < 1) {
        DimmedSurface dimmed(surface, brightness);
        PaintChartOn(s, dimmed);
    } else {
        PaintChartOn(s, surface);
    }
}
