#include "astro/frame/angle_helpers.h"

#include <cmath>

#include "core/numeric.h"

double DegMinToDecimal(double x) { return Int(x) + (x - Int(x)) * 100 / 60; }

double DegToRad(double x) { return x * kPi / 180; }

double RadToDeg(double x) { return x * 180 / kPi; }

double Normalize360(double x) { return x - 360 * Int(x / 360); }

double SinDeg(double x) { return std::sin(x * kPi / 180); }

double CosDeg(const ChartState& s, double x) { return std::cos(x * s.piValue / 180); }

void SinCosDeg(const ChartState& s, double x, double& sine, double& cosine) {
    const double radians = x * kPi / 180;
    if (s.piValue == kPi && std::isfinite(radians)) {
        ::sincos(radians, &sine, &cosine);
        return;
    }
    sine = std::sin(radians);
    cosine = std::cos(x * s.piValue / 180);
}

double ArcSin(double x) {
    double d = std::sqrt(1 - x * x);
    // At |x| = 1 the quotient has no value; the limit of the function is +-pi/2.
    if (d == 0) return x > 0 ? kPi / 2 : -kPi / 2;
    return std::atan(x / d);
}

double ArcCosSigned(double x) {
    // At x = 0 the quotient has no value; the inverse cosine there is pi/2.
    if (x == 0) return kPi / 2;
    return std::atan(std::sqrt(1 - x * x) / x);
}

void PolarToRect(ChartState& s) {
    if (s.polarAngle == 0) s.polarAngle = kZeroReplacement;
    s.rectX = s.polarRadius * std::cos(s.polarAngle);
    s.rectY = s.polarRadius * std::sin(s.polarAngle);
}

void RectToPolar(ChartState& s) {
    if (s.rectY == 0) s.rectY = kZeroReplacement;
    s.polarRadius = std::sqrt(s.rectX * s.rectX + s.rectY * s.rectY);
    if (s.rectX == 0) {
        // On the y axis the quotient has no value: pi/2 above the x axis, 3 pi/2 below.
        s.polarAngle = s.rectY > 0 ? kPi / 2 : 3 * kPi / 2;
        return;
    }
    s.polarAngle = std::atan(s.rectY / s.rectX);
    if (s.polarAngle < 0) s.polarAngle += kPi;
    if (s.rectY < 0) s.polarAngle += kPi;
}

double RoundHundredths(double x) { return Int(100 * x + 0.5) / 100; }

void SplitZodiacPosition(ChartState& s) {
    double v = s.zodiacInput;
    double w = Int(v);
    s.zodiacWholeDegrees = w;
    s.zodiacSign = Int(w / 30) + 1;
    // The rounding to hundredths keeps 59 degrees from showing as 28 (the product is 28.999999999999996).
    s.zodiacDegrees = Int(RoundHundredths((w / 30 - Int(w / 30)) * 30));
    s.zodiacMinutesExact = (v - w) * 60;
    s.zodiacMinutes = Int(s.zodiacMinutesExact + 0.5);
    if (s.zodiacMinutes >= 60) s.zodiacMinutes = 59;
}
