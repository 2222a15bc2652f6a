// Moon: apparent geocentric longitude, mean and true ascending node.
#include <iterator>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"

namespace {

// Periodic terms of the Moon's longitude: argument = d D + m M + mp M' + f F, coefficient in arcseconds.
struct MoonTerm { int d, m, mp, f; double arcsec; };
constexpr MoonTerm kMoonLongitudeTerms[] = {
    /* 1-5 */   {0, 0, 1, 0, 22639.55}, {0, 0, 2, 0, 769.02}, {1, 0, 0, 0, -125.15},
                {2, 0, 0, 0, 2369.912}, {0, 1, 0, 0, -668.15},
    /* 6-10 */  {0, 0, 0, 2, -411.61}, {2, 0, -2, 0, 211.66}, {2, 0, -1, 0, 4586.47},
                {2, 0, 1, 0, 191.95}, {2, -1, 0, 0, 165.15},
    /* 11-15 */ {2, -1, -1, 0, 205.96}, {0, 1, 1, 0, -109.67}, {0, -1, 1, 0, 147.69},
                {-2, 0, 0, 2, -55.17}, {0, 0, 1, 2, -45.099},
    /* 16-20 */ {0, 0, 1, -2, 39.53}, {-4, 0, 1, 0, -38.43}, {0, 0, 3, 0, 36.12},
                {-4, 0, 2, 0, -30.77}, {-2, -1, 1, 0, 28.48},
    /* 21-25 */ {2, 1, 0, 0, -24.42}, {-1, 0, 1, 0, 18.61}, {1, 1, 0, 0, 18.02},
                {2, -1, 1, 0, 14.58}, {2, 0, 2, 0, 14.39},
    /* 26-30 */ {4, 0, 0, 0, 13.9}, {-2, 0, 3, 0, -13.19}, {0, -1, 2, 0, 9.7},
                {-2, 0, 1, -2, 9.37}, {-2, 1, 2, 0, -8.63},
    /* 31-35 */ {1, 0, 1, 0, -8.47}, {-2, 2, 0, 0, -8.096}, {0, 1, 2, 0, -7.65},
                {0, 2, 0, 0, -7.49}, {-2, 2, 1, 0, -7.41},
    /* 36-40 */ {2, 0, 1, -2, -6.38}, {2, 0, 0, 2, -5.74}, {-4, 1, 1, 0, -4.39},
                {0, 0, 2, 2, -3.99}, {-3, 0, 1, 0, 3.22},
    /* 41-45 */ {2, 1, 1, 0, -2.92}, {-4, 1, 2, 0, -2.74}, {-2, -1, 2, 0, -2.49},
                {0, -2, 1, 0, 2.58}, {-2, -2, 1, 0, 2.53},
    /* 46-50 */ {-2, 1, 0, 2, -2.15}, {4, 0, 1, 0, 1.98}, {0, 0, 4, 0, 1.94},
                {-4, 1, 0, 0, -1.88}, {-1, 0, 2, 0, 1.75},
    /* 51-55 */ {2, 1, 0, -2, -1.44}, {0, 0, 2, -2, -1.298}, {1, 1, 1, 0, 1.27},
                {-3, 0, 2, 0, 1.23}, {-4, 0, 3, 0, -1.19},
    /* 56-60 */ {2, -1, 2, 0, 1.18}, {0, 2, 1, 0, -1.17}, {-1, -1, 1, 0, -1.09},
                {2, 0, 3, 0, 1.06}, {1, 0, 2, 0, -0.59},
    /* 61-65 */ {2, 0, 1, 2, -0.99}, {-2, 0, 4, 0, -0.95}, {-6, 0, 2, 0, -0.57},
                {-4, 0, 1, 0, 0.64}, {-1, 1, 0, 0, 0.56},
    /* 66-70 */ {2, -2, 1, 0, 0.76}, {-1, 0, 0, 2, 0.58}, {0, 1, 3, 0, -0.55},
                {0, -1, 3, 0, 0.68}, {-2, 0, 2, 2, 0.557},
    /* 71 */    {-2, 0, 2, -2, 0.538},
};
static_assert(std::size(kMoonLongitudeTerms) == 71);

}  // namespace

// Moon: apparent geocentric ecliptic longitude from the mean elements referred to 1900 January 0.5,
// 71 periodic terms in D, M, M' and F, and the principal terms of the nutation in longitude.
//   reads  julianCenturies          Julian centuries of 36525 days from JD 2415020.0
//   writes sunMoonResult            Moon's longitude, degrees, not reduced
//          rectY                    mean ascending node, degrees, 0..360
//          moonSecondNode           true ascending node, degrees, not reduced
void ComputeMoon(ChartState& s) {
    const double T = s.julianCenturies;
    // Mean elements.
    double Lm = 270.434164 + 481267.883142 * T - 0.001133 * T * T;  // L', the Moon's mean longitude
    double Mm = 296.104608 + 477198.849108 * T + 0.009192 * T * T;  // M', the Moon's mean anomaly
    double L = 279.696678 + 36000.768925 * T + 0.000303 * T * T;    // the Sun's mean longitude
    double M = 358.475833 + 35999.04975 * T - 0.00015 * T * T;      // the Sun's mean anomaly
    double N = 259.183275 - 1934.142008 * T + 0.002078 * T * T;     // the mean ascending node
    // True node from the unreduced elements, in arcseconds.
    const double trueNode = 3600 * N + 5392 * SinDeg(2 * (L - N)) - 541 * SinDeg(M) - 442 * SinDeg(2 * (Lm - L)) +
                            423 * SinDeg(2 * (Lm - N)) - 291 * SinDeg(2 * Mm - 2 * (Lm - N));
    s.moonSecondNode = trueNode / 3600;
    // Reduce the mean elements; D and F are formed from the reduced values.
    Lm = Normalize360(Lm);
    Mm = Normalize360(Mm);
    L = Normalize360(L);
    M = Normalize360(M);
    N = Normalize360(N);
    const double D = Lm - L;
    const double F = Lm - N;
    // Nutation in longitude.
    const double dpsi = (-17.2 * SinDeg(N) + 0.206 * SinDeg(2 * N) - 1.319 * SinDeg(2 * L) + 0.143 * SinDeg(M) -
                         0.227 * SinDeg(2 * Lm) + 0.071 * SinDeg(Mm)) /
                        3600;
    // Periodic terms, in table order.
    double P = 0;
    for (const MoonTerm& t : kMoonLongitudeTerms) {
        P = P + t.arcsec * SinDeg(t.d * D + t.m * M + t.mp * Mm + t.f * F);
    }
    s.sunMoonResult = Lm + P / 3600 + dpsi;
    s.rectY = N;
}
