// Angle helpers shared by the sky frame, the ephemeris, the houses and the rendering. Every one uses
// pi = 3.1415926535 (ten decimals, not the full double pi): the trigonometric helpers write it as a
// literal, CosDeg reads the same value from ChartState::piValue, which start-up sets.
//
// PolarToRect / RectToPolar and SplitZodiacPosition pass their values through ChartState:
//   PolarToRect   reads polarAngle, polarRadius       writes rectX, rectY
//   RectToPolar   reads rectX, rectY                   writes polarRadius, polarAngle (0..2 pi)
//   SplitZodiacPosition reads zodiacInput              writes zodiacWholeDegrees, zodiacSign,
//                                                      zodiacDegrees, zodiacMinutesExact, zodiacMinutes
#pragma once

#include "core/chart_state.h"

constexpr double kPi = 3.1415926535;
constexpr double kZeroReplacement = 0.00000000174533;  // one ten-millionth of a degree, in radians

double DegMinToDecimal(double x);  // 40.30 (40 degrees 30 minutes) gives 40.5; defined for x >= 0
double DegToRad(double x);
double RadToDeg(double x);
double Normalize360(double x);     // x - 360 Int(x / 360)
double SinDeg(double x);
double CosDeg(const ChartState& s, double x);
// SinDeg(x) and CosDeg(s, x) of one angle in one call, each to the bit what the two calls give: the
// library computes both from one reduction of the angle when the two arguments agree (piValue is
// start-up's pi) and the angle is finite.
void SinCosDeg(const ChartState& s, double x, double& sine, double& cosine);
double ArcSin(double x);           // Atn(x / Sqr(1 - x^2)); +-pi/2 at |x| = 1
double ArcCosSigned(double x);     // Atn(Sqr(1 - x^2) / x); pi/2 at x = 0
void PolarToRect(ChartState& s);
void RectToPolar(ChartState& s);
double RoundHundredths(double x);  // Int(100 x + 0.5) / 100
void SplitZodiacPosition(ChartState& s);
