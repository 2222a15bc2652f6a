#include "render/body_glyphs.h"

#include <cmath>
#include <iterator>

#include "astro/frame/angle_helpers.h"
#include "core/body_slots.h"
#include "core/numeric.h"
#include "core/setting_lines.h"
#include "render/render_tables.h"
#include "render/text_primitives.h"

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

// Degrees from the cusp that begins house H to a longitude; a hair short of a whole turn is on the cusp.
double CuspDistance(const ChartState& s, int H, double lambda) {
    double d = Normalize360(Normalize360(lambda - s.houseCusp[StartCuspSlot(H)]));
    if (d >= 360 - 1.0 / 36000 && d <= 360 + 1.0 / 36000) d = 0;
    return d;
}

// The equal-sector slot of a body d degrees into house H, moved on to leave room for the bodies of the
// house still to come (m of n placed) and past the slots already taken.
//   writes slotIndex, the slot in slotOccupied
double TakeSlot(ChartState& s, int H, double d, int m, double n) {
    const int N = kSlotsPerHouse;
    double slot = Trunc(N * d / s.houseSize[StartCuspSlot(H)]);
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
    return slot;
}

// The true-cusp angle of a body d degrees into house H: its longitude from the Descendant, moved 4 degrees
// on from the previous glyph when it would touch it, else back from the end of the house far enough for
// the n - m bodies still to come.
double TrueCuspAngle(const ChartState& s, int H, double lambda, double d, int m, double n, double previousAngle) {
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
    return t;
}

// The three fields of a body's position text, in the order the reversed text reads them from the glyph
// inwards; the forward text walks the table backwards.
enum class Part { kDegrees, kSign, kMinutes };
struct PositionField {
    Part part;
    int sizeLine;
    int colourLine;
};
constexpr PositionField kPositionText[] = {
    {Part::kDegrees, kBodyDegreesSizeLine, kBodyDegreesColourLine},
    {Part::kSign, kBodySignSizeLine, kBodySignColourLine},
    {Part::kMinutes, kBodyMinutesSizeLine, kBodyMinutesColourLine},
};

int CharacterCount(const PositionField& field) { return field.part == Part::kSign ? 1 : 2; }

void UseField(const ChartState& s, Surface& surface, const PositionField& field) {
    surface.SetFontSize(s.settingValues[field.sizeLine]);
    surface.SetForeColor(Palette(Round16(s.settingValues[field.colourLine])));
}

// Character k of a field, counted from the outside: the tens (k = 0) and the units (k = 1) of the
// degrees (bold) or of the minutes, or the sign glyph.
void PrintCharacter(ChartState& s, Surface& surface, const PositionField& field, int k) {
    using Printer = void (*)(ChartState&, Surface&);
    constexpr Printer kDegreeDigits[] = {PrintBoldTensDigit, PrintBoldUnitsDigit};
    constexpr Printer kMinuteDigits[] = {PrintTensDigit, PrintUnitsDigit};
    if (field.part == Part::kSign) {
        PrintSignGlyph(s, surface);
        return;
    }
    const bool degrees = field.part == Part::kDegrees;
    s.printValue = degrees ? s.zodiacDegrees : s.zodiacMinutes;
    (degrees ? kDegreeDigits : kMinuteDigits)[k](s, surface);
}

// The cell after the sign glyph of the reversed text: the glyph's own cell in the current size.
void MeasureSignCell(ChartState& s, Surface& surface) {
    const CellSize cell = MeasureCell(s, surface, GlyphText(Round32(s.zodiacSign + 191)), CellKind::kGlyph);
    s.digitCellWidth = cell.width;
    s.digitCellHeight = cell.height;
}

// Reversed text, from the pen at the glyph: the glyph's cell, then the fields outside in, each character
// followed by a cell of its field (the sign's is its glyph's own cell).
void WriteReversedText(ChartState& s, Surface& surface) {
    StepGlyphCell(s, surface);
    for (const PositionField& field : kPositionText) {
        UseField(s, surface, field);
        if (field.part == Part::kSign)
            MeasureSignCell(s, surface);
        else
            MeasureDigitCell(s, surface);
        for (int k = 0; k < CharacterCount(field); ++k) {
            PrintCharacter(s, surface, field, k);
            StepDigitCell(s, surface);
        }
    }
}

// Forward text, from the pen at the glyph: the same table walked backwards, the fields inside out, so that
// the text reads the same from the centre outwards. The glyph's cell is a digit cell in the glyph's own
// size; the minutes step after each digit, in lowered cells; the sign has no cell of its own but a free
// digit cell in the minutes' size before it, for its glyph's extra width; the degrees step before each
// digit.
void WriteForwardText(ChartState& s, Surface& surface) {
    MeasureDigitCell(s, surface);
    AdjustDigitCell(s);
    StepDigitCell(s, surface);
    for (auto field = std::rbegin(kPositionText); field != std::rend(kPositionText); ++field) {
        if (field->part == Part::kSign) {
            MeasureDigitCell(s, surface);
            StepDigitCell(s, surface);
            UseField(s, surface, *field);
            PrintCharacter(s, surface, *field, 0);
            continue;
        }
        UseField(s, surface, *field);
        MeasureDigitCell(s, surface);
        if (field->part == Part::kMinutes) AdjustDigitCell(s);
        for (int k = CharacterCount(*field) - 1; k >= 0; --k) {
            if (field->part == Part::kDegrees) StepDigitCell(s, surface);
            PrintCharacter(s, surface, *field, k);
            if (field->part == Part::kMinutes) StepDigitCell(s, surface);
        }
    }
}

}  // namespace

void SortBodies(ChartState& s) {
    for (int h = 1; h <= 12; ++h) s.houseBodyCount[h] = 0;
    for (int i = kSunSlot; i <= kMidheavenSlot; ++i) {
        s.sortedLongitude[i] = s.bodyLongitude[i];
        s.bodyOrder[i] = i;
    }
    for (int i = 1; i < kBodySlotCount; ++i)
        for (int j = i + 1; j <= kBodySlotCount; ++j)
            if (s.sortedLongitude[j] > s.sortedLongitude[i]) {
                std::swap(s.sortedLongitude[i], s.sortedLongitude[j]);
                std::swap(s.bodyOrder[i], s.bodyOrder[j]);
            }
}

void GroupBodiesByHouse(ChartState& s) {
    int h[kBodySlotCount + 1] = {};
    for (int i = 1; i <= kBodySlotCount; ++i) {
        h[i] = s.bodyHouse[static_cast<int>(s.bodyOrder[i])];
        s.houseBodyCount[h[i]] += 1;
    }
    // A house that straddles 0 degrees Aries: its bodies at the end of the list move to the start. The
    // Ascendant and the Midheaven lie in different houses, so fewer than 15 turns always suffice; the
    // bound keeps a chart of one single house (degenerate cusps) from turning for ever.
    constexpr int last = kBodySlotCount;
    for (int turns = 0; h[last] == h[1] && turns < kBodySlotCount; ++turns) {
        const double lastLongitude = s.sortedLongitude[last];
        const double lastBody = s.bodyOrder[last];
        const int lastHouse = h[last];
        for (int i = last; i >= 2; --i) {
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
    double previousAngle = -100;  // P: the true-cusp angle of the last glyph drawn

    SortBodies(s);
    GroupBodiesByHouse(s);
    s.bodyDrawn.fill(0);
    s.textReversed.fill(0);

    for (int r = 1; r <= kBodySlotCount; ++r) {
        const int b = static_cast<int>(s.bodyOrder[r]);
        const double lambda = s.sortedLongitude[r];

        // The house, and the rank of the body within it.
        const double previousHouse = s.currentHouse;
        const int H = s.bodyHouse[b];
        s.currentHouse = H;
        if (H != previousHouse) s.houseRank = 1;
        const int m = s.houseRank;
        const double n = s.houseBodyCount[H];

        // A crowded house leaves out the opposite node and the Part of Fortune.
        if ((b == kOppositeNodeSlot || b == kFortuneSlot) && n > 7) continue;

        // Equal sectors: the angle of the body's slot in its house.
        const double d = CuspDistance(s, H, lambda);
        s.cuspDistance = d;
        const double slot = TakeSlot(s, H, d, m, n);
        double angle = s.slotAngles[H] + slot * kSlotWidth;

        // True cusps: the angle of the longitude, pushed clear of the previous glyph and of the end of
        // the house.
        if (s.wheelMode == 1) {
            angle = TrueCuspAngle(s, H, lambda, d, m, n, previousAngle);
            previousAngle = angle;
        }

        s.bodyDrawAngle[b] = angle;
        s.bodyDrawn[b] = 1;
        s.houseRank = static_cast<int16_t>(m + 1);
        DrawBody(s, surface, b, lambda, H, angle);
    }
}

void DrawBody(ChartState& s, Surface& surface, int b, double longitude, int house, double angle) {
    const int L = (IsExactly(s.settingValues[kTextTurnLine], 1) && s.wheelMode == 0) ? 3 : 4;
    s.penAngle = angle;
    s.glyphRadius = RimRadiusAt(s, angle);
    s.zodiacInput = longitude;
    SplitZodiacPosition(s);

    // The glyph at the rim.
    surface.SetFontSize(s.settingValues[kBodyGlyphSizeLine]);
    s.penY = s.glyphRadius * SinDeg(angle);
    s.penX = s.glyphRadius * CosDeg(s, angle);
    surface.SetForeColor(Palette(Round16(s.settingValues[kBodyGlyphColourLine])));
    surface.SetCurrentY(static_cast<float>(s.penY));
    surface.SetCurrentX(static_cast<float>(s.penX));
    PrintBodyGlyph(s, surface, b);

    const bool reversed = ((75 <= angle && angle < 255) || s.wheelMode != 1) &&
                          (house < L || s.wheelMode != 0 || house > L + 5);
    s.textReversed[b] = reversed ? 1 : 0;
    if (reversed)
        WriteReversedText(s, surface);
    else
        WriteForwardText(s, surface);

    // Retrograde mark: one cell further inwards, at the inner end of the position text. Reversed text
    // leaves the pen there already; forward text takes one more digit step past the degrees.
    const size_t flag = static_cast<size_t>(b - 1);
    if (b < kNodeSlot && flag < s.retroFlags.size() && s.retroFlags[flag] == 'R') {
        if (!reversed) StepDigitCell(s, surface);
        surface.SetFontSize(s.settingValues[kRetrogradeSizeLine]);
        const Rgb remembered = surface.ForeColor();
        surface.SetForeColor(Palette(Round16(s.settingValues[kRetrogradeColourLine])));
        surface.Print(GlyphText(156));
        surface.SetForeColor(remembered);
    }
}

void PrintBodyGlyph(ChartState& s, Surface& surface, int b) {
    const std::string glyph = GlyphText(Round32(b + 223.0));
    int sizeLine = 0, colourLine = 0;
    if (b == kAscendantSlot) {
        sizeLine = kAscendantSizeLine, colourLine = kAscendantColourLine;
    } else if (b == kMidheavenSlot) {
        sizeLine = kMidheavenSizeLine, colourLine = kMidheavenColourLine;
    } else if (b == kMoonSlot && s.moonVoid == 1) {
        sizeLine = kVoidMoonSizeLine, colourLine = kVoidMoonColourLine;
    }
    if (sizeLine == 0) {
        surface.Print(glyph);
        return;
    }
    surface.SetFontSize(s.settingValues[sizeLine]);
    surface.SetForeColor(Palette(Round16(s.settingValues[colourLine])));
    surface.SetFontBold(true);
    surface.Print(glyph);
    surface.SetFontBold(false);
}
