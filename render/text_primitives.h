// Text primitives of the chart picture: single characters of the glyph font printed at the current
// position, and the pen that steps characters one cell at a time along a ray towards the wheel centre.
#pragma once

#include <string>

#include "platform/surface.h"
#include "core/chart_state.h"

// The one-character text of an 8-bit code of the glyph font.
std::string GlyphText(int code);

// PrintSignGlyph: the glyph of zodiacSign (code Round32(zodiacSign + 191)) at the current position.
void PrintSignGlyph(ChartState& s, Surface& surface);

// PrintTensDigit: the tens digit of printValue (code Round32(Trunc(printValue / 10) + 48)), also 0.
// PrintUnitsDigit: the units digit (code (Round32(printValue) mod 10) + 48).
// PrintBoldTensDigit, PrintBoldUnitsDigit: the same in bold; bold is off afterwards.
void PrintTensDigit(ChartState& s, Surface& surface);
void PrintUnitsDigit(ChartState& s, Surface& surface);
void PrintBoldTensDigit(ChartState& s, Surface& surface);
void PrintBoldUnitsDigit(ChartState& s, Surface& surface);

// StepGlyphCell: the pen moves one glyph cell back along penAngle (towards the centre); the vertical
// step is divided by 640 / 480. The current position becomes the pen, rounded to single precision
// (y first, then x).
//   reads  penAngle, glyphCellWidth, glyphCellHeight, piValue
//   writes penX, penY
// StepDigitCell: the same with digitCellWidth and digitCellHeight.
void StepGlyphCell(ChartState& s, Surface& surface);
void StepDigitCell(ChartState& s, Surface& surface);

// AdjustDigitCell: digit cells 3 units lower when settings value 75 is 9 or more.
void AdjustDigitCell(ChartState& s);

// MeasureCell: the cell a text takes in the current font size, Round16(extra width + its text width) by
// Round16(|its text height| + extra height). Glyph cells take the extras of settings values 60 and 62,
// digit cells those of 61 and 63.
enum class CellKind { kGlyph, kDigit };
struct CellSize {
    int16_t width;
    int16_t height;
};
CellSize MeasureCell(const ChartState& s, Surface& surface, const std::string& text, CellKind kind);

// MeasureDigitCell: the digit cell of "0" in the current font size.
//   writes digitCellWidth, digitCellHeight
void MeasureDigitCell(ChartState& s, Surface& surface);

// MoveTo: the current position becomes (x, y) in single precision, x first.
void MoveTo(Surface& surface, double x, double y);
