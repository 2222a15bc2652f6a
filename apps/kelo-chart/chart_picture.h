// kelo-chart's pictures: the chart painted as the screen saver shows it, into a PNG image or an SVG
// document, and the layout decisions of that paint as JSON.
#pragma once

#include <memory>
#include <string>

#include "core/chart_state.h"

struct PictureRequest {
    std::string pngPath;  // empty: no PNG
    std::string svgPath;  // empty: no SVG
    int width = 1024;     // pixels
    int height = 768;
};

// True when this build can draw pictures (it was built with Cairo).
bool PicturesAvailable();

// "WxH", each 16..16384 pixels.
bool ParsePictureSize(const std::string& text, int& width, int& height);

// Paints the chart of s at the requested size, as the screen saver would show it on a screen of that
// size: the glyph font of start-up (s.glyphFontPath) registered, the logical size
// 1024 x 768, the resize handler, the paint handler. Writes the requested files; with none requested
// it only paints, to fill the layout fields. Returns false with a message when a file cannot be
// written.
bool PaintChartPictures(ChartState& s, const PictureRequest& request, std::string& error);

// The layout of charts decided again and again without pixels, the glyph font read once: the paint of
// PaintChartPictures without a picture.
class ChartLayout {
public:
    explicit ChartLayout(const std::string& glyphFontPath);
    ~ChartLayout();
    ChartLayout(const ChartLayout&) = delete;
    ChartLayout& operator=(const ChartLayout&) = delete;
    // Paints the chart of s on a surface that only measures, filling its layout fields. False with a
    // message when the drawing that must measure instead (no glyph font) cannot be loaded.
    bool Decide(ChartState& s, std::string& error);

private:
    struct Measure;
    std::unique_ptr<Measure> measure_;
    std::string glyphFontPath_;
};

// The layout of the last paint as one JSON object: wheelMode, houseSize (12, cusp-slot order),
// intercepted (12, by house: the sign shown or 0), spokeAngles (degrees, drawing order), bodyDrawAngle
// (15, by body, null for a body not drawn), textReversed (15, by body, null for a body not drawn),
// aspects ([i, j, code] per line drawn, in drawing order).
std::string LayoutJson(const ChartState& s);
