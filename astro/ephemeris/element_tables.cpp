// Element tables of the planetary orbits: mean-element polynomials referred to 1900 January 0.5 for the
// Earth and the giant planets, linear elements referred to J2000 for the Earth and the inner planets.
#include <cstddef>
#include <iterator>

#include "astro/ephemeris/ephemeris.h"

namespace {

// Mean elements of date, T in Julian centuries from JD 2415020.0; each polynomial c0 + c1 T + c2 T^2 + c3 T^3,
// angles in degrees, a in AU. The Earth's row is the solar theory written as a heliocentric Earth orbit
// (L the Sun's geocentric mean longitude, omega the Earth's perihelion, i = Omega = 0).
struct Polynomial { double c0, c1, c2, c3; };
struct OuterRow {
    int body;
    double a;
    Polynomial L, e, i, omega, Omega;
};
constexpr OuterRow kOuterElementRows[] = {
    /* Earth (1) */   {1, 1.0000002,
                       {279.696678, 36000.768925, 0.0003025, 0},
                       {0.01675104, -0.0000418, -0.000000126, 0},
                       {0, 0, 0, 0},
                       {101.22085, 1.71917, 0.0004525, 0.0000033},
                       {0, 0, 0, 0}},
    /* Jupiter (5) */ {5, 5.202561,
                       {238.049257, 3036.301986, 0.0003347, -0.00000165},
                       {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
                       {1.308736, -0.0056961, 0.0000039, 0},
                       {273.277558, 0.5994317, 0.00070405, 0.00000508},
                       {99.443414, 1.01053, 0.00035222, -0.00000851}},
    /* Saturn (6) */  {6, 9.554747,
                       {266.564377, 1223.509884, 0.0003245, -0.0000058},
                       {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
                       {2.492519, -0.0039189, -0.00001549, 0.00000004},
                       {338.3078, 1.0852207, 0.00097854, 0.00000992},
                       {112.790414, 0.8731951, -0.00015218, -0.00000531}},
    /* Uranus (7) */  {7, 19.21814,
                       {244.19747, 429.863546, 0.000316, -0.0000006},
                       {0.0463444, -0.00002658, 0.000000077, 0},
                       {0.772464, 0.0006253, 0.0000395, 0},
                       {98.071581, 0.985765, -0.0010745, -0.00000061},
                       {73.477111, 0.4986678, 0.0013117, 0}},
    /* Neptune (8) */ {8, 30.10957,
                       {84.457994, 219.885914, 0.0003205, -0.0000006},
                       {0.00899704, 0.00000633, -0.000000002, 0},
                       {1.779242, -0.0095436, -0.0000091, 0},
                       {276.045975, 0.3256394, 0.00014095, 0.000004113},
                       {130.681389, 1.098935, 0.00024987, -0.000004718}},
};
static_assert(std::size(kOuterElementRows) == 5);

// Linear elements, T in Julian centuries from JD 2451545.0: a (AU), e = e0 + e1 T, i = i0 + i1 T,
// Omega = Omega0 + Omega1 T, varpi (longitude of perihelion) = varpi0 + varpi1 T, M = M0 + M1 T (degrees).
struct InnerRow { int body; double a, e0, e1, i0, i1, Omega0, Omega1, varpi0, varpi1, M0, M1; };
constexpr InnerRow kInnerElementRows[] = {
    /* Earth (1) */   {1, 1.000000031, 0.016709, -0.000042, 0, 0, 0, 0, 102.94, 1.7192, 357.5256, 35999.0498},
    /* Mercury (2) */ {2, 0.387099, 0.205634, 0.00002, 7.0048, 0.0019, 48.331, 1.185, 77.4552, 1.5555, 174.7947,
                       149472.5153},
    /* Venus (3) */   {3, 0.723332, 0.006773, -0.000048, 3.3946, 0.001, 76.68, 0.9, 131.5718, 1.408, 50.4071,
                       58517.8039},
    /* Mars (4) */    {4, 1.523692, 0.093405, 0.000092, 1.8496, -0.0007, 49.557, 0.771, 336.059, 1.8408, 19.3879,
                       19139.8585},
};
static_assert(std::size(kInnerElementRows) == 4);

void StorePolynomial(std::array<double, 22>& row, std::size_t first, const Polynomial& p) {
    row[first] = p.c0;
    row[first + 1] = p.c1;
    row[first + 2] = p.c2;
    row[first + 3] = p.c3;
}

}  // namespace

// Element tables: fills outerElements[body][1..21] (1..4 L, 5 a, 6..9 e, 10..13 i, 14..17 omega,
// 18..21 Omega) for bodies 1, 5..8 and innerElements[body][1..11] (a, e0, e1, i0, i1, Omega0, Omega1,
// varpi0, varpi1, M0, M1) for bodies 1..4. Entry 0 of every row stays 0.
//   writes outerElements, innerElements
void LoadElementTables(ChartState& s) {
    for (const OuterRow& r : kOuterElementRows) {
        std::array<double, 22>& row = s.outerElements[r.body];
        row.fill(0);
        StorePolynomial(row, 1, r.L);
        row[5] = r.a;
        StorePolynomial(row, 6, r.e);
        StorePolynomial(row, 10, r.i);
        StorePolynomial(row, 14, r.omega);
        StorePolynomial(row, 18, r.Omega);
    }
    for (const InnerRow& r : kInnerElementRows) {
        s.innerElements[r.body] = {0,        r.a,      r.e0,     r.e1,     r.i0, r.i1,
                                   r.Omega0, r.Omega1, r.varpi0, r.varpi1, r.M0, r.M1};
    }
}
