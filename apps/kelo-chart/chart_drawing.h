// kelo-chart's drawing: the Cairo surfaces that paint the chart into PNG and SVG files. It lives in a
// module of its own (kelo-chart-drawing.so), loaded only when a picture is asked for, so that a chart
// printed as text or JSON never loads Cairo and the libraries behind it.
#pragma once

#include <functional>
#include <string>

#include "platform/surface.h"

using PaintOnSurface = std::function<void(Surface&)>;

class ChartDrawing {
public:
    virtual ~ChartDrawing() = default;
    // Each call registers the font file for its paint and removes it after; a missing file draws in
    // the system's sans face. Returns false when the file cannot be written.
    virtual bool DrawPng(const std::string& fontPath, int width, int height, const std::string& path,
                         const PaintOnSurface& paint) = 0;
    virtual bool DrawSvg(const std::string& fontPath, int width, int height, const std::string& path,
                         const PaintOnSurface& paint) = 0;
    // Runs the paint on a Cairo surface without pixels: measured as drawn, with the face Cairo would
    // draw with.
    virtual void Measure(const std::string& fontPath, const PaintOnSurface& paint) = 0;
};

// The module's one entry point.
extern "C" ChartDrawing* KeloChartDrawing();
constexpr const char* kChartDrawingEntry = "KeloChartDrawing";
constexpr const char* kChartDrawingModule = "kelo-chart-drawing.so";
