#include "render/body_glyphs.h"

#include <cmath>

#include "astro/frame/angle_helpers.h"
#include "astro/frame/numeric.h"
#include "render/render_tables.h"
#include "render/text_primitives.h"
#include "settings/setting_lines.h"
#include "settings/settings_file.h"

namespace {

constexpr int kSlotsPerHouse = 7;    // N
constexpr double kSlotWidth = 4.0;   // degrees
// The largest slot index a house may start from: the 7 slots and room for every further body of a
// crowded house, so that slotOccupied and the angles stay inside their tables.
constexpr double kLastSlot = 14;

// Cusp slot of the cusp that begins house h, and of the cusp that ends it.
int StartCuspSlot(int h) { return h <= 9 ? h + 3 : h - 9; }
int EndCuspSlot(int h) { return h <= 8 ? h + 4 : h - 8; }

// The anchor radius of a drawing angle; an angle past 360 (a crowded last house) reads the table at
// the same direction.
int16_t RimRadiusAt(const ChartState& s, double angle) {
    int degree = Round16(angle);
    degree %= 360;
    if (degree < 0) degree += 360;
    return s.rimRadius[degree];
}

bool SlotTaken(const ChartState& s, int h, double slot) {
    return s.slotOccupied[(h - 1) * kSlotsPerHouse + static_cast<int>(slot)] != 0;
}

// House of a longitude by the cusps, as the house placement line decides it.
int HouseOfLongitude(const ChartState& s, double longitude) {
    const double x = Normalize360(longitude + 1.0 / 36000);
    int house = 1;
    for (int slot = 1; slot <= 12; ++slot) {
        const double c1 = s.houseCusp[slot];
        const double c2 = slot < 12 ? s.houseCusp[slot + 1] : s.houseCusp[1];
        const bool inside = c1 > c2 ? (x >= c1 || x < c2) : (x >= c1 && x < c2);
        if (inside) house = (slot + 8) % 12 + 1;
    }
    return house;
}

}  // namespace

int HouseOfBody(const ChartState& s, int b) {
    const size_t at = static_cast<size_t>(10 * b - 10);
    const double field = at < s.houseLine.size() ? LeadingNumber(s.houseLine.substr(at, 2)) : 0;
    if (field >= 1 && field <= 12 && field == Int(field)) return static_cast<int>(field);
    return HouseOfLongitude(s, s.bodyLongitude[b]);
}

void SortBodies(ChartState& s) {
    for (int h = 1; h <= 12; ++h) s.houseBodyCount[h] = 0;
    for (int i = 1; i <= 15; ++i) {
        s.sortedLongitude[i] = s.bodyLongitude[i];
        s.bodyOrder[i] = i;
    }
    for (int i = 1; i <= 14; ++i)
        for (int j = i + 1; j <= 15; ++j)
            if (s.sortedLongitude[j] > s.sortedLongitude[i]) {
                std::swap(s.sortedLongitude[i], s.sortedLongitude[j]);
                std::swap(s.bodyOrder[i], s.bodyOrder[j]);
            }
}

void GroupBodiesByHouse(ChartState& s) {
    int h[16] = {};
    for (int i = 1; i <= 15; ++i) {
        h[i] = HouseOfBody(s, static_cast<int>(s.bodyOrder[i]));
        s.houseBodyCount[h[i]] += 1;
    }
    // A house that straddles 0 degrees Aries: its bodies at the end of the list move to the start. The
    // Ascendant and the Midheaven lie in different houses, so fewer than 15 turns always suffice; the
    // bound keeps a chart of one single house (degenerate cusps) from turning for ever.
    for (int turns = 0; h[15] == h[1] && turns < 15; ++turns) {
        const double lastLongitude = s.sortedLongitude[15];
        const double lastBody = s.bodyOrder[15];
        const int lastHouse = h[15];
        for (int i = 15; i >= 2; --i) {
            s.sortedLongitude[i] = s.sortedLongitude[i - 1];
            s.bodyOrder[i] = s.bodyOrder[i - 1];
            h[i] = h[i - 1];
        }
        s.sortedLongitude[1] = lastLongitude;
        s.bodyOrder[1] = lastBody;
        h[1] = lastHouse;
    }
    s.currentHouse = 0;
    s.slotOccupied.fill(0);
}

void PlaceBodies(ChartState& s, Surface& surface) {
    const int N = kSlotsPerHouse;
    int16_t slotAngle[13];
    for (int h = 1; h <= 12; ++h) slotAngle[h] = s.slotAngles[h];
    double previousAngle = -100;  // P

    SortBodies(s);
    GroupBodiesByHouse(s);
    s.bodyDrawn.fill(0);
    s.textReversed.fill(0);

    for (int r = 1; r <= 15; ++r) {
        s.currentRank = r;
        const int b = static_cast<int>(s.bodyOrder[r]);
        const double lambda = s.sortedLongitude[r];

        // The house, and the rank of the body within it.
        const double previousHouse = s.currentHouse;
        const int H = HouseOfBody(s, b);
        s.currentHouse = H;
        if (H != previousHouse) s.houseRank = 1;
        const int m = s.houseRank;
        const double n = s.houseBodyCount[H];

        // A crowded house leaves out the opposite node and the Part of Fortune.
        if ((b == 12 || b == 13) && n > 7) continue;

        // Slot from the distance to the cusp that begins the house.
        const int c = StartCuspSlot(H);
        double d = Normalize360(Normalize360(lambda - s.houseCusp[c]));
        if (d >= 360 - 1.0 / 36000 && d <= 360 + 1.0 / 36000) d = 0;
        s.cuspDistance = d;
        double slot = Trunc(N * d / s.houseSize[c]);
        // A house size of (almost) nothing gives no usable slot: bounded to the table.
        if (std::isnan(slot)) slot = 0;
        if (slot > kLastSlot) slot = kLastSlot;

        // Room for the bodies of the house still to come.
        const bool roomLeft = N - n > slot || N - slot - n + m > 0;
        if (!roomLeft) {
            if (slot - (n - m) < 0 || SlotTaken(s, H, slot))
                slot = N - n;
            else
                slot = N - (n - m) - 1;
        }
        if (slot < 0) slot = 0;

        while (SlotTaken(s, H, slot)) slot = slot + 1;
        s.slotOccupied[(H - 1) * N + static_cast<int>(slot)] = 1;
        s.slotIndex = slot;

        // Equal-sector angle: the slot of the house.
        s.penAngle = slotAngle[H] + slot * kSlotWidth;
        s.glyphRadius = RimRadiusAt(s, s.penAngle);

        // True cusps: the angle of the longitude, pushed clear of the previous glyph and of the end of
        // the house.
        if (s.wheelMode == 1) {
            double t = Normalize360(lambda - s.houseCusp[10]);
            const double x = t - previousAngle;
            if ((-16 <= x && x < 4) || (-360 <= x && x < -356)) {
                t = Normalize360(previousAngle + 4.0);
                if (d < 2 && m == 1 && 102.5 <= t && t <= 137.5) t = t + 2 - d;
            } else {
                const double e = Normalize360(s.houseCusp[EndCuspSlot(H)] - s.houseCusp[10]);
                const double room = (n - m + 1) * 4.0;
                const double w = Normalize360(e - room);
                if (t > w) t = w;
                if (t <= 28 && w >= 332) t = 0;
                if (t + 2 < e && (t >= 270 || t < 180)) t = t + 2;
            }
            previousAngle = t;
            s.penAngle = t;
            s.glyphRadius = RimRadiusAt(s, t);
        }

        s.bodyDrawAngle[b] = s.penAngle;
        s.bodyDrawn[b] = 1;
        s.houseRank = static_cast<int16_t>(m + 1);
        DrawBody(s, surface);
    }
}

void DrawBody(ChartState& s, Surface& surface) {
    const int b = static_cast<int>(s.bodyOrder[static_cast<int>(s.currentRank)]);
    const double theta = s.penAngle;
    const double H = s.currentHouse;
    const int L = (IsExactly(s.settingValues[kTextTurnLine], 1) && s.wheelMode == 0) ? 3 : 4;

    s.zodiacInput = s.sortedLongitude[static_cast<int>(s.currentRank)];
    SplitZodiacPosition(s);

    // The glyph at the rim.
    surface.SetFontSize(s.settingValues[kBodyGlyphSizeLine]);
    s.penY = s.glyphRadius * SinDeg(theta);
    s.penX = s.glyphRadius * CosDeg(s, theta);
    surface.SetForeColor(Palette(Round16(s.settingValues[kBodyGlyphColourLine])));
    surface.SetCurrentY(static_cast<float>(s.penY));
    surface.SetCurrentX(static_cast<float>(s.penX));
    PrintBodyGlyph(s, surface);

    const bool reversed = ((75 <= theta && theta < 255) || s.wheelMode != 1) &&
                          (H < L || s.wheelMode != 0 || H > L + 5);
    s.textReversed[b] = reversed ? 1 : 0;
    if (!reversed) {
        // Forward: minutes, sign, degrees, each printed after its step inwards.
        surface.SetForeColor(Palette(Round16(s.settingValues[kBodyMinutesColourLine])));
        MeasureDigitCell(s, surface);
        AdjustDigitCell(s);
        StepDigitCell(s, surface);

        surface.SetFontSize(s.settingValues[kBodyMinutesSizeLine]);
        MeasureDigitCell(s, surface);
        AdjustDigitCell(s);
        s.printValue = s.zodiacMinutes;
        PrintUnitsDigit(s, surface);
        StepDigitCell(s, surface);
        PrintTensDigit(s, surface);
        StepDigitCell(s, surface);

        // A free cell that takes the extra width of the sign glyph.
        MeasureDigitCell(s, surface);
        StepDigitCell(s, surface);

        surface.SetFontSize(s.settingValues[kBodySignSizeLine]);
        surface.SetForeColor(Palette(Round16(s.settingValues[kBodySignColourLine])));
        PrintSignGlyph(s, surface);

        surface.SetFontSize(s.settingValues[kBodyDegreesSizeLine]);
        surface.SetForeColor(Palette(Round16(s.settingValues[kBodyDegreesColourLine])));
        MeasureDigitCell(s, surface);
        StepDigitCell(s, surface);
        s.printValue = s.zodiacDegrees;
        PrintBoldUnitsDigit(s, surface);
        StepDigitCell(s, surface);
        PrintBoldTensDigit(s, surface);
    } else {
        // Reversed: degrees, sign, minutes, each printed before its step inwards.
        StepGlyphCell(s, surface);

        surface.SetFontSize(s.settingValues[kBodyDegreesSizeLine]);
        MeasureDigitCell(s, surface);
        surface.SetForeColor(Palette(Round16(s.settingValues[kBodyDegreesColourLine])));
        s.printValue = s.zodiacDegrees;
        PrintBoldTensDigit(s, surface);
        StepDigitCell(s, surface);
        PrintBoldUnitsDigit(s, surface);
        StepDigitCell(s, surface);

        surface.SetFontSize(s.settingValues[kBodySignSizeLine]);
        surface.SetForeColor(Palette(Round16(s.settingValues[kBodySignColourLine])));
        PrintSignGlyph(s, surface);
        const std::string sign = GlyphText(Round32(s.zodiacSign + 191));
        s.digitCellWidth = Round16(s.settingValues[kGlyphCellExtraWidthLine] + surface.TextWidth(sign));
        s.digitCellHeight = Round16(std::fabs(surface.TextHeight(sign)) + s.settingValues[kGlyphCellExtraHeightLine]);
        StepDigitCell(s, surface);

        surface.SetFontSize(s.settingValues[kBodyMinutesSizeLine]);
        surface.SetForeColor(Palette(Round16(s.settingValues[kBodyMinutesColourLine])));
        MeasureDigitCell(s, surface);
        s.printValue = s.zodiacMinutes;
        PrintTensDigit(s, surface);
        StepDigitCell(s, surface);
        PrintUnitsDigit(s, surface);
        StepDigitCell(s, surface);
    }

    // Retrograde mark: one cell further inwards, at the inner end of the position text. Reversed text
    // leaves the pen there already; forward text takes one more digit step past the degrees.
    const size_t flag = static_cast<size_t>(b - 1);
    if (b < 11 && flag < s.retroFlags.size() && s.retroFlags[flag] == 'R') {
        if (!reversed) StepDigitCell(s, surface);
        surface.SetFontSize(s.settingValues[kRetrogradeSizeLine]);
        const Rgb remembered = surface.ForeColor();
        surface.SetForeColor(Palette(Round16(s.settingValues[kRetrogradeColourLine])));
        surface.Print(GlyphText(156));
        surface.SetForeColor(remembered);
    }
}

void PrintBodyGlyph(ChartState& s, Surface& surface) {
    const int b = static_cast<int>(s.bodyOrder[static_cast<int>(s.currentRank)]);
    const std::string glyph = GlyphText(Round32(b + 223.0));
    int sizeValue = 0, colourValue = 0;
    if (b == 14) {
        sizeValue = kAscendantSizeLine, colourValue = kAscendantColourLine;
    } else if (b == 15) {
        sizeValue = kMidheavenSizeLine, colourValue = kMidheavenColourLine;
    } else if (b == 10 && s.moonVoid == 1) {
        sizeValue = kVoidMoonSizeLine, colourValue = kVoidMoonColourLine;
    }
    if (sizeValue == 0) {
        surface.Print(glyph);
        return;
    }
    surface.SetFontSize(s.settingValues[sizeValue]);
    surface.SetForeColor(Palette(Round16(s.settingValues[colourValue])));
    surface.SetFontBold(true);
    surface.Print(glyph);
    surface.SetFontBold(false);
}
