#include "render/wheel.h"

#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"
#include "render/render_tables.h"
#include "render/text_primitives.h"
#include "core/setting_lines.h"

namespace {

// The radius just outside the outer circle at which intercepted signs and spoke-following cusp labels
// are anchored (217.08).
constexpr double kLabelRadius = 236 * 0.91984662;

void DrawSpoke(Surface& surface, double a, Rgb c) {
    surface.Line(static_cast<float>(120 * std::cos(a)), static_cast<float>(116.1 * std::sin(a)),
                 static_cast<float>(217 * std::cos(a)), static_cast<float>(209.9475 * std::sin(a)), c);
}

}  // namespace

void HouseOrderedCusps(const ChartState& s, double (&e)[14]) {
    for (int j = 1; j <= 9; ++j) e[j] = s.houseCusp[j + 3];
    for (int j = 10; j <= 12; ++j) e[j] = s.houseCusp[j - 9];
    e[13] = e[1];
    e[0] = 0;
}

void DrawWheel(ChartState& s, Surface& surface) {
    const Rgb c = Palette(Round16(s.settingValues[kSpokeColourLine]));
    s.spokeAngles.clear();
    if (s.wheelMode == 0) {
        // Equal sectors: a floating-point loop over twelve steps of pi / 6.
        const double step = s.piValue / 6;
        const double last = 2 * s.piValue - s.piValue / 6;
        for (double a = 0; a <= last; a += step) {
            DrawSpoke(surface, a, c);
            s.spokeAngles.push_back(RadToDeg(a));
        }
    } else {
        // True cusps: the Ascendant line first, then every cusp from house 1 on.
        DrawSpoke(surface, s.piValue, c);
        s.spokeAngles.push_back(180);
        double e[14];
        HouseOrderedCusps(s, e);
        for (int j = 1; j <= 12; ++j) {
            double d = e[j] - e[1];
            if (d < 0) d += 360;
            d = d + 180;
            if (d >= 360) d -= 360;
            DrawSpoke(surface, DegToRad(d), c);
            s.spokeAngles.push_back(d);
        }
    }
    const Rgb ring = Palette(Round16(s.settingValues[kWheelCircleColourLine]));
    surface.Circle(0, 0, 217, ring);
    surface.Circle(0, 0, 120, ring);
}

void ComputeHouseSizes(ChartState& s) {
    for (int k = 1; k <= 11; ++k) {
        s.houseSize[k] = Normalize360(s.houseCusp[k + 1] - s.houseCusp[k]);
        if (s.houseSize[k] == 277.5) s.houseSize[k] = 7.5;
    }
    s.houseSize[12] = Normalize360(s.houseCusp[1] - s.houseCusp[12]);
}

void DrawInterceptedSigns(ChartState& s, Surface& surface) {
    // A house whose bounding cusps lie two signs apart holds the sign between them.
    double e[14];
    HouseOrderedCusps(s, e);
    s.interceptedSign.fill(0);
    for (int j = 1; j <= 12; ++j) {
        const double sA = Int(e[j] / 30) + 1;
        double sB = Int(e[j + 1] / 30) + 1;
        if (sB - sA < 0) sB += 12;
        if (sB - sA == 2) {
            double sign = sA + 1;
            if (sign >= 13) sign -= 12;
            s.interceptedSign[j] = static_cast<int16_t>(sign);
        }
    }

    surface.SetFontSize(s.settingValues[kSignGlyphSizeLine]);
    surface.SetForeColor(Palette(Round16(s.settingValues[kCuspSignColourLine])));
    for (int j = 1; j <= 12; ++j) {
        if (s.interceptedSign[j] == 0) continue;
        // The middle of the house, as an angle from the Descendant.
        double t;
        if (s.wheelMode != 0) {
            t = e[j] - e[7];
            double d = e[j + 1] - e[j];
            if (d < -180) d += 360;
            t = t + d / 2;
        } else if (j >= 7) {
            t = 30.0 * (j - 7) + 15;
        } else {
            t = 30.0 * (j + 5) + 15;
        }
        if (t < 0) t += 360;
        if (t >= 360) t -= 360;

        // Just outside the outer circle; on the left half the glyph moves 20 units further left.
        const double x = kLabelRadius * CosDeg(s, t) + 4;
        surface.SetCurrentX(static_cast<float>(x));
        if (90 < t && t < 270) surface.SetCurrentX(static_cast<float>(surface.CurrentX() - 20));
        const double y = kLabelRadius * SinDeg(t) + 4;
        surface.SetCurrentY(static_cast<float>(y));
        s.zodiacSign = s.interceptedSign[j];
        PrintSignGlyph(s, surface);
    }
}

void DrawCuspLabels(ChartState& s, Surface& surface) {
    for (int i = 1; i <= 12; ++i) {
        surface.SetFontSize(s.settingValues[kCuspDegreesSizeLine]);
        surface.SetForeColor(Palette(Round16(s.settingValues[kCuspDegreesColourLine])));
        s.zodiacInput = s.houseCusp[i];
        SplitZodiacPosition(s);

        // The five places: degrees tens and units, sign, minutes tens and units.
        double px[5], py[5];
        if (i == 4 || i == 10 || s.wheelMode == 0) {
            for (int e = 0; e <= 4; ++e) {
                px[e] = s.cuspLabelOffsets[10 * (i - 1) + 2 * e];
                py[e] = s.cuspLabelOffsets[10 * (i - 1) + 2 * e + 1];
            }
        } else {
            double t = s.houseCusp[i] - s.houseCusp[10];
            if (t < 0) t += 360;
            if (t >= 360) t -= 360;
            const double xr = kLabelRadius * CosDeg(s, t) + 4;
            double xb;
            if ((80 < t && t < 100) || (260 < t && t < 280))
                xb = xr - 23;
            else if (t <= 80 || t >= 280)
                xb = xr;
            else
                xb = xr - 54 + 5;
            const double y = kLabelRadius * SinDeg(t) + 4;
            const double dx[5] = {-2, 6, 16, 33, 40};
            for (int e = 0; e <= 4; ++e) {
                px[e] = xb + dx[e];
                py[e] = y;
            }
        }

        s.printValue = s.zodiacDegrees;
        MoveTo(surface, px[0], py[0]);
        PrintBoldTensDigit(s, surface);
        MoveTo(surface, px[1], py[1]);
        PrintBoldUnitsDigit(s, surface);

        MoveTo(surface, px[2], py[2]);
        surface.SetFontSize(s.settingValues[kSignGlyphSizeLine]);
        surface.SetForeColor(Palette(Round16(s.settingValues[kCuspSignColourLine])));
        PrintSignGlyph(s, surface);

        surface.SetForeColor(Palette(Round16(s.settingValues[kCuspMinutesColourLine])));
        surface.SetFontSize(s.settingValues[kCuspMinutesSizeLine]);
        s.printValue = s.zodiacMinutes;
        MoveTo(surface, px[3], py[3]);
        PrintTensDigit(s, surface);
        MoveTo(surface, px[4], py[4]);
        PrintUnitsDigit(s, surface);
    }
}
