// A surface that measures text and paints nothing: the paint runs on it to decide the chart's layout
// (cell sizes, placements, the aspect lines drawn) without a pixel. It keeps the coordinate system,
// the colours, the font and the text position exactly as the Cairo surfaces do, and measures text with
// the same unhinted metrics of the same font file, so every decision equals that of a painted chart.
//
// Only the faces of the one font file given are known: a family the file does not carry measures as
// empty text of no height. A caller that may meet another family asks HasFamily first.
#pragma once

#include <string>
#include <vector>

#include "platform/freetype/face_metrics.h"
#include "platform/surface.h"

class MeasuringSurface : public Surface {
public:
    // Reads the metrics of every face of the font file (none when it is missing or not a font).
    explicit MeasuringSurface(const std::string& fontPath);

    // Back to the state of a new surface (the font file is not read again): the logical 1024 x 768, the
    // glyph font at 12 points, white background, black drawing colour, the position at the top left.
    void Reset();

    // True when the font file carries the family (compared without regard to case).
    bool HasFamily(const std::string& family) const;

    void Clear() override {}
    void SetCoordinates(double x1, double y1, double x2, double y2) override;
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetBackColor(Rgb c) override { back_ = c; }
    void SetForeColor(Rgb c) override { fore_ = c; }
    Rgb ForeColor() const override { return fore_; }
    void SetFontName(const std::string& face) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override { bold_ = bold; }  // emboldened outlines keep their advances
    double CurrentX() const override { return currentX_; }
    double CurrentY() const override { return currentY_; }
    void SetCurrentX(double x) override { currentX_ = x; }
    void SetCurrentY(double y) override { currentY_ = y; }
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Line(double, double, double, double, Rgb) override {}
    void Circle(double, double, double, Rgb) override {}

    Rgb BackColor() const { return back_; }
    bool FontBold() const { return bold_; }

private:
    struct Family {
        std::string name;
        FaceMetrics metrics;
    };
    void ApplyFont();

    std::vector<Family> families_;
    FaceMetrics none_;  // the metrics of a family the file does not carry: nothing measures
    const FaceMetrics* metrics_ = &none_;
    double left_ = 0, top_ = 0, width_ = kReferenceWidth, height_ = kReferenceHeight;
    double referenceScale_ = 1;
    double currentX_ = 0, currentY_ = 0;
    Rgb back_{255, 255, 255}, fore_{0, 0, 0};
    double points_ = 12;
    bool bold_ = false;
    double lineHeight_ = 0;  // logical units, of the current font
};
