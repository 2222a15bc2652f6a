// The text metrics every Kelo surface measures with: the unhinted advance of each 8-bit code of a face,
// its ascent and its line height, in em units, and the arithmetic that turns them into logical units.
// The painting surfaces (Cairo) and the measuring surface share these, so a layout decided without
// pixels is the layout of the painted chart.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <string>

struct FaceMetrics {
    bool fromOutlines = false;  // false: a face without outlines of its own, measured some other way
    std::array<double, 256> advance{};
    double ascent = 0.8, lineHeight = 1.2;
};

// The screen on which a point is 96 / 72 pixels: text and lines keep their size on every other screen.
constexpr double kReferenceWidth = 1024;
constexpr double kReferenceHeight = 768;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Metrics of a FreeType face from its outlines, unscaled: the advance of each Windows-1252 code's
// character, ascender and height over units per em. Leaves m as it is and returns false when the face
// has no units per em.
bool OutlineMetrics(FT_Face face, FaceMetrics& m);

// Logical units per reference pixel: how much smaller the logical rectangle of |width| x |height|
// would be drawn on the reference screen (1 for a degenerate rectangle).
double ReferenceScale(double width, double height);

// Font size in logical units per em, for a size in points.
double EmSize(double points, double referenceScale);

// Width of text in logical units, signed like the logical x axis (widthSign is -1 or 1).
double TextWidthOf(const FaceMetrics& m, const std::string& text, double points, double referenceScale,
                   double widthSign);
