// A drawing surface that draws nothing and counts what it is asked to do. Text measures are fixed
// (8 logical units per character, 12 high) so that layouts are repeatable.
#pragma once

#include <string>

#include "platform/surface.h"

class FakeSurface : public Surface {
public:
    int clears = 0;
    int prints = 0;
    int lines = 0;
    int circles = 0;

    void Clear() override { ++clears; }
    void SetCoordinates(double x1, double y1, double x2, double y2) override {
        left_ = x1;
        top_ = y1;
        width_ = x2 - x1;
        height_ = y2 - y1;
    }
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetBackColor(Rgb c) override { back_ = c; }
    void SetForeColor(Rgb c) override { fore_ = c; }
    Rgb ForeColor() const override { return fore_; }
    Rgb BackColor() const { return back_; }
    void SetFontName(const std::string& face) override { face_ = face; }
    void SetFontSize(double points) override { size_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    void Print(const std::string& text) override {
        (void)text;
        ++prints;
        x_ = left_;
        y_ += height_ < 0 ? -12 : 12;
    }
    double TextWidth(const std::string& text) const override { return 8.0 * static_cast<double>(text.size()); }
    double TextHeight(const std::string& text) const override {
        (void)text;
        return 12;
    }
    void Line(double, double, double, double, Rgb) override { ++lines; }
    void Circle(double, double, double, Rgb) override { ++circles; }

    const std::string& FontName() const { return face_; }

private:
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    Rgb back_{}, fore_{};
    std::string face_;
    double size_ = 12;
    bool bold_ = false;
    double x_ = 0, y_ = 0;
};
