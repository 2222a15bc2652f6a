// Perturbations of Jupiter, Saturn, Uranus and Neptune: periodic corrections of the working elements
// (mean anomaly, perihelion, eccentricity, semi-major axis) and the extra longitude terms of Uranus and
// Neptune.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"

namespace {

// The angles a perturbation term can take a sine or cosine of (degrees, never reduced). The shared ones
// come from ComputePerturbationArguments; G, H, theta, the planet's own zeta and eta and the three sums
// belong to Uranus and Neptune.
enum Angle : uint8_t {
    kV, kW, kQ, kZeta, kEta,                 // shared
    kG, kH, kTheta, kZetaOwn, kEtaOwn,       // Uranus and Neptune
    kSPlusEta, kTwoSPlusEta, kSPlusThreeTheta,  // Uranus: S + etaU, 2 S + etaU, S + 3 theta
    kAngleCount
};
using Angles = std::array<double, kAngleCount>;

// One factor of a term: 1, or the sine or cosine of a whole multiple (0..5) of an angle. Its slot is
// where the evaluation keeps its value: the sines by multiple and angle, then the cosines, then the 1.
enum class Fn : uint8_t { One, Sin, Cos };
constexpr int kMaxMultiple = 5;
constexpr int kAngleSlots = (kMaxMultiple + 1) * kAngleCount;
constexpr int kOneSlot = 2 * kAngleSlots;
struct Factor { Fn fn; int multiple; Angle angle; int slot; };
constexpr Factor kOne{Fn::One, 0, kV, kOneSlot};
constexpr Factor Sin(int multiple, Angle a) { return {Fn::Sin, multiple, a, multiple * kAngleCount + a}; }
constexpr Factor Cos(int multiple, Angle a) {
    return {Fn::Cos, multiple, a, kAngleSlots + multiple * kAngleCount + a};
}

// One term: (c0 + c1 nu + c2 nu^2) x row factor x column factor. A term of a single factor has the
// column factor 1.
struct Term {
    Factor row;
    Factor column;
    double c0;
    double c1 = 0;
    double c2 = 0;
};

// ---- Jupiter -----------------------------------------------------------------------------------

// Jupiter, dMean (degrees): single terms, then the table of row x column terms, row by row.
constexpr Term kJupiterMean[] = {
    {Sin(1, kV), kOne, 0.331364, -0.010281, -0.004692},
    {Cos(1, kV), kOne, 0.003228, -0.064436, 0.002075},
    {Sin(2, kV), kOne, -0.003083, -0.000275, 0.000489},
    {Sin(1, kW), kOne, 0.002472},
    {Sin(1, kZeta), kOne, 0.013619},
    {Sin(2, kZeta), kOne, 0.018472},
    {Sin(3, kZeta), kOne, 0.006717},
    {Sin(4, kZeta), kOne, 0.002775},
    /* 1 */         {kOne, Cos(1, kQ), 0.002178},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), 0.007275, -0.001253},
                    {Sin(1, kZeta), Cos(1, kQ), -0.035681, -0.001208},
                    {Sin(1, kZeta), Sin(2, kQ), -0.002572},
    /* sin 2zeta */ {Sin(2, kZeta), Sin(1, kQ), 0.006417},
                    {Sin(2, kZeta), Cos(1, kQ), -0.004261},
                    {Sin(2, kZeta), Sin(2, kQ), -0.003567},
    /* sin 3zeta */ {Sin(3, kZeta), Sin(1, kQ), 0.002439},
    /* cos zeta */  {Cos(1, kZeta), Sin(1, kQ), -0.033839, -0.001125},
                    {Cos(1, kZeta), Cos(1, kQ), -0.006333, 0.001161},
                    {Cos(1, kZeta), Cos(2, kQ), 0.002094},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), -0.003767},
                    {Cos(2, kZeta), Cos(1, kQ), -0.006675},
                    {Cos(2, kZeta), Cos(2, kQ), 0.003342},
    /* cos 3zeta */ {Cos(3, kZeta), Cos(1, kQ), -0.002664},
};
static_assert(std::size(kJupiterMean) == 8 + 15);

// Jupiter, dPeri (degrees).
constexpr Term kJupiterPeri[] = {
    {Sin(1, kV), kOne, 0.007192, -0.003147},
    {Cos(1, kV), kOne, -0.020428, -0.000675, 0.000197},
    /* 1 */         {kOne, Sin(1, kQ), -0.004344},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), 0.007269, 0.000672},
                    {Sin(1, kZeta), Cos(1, kQ), 0.037761},
                    {Sin(1, kZeta), Sin(2, kQ), -0.005356},
                    {Sin(1, kZeta), Cos(2, kQ), 0.004403},
    /* sin 2zeta */ {Sin(2, kZeta), Cos(1, kQ), 0.006158},
                    {Sin(2, kZeta), Sin(2, kQ), 0.002722},
                    {Sin(2, kZeta), Cos(2, kQ), -0.002536},
    /* cos zeta */  {Cos(1, kZeta), Sin(1, kQ), 0.034036},
                    {Cos(1, kZeta), Cos(1, kQ), -0.006603},
                    {Cos(1, kZeta), Sin(2, kQ), 0.004483},
                    {Cos(1, kZeta), Cos(2, kQ), 0.005547},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), 0.005614},
                    {Cos(2, kZeta), Sin(2, kQ), -0.002642},
                    {Cos(2, kZeta), Cos(2, kQ), -0.002689},
    /* cos 3zeta */ {Cos(3, kZeta), Sin(1, kQ), 0.002964},
};
static_assert(std::size(kJupiterPeri) == 2 + 16);

// Jupiter, dEcc (units of 0.0000001).
constexpr Term kJupiterEcc[] = {
    {Sin(1, kV), kOne, 3606, 130, -43},
    {Cos(1, kV), kOne, 1289, -580},
    /* 1 */         {kOne, Sin(1, kQ), -204},
                    {kOne, Cos(1, kQ), -817},
                    {kOne, Cos(2, kQ), 179},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), -6764},
                    {Sin(1, kZeta), Cos(1, kQ), 1460, 130},
                    {Sin(1, kZeta), Sin(2, kQ), -956, -73},
                    {Sin(1, kZeta), Cos(2, kQ), -956, 99},
    /* sin 2zeta */ {Sin(2, kZeta), Sin(1, kQ), -1110},
                    {Sin(2, kZeta), Cos(1, kQ), 224},
                    {Sin(2, kZeta), Sin(2, kQ), 448},
                    {Sin(2, kZeta), Cos(2, kQ), 490},
    /* sin 3zeta */ {Sin(3, kZeta), Sin(1, kQ), -224},
                    {Sin(3, kZeta), Sin(2, kQ), 137},
                    {Sin(3, kZeta), Cos(2, kQ), 158},
    /* cos zeta */  {Cos(1, kZeta), Sin(1, kQ), 1284, 116},
                    {Cos(1, kZeta), Cos(1, kQ), 6074},
                    {Cos(1, kZeta), Sin(2, kQ), -997, 108},
                    {Cos(1, kZeta), Cos(2, kQ), 1024, 75},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), 188},
                    {Cos(2, kZeta), Cos(1, kQ), 992},
                    {Cos(2, kZeta), Sin(2, kQ), 480},
                    {Cos(2, kZeta), Cos(2, kQ), -437},
    /* cos 3zeta */ {Cos(3, kZeta), Cos(1, kQ), 508},
                    {Cos(3, kZeta), Sin(2, kQ), 148},
                    {Cos(3, kZeta), Cos(2, kQ), -132},
    /* cos 4zeta */ {Cos(4, kZeta), Cos(1, kQ), 230},
    /* cos 5zeta */ {Cos(5, kZeta), Cos(1, kQ), 108},
};
static_assert(std::size(kJupiterEcc) == 2 + 27);

// Jupiter, dAxis (units of 0.000001 AU).
constexpr Term kJupiterAxis[] = {
    {Cos(1, kV), kOne, -263},
    {Cos(1, kZeta), kOne, 205},
    {Cos(2, kZeta), kOne, 693},
    {Cos(3, kZeta), kOne, 312},
    {Cos(4, kZeta), kOne, 147},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), 299},
    /* sin 2zeta */ {Sin(2, kZeta), Cos(1, kQ), 204},
    /* sin 3zeta */ {Sin(3, kZeta), Cos(1, kQ), 111},
    /* cos zeta */  {Cos(1, kZeta), Cos(1, kQ), -337},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), 181},
                    {Cos(2, kZeta), Cos(1, kQ), -111},
};
static_assert(std::size(kJupiterAxis) == 5 + 6);

// ---- Saturn ------------------------------------------------------------------------------------

// Saturn, dMean (degrees).
constexpr Term kSaturnMean[] = {
    {Sin(1, kV), kOne, -0.814181, 0.01815, 0.016714},
    {Cos(1, kV), kOne, -0.010497, 0.160906, -0.0041},
    {Sin(2, kV), kOne, 0.007581},
    {Sin(1, kW), kOne, -0.007986},
    {Sin(1, kZeta), kOne, -0.148811},
    {Sin(2, kZeta), kOne, -0.040786},
    {Sin(3, kZeta), kOne, -0.015208},
    {Sin(4, kZeta), kOne, -0.006339},
    /* 1 */         {kOne, Sin(1, kQ), -0.006244},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), 0.008931, 0.002728},
                    {Sin(1, kZeta), Cos(1, kQ), 0.085581, 0.002494},
                    {Sin(1, kZeta), Sin(2, kQ), 0.006369},
    /* sin 2zeta */ {Sin(2, kZeta), Sin(1, kQ), -0.0165},
                    {Sin(2, kZeta), Sin(2, kQ), 0.009156},
    /* sin 3zeta */ {Sin(3, kZeta), Sin(1, kQ), -0.005775},
    /* cos zeta */  {Cos(1, kZeta), Sin(1, kQ), 0.081344, 0.003206},
                    {Cos(1, kZeta), Cos(1, kQ), 0.025328, -0.003117},
                    {Cos(1, kZeta), Cos(2, kQ), -0.005236},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), 0.015019},
                    {Cos(2, kZeta), Cos(1, kQ), 0.014394},
                    {Cos(2, kZeta), Cos(2, kQ), -0.007736},
    /* cos 3zeta */ {Cos(3, kZeta), Cos(1, kQ), 0.006319},
    /* sin 3eta */  {Sin(3, kEta), Sin(2, kQ), 0.007525},
    /* cos 3eta */  {Cos(3, kEta), Cos(2, kQ), -0.007528},
};
static_assert(std::size(kSaturnMean) == 8 + 16);

// Saturn, dPeri (degrees).
constexpr Term kSaturnPeri[] = {
    {Sin(1, kV), kOne, 0.077108, 0.007186, -0.001533},
    {Cos(1, kV), kOne, 0.045803, -0.014766, -0.000536},
    {Sin(1, kZeta), kOne, -0.007075},
    /* 1 */         {kOne, Cos(1, kQ), -0.072586},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), -0.075825},
                    {Sin(1, kZeta), Sin(2, kQ), -0.013597, -0.001719},
                    {Sin(1, kZeta), Cos(2, kQ), -0.013667, 0.001239},
    /* sin 2zeta */ {Sin(2, kZeta), Sin(1, kQ), -0.024839},
                    {Sin(2, kZeta), Cos(2, kQ), 0.011981},
    /* sin 3zeta */ {Sin(3, kZeta), Sin(1, kQ), -0.008631},
    /* cos zeta */  {Cos(1, kZeta), Cos(1, kQ), -0.150383},
                    {Cos(1, kZeta), Sin(2, kQ), -0.007742, 0.001517},
                    {Cos(1, kZeta), Cos(2, kQ), 0.014861, 0.001136},
    /* cos 2zeta */ {Cos(2, kZeta), Cos(1, kQ), 0.026897},
                    {Cos(2, kZeta), Sin(2, kQ), 0.013586, -0.001375},
                    {Cos(2, kZeta), Cos(2, kQ), -0.013064, -0.001628},
    /* cos 3zeta */ {Cos(3, kZeta), Cos(1, kQ), 0.010053},
};
static_assert(std::size(kSaturnPeri) == 3 + 14);

// Saturn, dEcc (units of 0.0000001).
constexpr Term kSaturnEcc[] = {
    {Sin(1, kV), kOne, -7927, 2548, 91},
    {Cos(1, kV), kOne, 13381, 1226, -253},
    {Sin(2, kV), kOne, 248, -121},
    {Cos(2, kV), kOne, -305, -91},
    {Sin(2, kZeta), kOne, 412},
    /* 1 */         {kOne, Sin(1, kQ), 12415},
                    {kOne, Cos(1, kQ), 163, -611},
                    {kOne, Sin(2, kQ), -350},
                    {kOne, Cos(2, kQ), -490},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), 390, -617},
                    {Sin(1, kZeta), Cos(1, kQ), -12696},
                    {Sin(1, kZeta), Sin(2, kQ), 2211, -286},
                    {Sin(1, kZeta), Cos(2, kQ), -2842, -279},
                    {Sin(1, kZeta), Sin(3, kQ), -205},
    /* sin 2zeta */ {Sin(2, kZeta), Sin(1, kQ), 165, -204},
                    {Sin(2, kZeta), Cos(1, kQ), -4200},
                    {Sin(2, kZeta), Sin(2, kQ), -2208},
                    {Sin(2, kZeta), Cos(2, kQ), 128, 226},
    /* sin 3zeta */ {Sin(3, kZeta), Cos(1, kQ), -1503},
                    {Sin(3, kZeta), Sin(2, kQ), -568},
                    {Sin(3, kZeta), Cos(2, kQ), 224},
                    {Sin(3, kZeta), Sin(3, kQ), 262},
                    {Sin(3, kZeta), Cos(4, kQ), -376},
    /* sin 4zeta */ {Sin(4, kZeta), Cos(1, kQ), -619},
                    {Sin(4, kZeta), Sin(2, kQ), -346},
    /* sin 5zeta */ {Sin(5, kZeta), Cos(1, kQ), -268},
    /* cos zeta */  {Cos(1, kZeta), Sin(1, kQ), 26599},
                    {Cos(1, kZeta), Cos(1, kQ), -282, -1306},
                    {Cos(1, kZeta), Sin(2, kQ), -2780, -222},
                    {Cos(1, kZeta), Cos(2, kQ), -1594, 282},
                    {Cos(1, kZeta), Cos(3, kQ), 208},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), -4687},
                    {Cos(2, kZeta), Cos(1, kQ), -86, 230},
                    {Cos(2, kZeta), Sin(2, kQ), 2022, 263},
                    {Cos(2, kZeta), Cos(2, kQ), 2162, -207},
    /* cos 3zeta */ {Cos(3, kZeta), Sin(1, kQ), -1870},
                    {Cos(3, kZeta), Sin(2, kQ), 248},
                    {Cos(3, kZeta), Cos(2, kQ), 561},
                    {Cos(3, kZeta), Cos(3, kQ), -271},
                    {Cos(3, kZeta), Sin(4, kQ), -382},
    /* cos 4zeta */ {Cos(4, kZeta), Sin(1, kQ), -821},
                    {Cos(4, kZeta), Cos(2, kQ), 343},
    /* cos 5zeta */ {Cos(5, kZeta), Sin(1, kQ), -377},
    /* sin 2eta */  {Sin(2, kEta), Cos(1, kQ), 461},
    /* sin 3eta */  {Sin(3, kEta), Sin(2, kQ), 242},
                    {Sin(3, kEta), Cos(2, kQ), 469},
    /* cos 2eta */  {Cos(2, kEta), Sin(1, kQ), 497},
    /* cos 3eta */  {Cos(3, kEta), Sin(2, kQ), 467},
                    {Cos(3, kEta), Cos(2, kQ), -242},
};
static_assert(std::size(kSaturnEcc) == 5 + 44);

// Saturn, dAxis (units of 0.000001 AU).
constexpr Term kSaturnAxis[] = {
    {Sin(1, kV), kOne, 0, 572},
    {Cos(1, kV), kOne, 2933},
    {Cos(1, kZeta), kOne, 33629},
    {Cos(2, kZeta), kOne, -3081},
    {Cos(3, kZeta), kOne, -1423},
    {Cos(4, kZeta), kOne, -671},
    {Cos(5, kZeta), kOne, -320},
    /* 1 */         {kOne, Sin(1, kQ), 1098},
                    {kOne, Cos(1, kQ), -890},
    /* sin zeta */  {Sin(1, kZeta), Sin(1, kQ), -2812},
                    {Sin(1, kZeta), Cos(1, kQ), 2206},
                    {Sin(1, kZeta), Cos(2, kQ), -856},
                    {Sin(1, kZeta), Sin(3, kQ), -427},
    /* sin 2zeta */ {Sin(2, kZeta), Sin(1, kQ), 688},
                    {Sin(2, kZeta), Cos(1, kQ), -1590},
                    {Sin(2, kZeta), Sin(2, kQ), -267},
                    {Sin(2, kZeta), Cos(2, kQ), 441},
    /* sin 3zeta */ {Sin(3, kZeta), Sin(1, kQ), -393},
                    {Sin(3, kZeta), Cos(1, kQ), -647},
                    {Sin(3, kZeta), Sin(3, kQ), 398},
    /* sin 4zeta */ {Sin(4, kZeta), Sin(1, kQ), -228},
                    {Sin(4, kZeta), Cos(1, kQ), -344},
    /* cos zeta */  {Cos(1, kZeta), Sin(1, kQ), 2138},
                    {Cos(1, kZeta), Cos(1, kQ), 2885},
                    {Cos(1, kZeta), Sin(2, kQ), -778},
                    {Cos(1, kZeta), Cos(3, kQ), 344},
    /* cos 2zeta */ {Cos(2, kZeta), Sin(1, kQ), -999},
                    {Cos(2, kZeta), Cos(1, kQ), 2172, 102},
                    {Cos(2, kZeta), Sin(2, kQ), 495},
                    {Cos(2, kZeta), Cos(2, kQ), 296},
    /* cos 3zeta */ {Cos(3, kZeta), Sin(1, kQ), -642},
                    {Cos(3, kZeta), Cos(1, kQ), 296},
                    {Cos(3, kZeta), Sin(2, kQ), 250},
                    {Cos(3, kZeta), Cos(2, kQ), 211},
                    {Cos(3, kZeta), Cos(3, kQ), -427},
    /* cos 4zeta */ {Cos(4, kZeta), Sin(1, kQ), -325},
};
static_assert(std::size(kSaturnAxis) == 7 + 29);

// ---- Uranus ------------------------------------------------------------------------------------

// Uranus: dMean and dPeri (degrees), dEcc (units of 0.0000001), dAxis (AU).
constexpr Term kUranusMean[] = {
    {Sin(1, kH), kOne, 0.864319, -0.001583},
    {Cos(1, kH), kOne, 0.082222, -0.006833},
    {Sin(2, kH), kOne, 0.036017},
    {Cos(2, kH), kOne, -0.003019},
    {Sin(1, kW), kOne, 0.008122},
};
static_assert(std::size(kUranusMean) == 5);
constexpr Term kUranusPeri[] = {
    {Sin(1, kH), kOne, 0.120303},
    {Cos(1, kH), kOne, 0.019472, -0.000947},
    {Sin(2, kH), kOne, 0.006197},
};
static_assert(std::size(kUranusPeri) == 3);
constexpr Term kUranusEcc[] = {
    {Sin(1, kH), kOne, -3349, 163},
    {Cos(1, kH), kOne, 20981},
    {Cos(2, kH), kOne, 1311},
};
static_assert(std::size(kUranusEcc) == 3);
constexpr Term kUranusAxis[] = {
    {Cos(1, kH), kOne, -0.003825},
};
static_assert(std::size(kUranusAxis) == 1);

// Uranus, longitudeCorrection (degrees).
constexpr Term kUranusLongitude[] = {
    /* 1-5 */  {Sin(1, kSPlusEta), kOne, 0.010122, -0.000988},
               {Cos(1, kSPlusEta), kOne, -0.038581, 0.002031, -0.00191},
               {Cos(1, kTwoSPlusEta), kOne, 0.034964, -0.001038, 0.000868},
               {Sin(1, kSPlusThreeTheta), kOne, 0.005594},
               {Sin(1, kZetaOwn), kOne, -0.014808},
    /* 6-10 */ {Sin(1, kEtaOwn), kOne, -0.005794},
               {Cos(1, kEtaOwn), kOne, 0.002347},
               {Sin(1, kTheta), kOne, 0.009872},
               {Sin(2, kTheta), kOne, 0.008803},
               {Sin(3, kTheta), kOne, -0.004308},
};
static_assert(std::size(kUranusLongitude) == 10);

// ---- Neptune -----------------------------------------------------------------------------------

// Neptune: dMean and dPeri (degrees), dEcc (units of 0.0000001), dAxis (units of 0.000001 AU).
constexpr Term kNeptuneMean[] = {
    {Sin(1, kH), kOne, -0.589833, 0.001089},
    {Cos(1, kH), kOne, -0.056094, 0.004658},
    {Sin(2, kH), kOne, -0.024286},
};
static_assert(std::size(kNeptuneMean) == 3);
constexpr Term kNeptunePeri[] = {
    {Sin(1, kH), kOne, 0.024039},
    {Cos(1, kH), kOne, -0.025303},
    {Sin(2, kH), kOne, 0.006206},
    {Cos(2, kH), kOne, -0.005992},
};
static_assert(std::size(kNeptunePeri) == 4);
constexpr Term kNeptuneEcc[] = {
    {Sin(1, kH), kOne, 4389},
    {Sin(2, kH), kOne, 1129},
    {Cos(1, kH), kOne, 4262},
    {Cos(2, kH), kOne, 1089},
};
static_assert(std::size(kNeptuneEcc) == 4);
constexpr Term kNeptuneAxis[] = {
    {Sin(1, kH), kOne, -817},
    {Cos(1, kH), kOne, 8189},
    {Cos(2, kH), kOne, 781},
};
static_assert(std::size(kNeptuneAxis) == 3);

// Neptune, longitudeCorrection (degrees).
constexpr Term kNeptuneLongitude[] = {
    {Sin(1, kZetaOwn), kOne, -0.009556},
    {Sin(1, kEtaOwn), kOne, -0.005178},
    {Sin(2, kTheta), kOne, 0.002572},
    {Cos(2, kTheta), Sin(1, kG), -0.002972},
    {Sin(2, kTheta), Cos(1, kG), -0.002833},
};
static_assert(std::size(kNeptuneLongitude) == 5);

// ---- Evaluation --------------------------------------------------------------------------------

// One planet's four sums with the scales that turn them into degrees, eccentricity and AU, and the extra
// longitude terms (Uranus and Neptune).
struct PlanetSeries {
    std::span<const Term> mean, peri, ecc, axis;
    double eccScale, axisScale;
    std::span<const Term> longitude = {};
};
constexpr PlanetSeries kJupiterSeries{kJupiterMean, kJupiterPeri, kJupiterEcc, kJupiterAxis, 0.0000001, 0.000001};
constexpr PlanetSeries kSaturnSeries{kSaturnMean, kSaturnPeri, kSaturnEcc, kSaturnAxis, 0.0000001, 0.000001};
constexpr PlanetSeries kUranusSeries{kUranusMean, kUranusPeri, kUranusEcc,      kUranusAxis,
                                     0.0000001,   1,           kUranusLongitude};
constexpr PlanetSeries kNeptuneSeries{kNeptuneMean, kNeptunePeri, kNeptuneEcc,      kNeptuneAxis,
                                      0.0000001,    0.000001,     kNeptuneLongitude};

constexpr bool MultiplesInRange(std::span<const Term> terms) {
    for (const Term& t : terms)
        if (t.row.multiple < 0 || t.row.multiple > kMaxMultiple || t.column.multiple < 0 ||
            t.column.multiple > kMaxMultiple)
            return false;
    return true;
}
constexpr bool MultiplesInRange(const PlanetSeries& p) {
    return MultiplesInRange(p.mean) && MultiplesInRange(p.peri) && MultiplesInRange(p.ecc) &&
           MultiplesInRange(p.axis) && MultiplesInRange(p.longitude);
}
static_assert(MultiplesInRange(kJupiterSeries) && MultiplesInRange(kSaturnSeries) &&
              MultiplesInRange(kUranusSeries) && MultiplesInRange(kNeptuneSeries));

// The multiples of angles whose sine or cosine a planet's terms take, by sine slot.
using NeededAngles = std::array<bool, kAngleSlots>;
constexpr NeededAngles NeededAnglesOf(const PlanetSeries& p) {
    NeededAngles needed{};
    for (std::span<const Term> terms : {p.mean, p.peri, p.ecc, p.axis, p.longitude})
        for (const Term& t : terms)
            for (const Factor& f : {t.row, t.column})
                if (f.fn != Fn::One) needed[f.multiple * kAngleCount + f.angle] = true;
    return needed;
}

// The angles every planet shares come first in Angle, so their slots are the shared table's.
constexpr int kSharedAngles = kG;
static_assert(SharedPerturbationSines::kSlots == 2 * (kMaxMultiple + 1) * kSharedAngles);

// The sines and cosines of one planet's terms, each computed once before the sums: many terms share a
// factor (sin zeta appears in a dozen cells of Saturn's tables), and the same call on the same argument
// gives the same value, so the sums are those of the plain term-by-term evaluation. The sine and the
// cosine of one argument come together, from one call; those of the shared angles carry over from the
// planets before at the same time.
class FactorValues {
public:
    FactorValues(ChartState& s, const Angles& angles, const NeededAngles& needed) {
        SharedPerturbationSines& shared = s.sharedPerturbationSines;
        if (!shared.valid || !SameBits(shared.time, s.julianCenturies)) {
            shared.valid = true;
            shared.time = s.julianCenturies;
            shared.known.fill(false);
        }
        for (int slot = 0; slot < kAngleSlots; ++slot) {
            if (!needed[slot]) continue;
            const int multiple = slot / kAngleCount;
            const int angle = slot % kAngleCount;
            if (angle >= kSharedAngles) {
                SinCosDeg(s, multiple * angles[angle], value_[slot], value_[kAngleSlots + slot]);
                continue;
            }
            const int sine = multiple * kSharedAngles + angle;
            const int cosine = (kMaxMultiple + 1) * kSharedAngles + sine;
            if (!shared.known[sine]) {
                SinCosDeg(s, multiple * angles[angle], shared.value[sine], shared.value[cosine]);
                shared.known[sine] = true;
            }
            value_[slot] = shared.value[sine];
            value_[kAngleSlots + slot] = shared.value[cosine];
        }
        value_[kOneSlot] = 1;
    }

    double operator()(const Factor& f) const { return value_[f.slot]; }

private:
    std::array<double, kOneSlot + 1> value_{};
};

// Sum of (c0 + c1 nu + c2 nu^2) x row x column over the terms.
double SumTerms(const ChartState& s, const FactorValues& factor, std::span<const Term> terms) {
    const double nu = s.perturbNu;
    double sum = 0;
    for (const Term& t : terms) {
        const double coefficient = t.c0 + t.c1 * nu + t.c2 * nu * nu;
        sum = sum + coefficient * factor(t.row) * factor(t.column);
    }
    return sum;
}

// The shared angles, from the arguments in ChartState.
Angles SharedAngles(const ChartState& s) {
    Angles a{};
    a[kV] = s.perturbV;
    a[kW] = s.perturbW;
    a[kQ] = s.perturbQ;
    a[kZeta] = s.perturbZeta;
    a[kEta] = s.perturbEta;
    return a;
}

// Uranus and Neptune: G, H = 2 G - S and theta = G - S.
void AddOuterAngles(const ChartState& s, Angles& a) {
    const double G = 83.76922 + 218.4901 * s.julianCenturies;
    a[kG] = G;
    a[kH] = 2 * G - s.perturbS;
    a[kTheta] = G - s.perturbS;
}

// Apply the four sums to the working elements, with e the eccentricity before its own correction.
//   meanAnomalyBase: the incoming mean anomaly (Jupiter, Saturn) or the planet's own Mp (Uranus, Neptune)
void ApplySeries(ChartState& s, const FactorValues& factor, const PlanetSeries& series, double meanAnomalyBase) {
    const double dMean = SumTerms(s, factor, series.mean);
    const double dPeri = SumTerms(s, factor, series.peri);
    const double dEcc = SumTerms(s, factor, series.ecc) * series.eccScale;
    const double dAxis = SumTerms(s, factor, series.axis) * series.axisScale;
    const double e = s.eccentricity;
    s.meanAnomaly = meanAnomalyBase + dMean - dPeri / e;
    s.argPerihelion = s.argPerihelion + dPeri / e;
    s.eccentricity = e + dEcc;
    s.semiMajorAxis = s.semiMajorAxis + dAxis;
}

}  // namespace

// Arguments of the giant-planet perturbations (degrees, not reduced).
//   reads  julianCenturies (from JD 2415020.0)
//   writes perturbNu, perturbP, perturbQ, perturbS, perturbV, perturbW, perturbZeta, perturbEta
void ComputePerturbationArguments(ChartState& s) {
    const double T = s.julianCenturies;
    s.perturbNu = T / 5 + 0.1;
    s.perturbP = 237.47555 + 3034.9061 * T;
    s.perturbQ = 265.9165 + 1222.1139 * T;
    s.perturbS = 243.51721 + 428.4677 * T;
    s.perturbV = 5 * s.perturbQ - 2 * s.perturbP;
    s.perturbW = 2 * s.perturbP - 6 * s.perturbQ + 3 * s.perturbS;
    s.perturbZeta = s.perturbQ - s.perturbP;
    s.perturbEta = s.perturbS - s.perturbQ;
}

// Jupiter: corrects the working elements by the perturbations of Saturn.
//   reads  julianCenturies, meanAnomaly, argPerihelion, eccentricity, semiMajorAxis (AU)
//   writes the arguments; meanAnomaly, argPerihelion, eccentricity, semiMajorAxis (AU)
void PerturbJupiter(ChartState& s) {
    ComputePerturbationArguments(s);
    const Angles a = SharedAngles(s);
    static constexpr NeededAngles kNeeded = NeededAnglesOf(kJupiterSeries);
    const FactorValues factor(s, a, kNeeded);
    ApplySeries(s, factor, kJupiterSeries, s.meanAnomaly);
}

// Saturn: corrects the working elements by the perturbations of Jupiter (and Uranus, the terms in eta).
//   reads and writes as PerturbJupiter
void PerturbSaturn(ChartState& s) {
    ComputePerturbationArguments(s);
    const Angles a = SharedAngles(s);
    static constexpr NeededAngles kNeeded = NeededAnglesOf(kSaturnSeries);
    const FactorValues factor(s, a, kNeeded);
    ApplySeries(s, factor, kSaturnSeries, s.meanAnomaly);
}

// Uranus: replaces the mean anomaly by its own, corrects the working elements and sets the extra
// longitude term that the driver adds to the geocentric longitude.
//   reads  julianCenturies, argPerihelion, eccentricity, semiMajorAxis (AU)
//   writes the arguments; meanAnomaly, argPerihelion, eccentricity, semiMajorAxis (AU),
//          longitudeCorrection (degrees)
void PerturbUranus(ChartState& s) {
    ComputePerturbationArguments(s);
    const double T = s.julianCenturies;
    Angles a = SharedAngles(s);
    AddOuterAngles(s, a);
    a[kZetaOwn] = s.perturbS - s.perturbP;  // zetaU
    a[kEtaOwn] = s.perturbS - s.perturbQ;   // etaU
    a[kSPlusEta] = s.perturbS + a[kEtaOwn];
    a[kTwoSPlusEta] = 2 * s.perturbS + a[kEtaOwn];
    a[kSPlusThreeTheta] = s.perturbS + 3 * a[kTheta];
    const double Mp = 72.64878 + 428.37911 * T + 0.000079 * T * T;
    static constexpr NeededAngles kNeeded = NeededAnglesOf(kUranusSeries);
    const FactorValues factor(s, a, kNeeded);
    ApplySeries(s, factor, kUranusSeries, Mp);
    s.longitudeCorrection = SumTerms(s, factor, kUranusSeries.longitude);
}

// Neptune: as Uranus, with its own mean anomaly and longitude term.
//   reads and writes as PerturbUranus
void PerturbNeptune(ChartState& s) {
    ComputePerturbationArguments(s);
    const double T = s.julianCenturies;
    Angles a = SharedAngles(s);
    AddOuterAngles(s, a);
    a[kZetaOwn] = a[kG] - s.perturbP;  // zetaN
    a[kEtaOwn] = a[kG] - s.perturbQ;   // etaN
    const double Mp = 37.73063 + 218.46134 * T - 0.00007 * T * T;
    static constexpr NeededAngles kNeeded = NeededAnglesOf(kNeptuneSeries);
    const FactorValues factor(s, a, kNeeded);
    ApplySeries(s, factor, kNeptuneSeries, Mp);
    s.longitudeCorrection = SumTerms(s, factor, kNeptuneSeries.longitude);
}
