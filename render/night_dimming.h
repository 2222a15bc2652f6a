// Night dimming (settings line 15): a clock on the wall should not light a dark room. While the Sun is
// below the horizon at the chart's place the whole picture, background included, is drawn at a lower
// brightness; through civil twilight (the Sun from 0 to 6 degrees below the horizon) the brightness
// falls linearly from full to the night value.
#pragma once

#include <string>

#include "core/chart_state.h"
#include "platform/surface.h"

// The depth of the Sun below the horizon at which the night brightness is reached: the end of civil
// twilight.
constexpr double kTwilightDepthDeg = 6.0;

// NightBrightness: the picture's brightness, 0..1, for the Sun at sunAltitudeDeg and settings line 15.
// nightPercent 0 (and any value the settings check refuses: below 10, above 100, not a number) gives 1,
// no dimming. 1 with the Sun at or above the horizon, nightPercent / 100 at -6 degrees and below.
double NightBrightness(double sunAltitudeDeg, float nightPercent);

// The brightness of the chart state's picture: NightBrightness of its Sun and its settings line 15.
double PictureBrightness(const ChartState& s);

// Rgb scaled by brightness, each channel rounded to the nearest level (halves to even).
Rgb DimColour(Rgb c, double brightness);

// A surface that draws on another with every colour scaled by one brightness: the background, the
// drawing colour, lines and circles. It reports the colours as they were given, so a paint that reads
// the drawing colour back and sets it again dims it only once.
class DimmedSurface : public Surface {
public:
    DimmedSurface(Surface& target, double brightness) : t(target), brightness(brightness) {}

    void Clear() override { t.Clear(); }
    void SetCoordinates(double x1, double y1, double x2, double y2) override { t.SetCoordinates(x1, y1, x2, y2); }
    double ScaleLeft() const override { return t.ScaleLeft(); }
    double ScaleTop() const override { return t.ScaleTop(); }
    double ScaleWidth() const override { return t.ScaleWidth(); }
    double ScaleHeight() const override { return t.ScaleHeight(); }
    void SetBackColor(Rgb c) override { t.SetBackColor(DimColour(c, brightness)); }
    void SetForeColor(Rgb c) override {
        fore = c;
        t.SetForeColor(DimColour(c, brightness));
    }
    Rgb ForeColor() const override { return fore; }
    void SetFontName(const std::string& face) override { t.SetFontName(face); }
    void SetFontSize(double points) override { t.SetFontSize(points); }
    void SetFontBold(bool bold) override { t.SetFontBold(bold); }
    double CurrentX() const override { return t.CurrentX(); }
    double CurrentY() const override { return t.CurrentY(); }
    void SetCurrentX(double x) override { t.SetCurrentX(x); }
    void SetCurrentY(double y) override { t.SetCurrentY(y); }
    void Print(const std::string& text) override { t.Print(text); }
    double TextWidth(const std::string& text) const override { return t.TextWidth(text); }
    double TextHeight(const std::string& text) const override { return t.TextHeight(text); }
    void Line(double x1, double y1, double x2, double y2, Rgb c) override {
        t.Line(x1, y1, x2, y2, DimColour(c, brightness));
    }
    void Circle(double cx, double cy, double radius, Rgb c) override {
        t.Circle(cx, cy, radius, DimColour(c, brightness));
    }

private:
    Surface& t;
    double brightness;
    Rgb fore;
};
