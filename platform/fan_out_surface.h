// One surface that draws on several: the chart window on every monitor. Each call that draws or sets
// a state goes to every surface; what the paint reads back (the scale, the current position, the
// measured text) comes from the first, so that one paint makes the same decisions for every monitor.
// After a Print the others take the first one's position, so that small differences of a font's line
// height between monitors do not add up.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

class FanOutSurface : public Surface {
public:
    // The surfaces, the first one leading; the list must not be empty while the surface is used.
    void SetSurfaces(std::vector<Surface*> surfaces) { all = std::move(surfaces); }
    const std::vector<Surface*>& Surfaces() const { return all; }

    void Clear() override { Each([](Surface& t) { t.Clear(); }); }
    void SetCoordinates(double x1, double y1, double x2, double y2) override {
        Each([&](Surface& t) { t.SetCoordinates(x1, y1, x2, y2); });
    }
    double ScaleLeft() const override { return First().ScaleLeft(); }
    double ScaleTop() const override { return First().ScaleTop(); }
    double ScaleWidth() const override { return First().ScaleWidth(); }
    double ScaleHeight() const override { return First().ScaleHeight(); }
    void SetBackColor(Rgb c) override { Each([&](Surface& t) { t.SetBackColor(c); }); }
    void SetForeColor(Rgb c) override { Each([&](Surface& t) { t.SetForeColor(c); }); }
    Rgb ForeColor() const override { return First().ForeColor(); }
    void SetFontName(const std::string& face) override { Each([&](Surface& t) { t.SetFontName(face); }); }
    void SetFontSize(double points) override { Each([&](Surface& t) { t.SetFontSize(points); }); }
    void SetFontBold(bool bold) override { Each([&](Surface& t) { t.SetFontBold(bold); }); }
    double CurrentX() const override { return First().CurrentX(); }
    double CurrentY() const override { return First().CurrentY(); }
    void SetCurrentX(double x) override { Each([&](Surface& t) { t.SetCurrentX(x); }); }
    void SetCurrentY(double y) override { Each([&](Surface& t) { t.SetCurrentY(y); }); }
    void Print(const std::string& text) override {
        Each([&](Surface& t) { t.Print(text); });
        const double x = First().CurrentX(), y = First().CurrentY();
        for (size_t i = 1; i < all.size(); ++i) {
            all[i]->SetCurrentX(x);
            all[i]->SetCurrentY(y);
        }
    }
    double TextWidth(const std::string& text) const override { return First().TextWidth(text); }
    double TextHeight(const std::string& text) const override { return First().TextHeight(text); }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override {
        Each([&](Surface& t) { t.Line(x1, y1, x2, y2, color); });
    }
    void Circle(double cx, double cy, double radius, Rgb color) override {
        Each([&](Surface& t) { t.Circle(cx, cy, radius, color); });
    }

private:
    Surface& First() const { return *all.front(); }
    template <typename F>
    void Each(F f) {
        for (Surface* t : all) f(*t);
    }

    std::vector<Surface*> all;
};
