#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"
#include "astro/houses/houses.h"
#include "astro/houses/text_formats.h"

namespace {

// Cusps by house number, 1 = first house; index 0 unused.
using HouseTable = std::array<double, 13>;

// Arctangent of y / x in the quadrant of (y, x): Atn, plus pi if negative, plus pi again if y < 0;
// returned in degrees 0..360. A zero x gives the natural limits pi/2 and 3 pi/2 through the
// infinite quotient.
double QuadrantArcTanDeg(double y, double x) {
    double a = std::atan(y / x);
    if (a < 0) a = a + kPi;
    if (y < 0) a = a + kPi;
    return Normalize360(RadToDeg(a));
}

// Two digits of one sidereal time part, added to text: the number's text with its leading blank, a "0"
// in front of a single digit, then the last two characters. A whole part 0..99 (every finite one the
// sky frame gives) is written at once.
void AppendTwoDigitPart(std::string& text, double part) {
    if (part >= 0 && part < 100 && part == Int(part)) {
        const int whole = static_cast<int>(part);
        text += static_cast<char>('0' + whole / 10);
        text += static_cast<char>('0' + whole % 10);
        return;
    }
    std::string number = NumberToText(part);
    if (part < 10) number = "0" + number.substr(number.size() - 1);
    text += number.size() > 2 ? number.substr(number.size() - 2) : number;
}

// The latitude as the non-Placidus branches take it: minus the decimal latitude in radians, north
// negative, with no replacement of an exact 0.
double BranchNegLatitude(const ChartState& s) {
    double decimalLatitude =
        (s.latitudeDegMinAbs - Int(s.latitudeDegMinAbs)) * 100 / 60 + s.latitudeWholeDegrees;
    if (s.northSouth == "SOUTH") decimalLatitude = -decimalLatitude;
    return -DegToRad(decimalLatitude);
}

// The trigonometry the four Placidus cusps of one chart share: of the obliquity and of the latitude.
struct PlacidusFrame {
    double tanE, tanPhi, cosE;
};

PlacidusFrame PlacidusFrameOf(const ChartState& s) {
    return {std::tan(s.negObliquityRad), std::tan(s.houseLatitudeRad), std::cos(s.negObliquityRad)};
}

// Where one Placidus cusp's iteration starts (see PlacidusCusp).
struct PlacidusStart {
    double ra, divisor, belowHorizon;
};

// Placidus cusps (see PlacidusCusp) with the chart's trigonometry given, ecliptic longitudes in degrees,
// not reduced. The iterations of one cusp depend on each other, those of different cusps do not: the
// cusps go through their iterations side by side, so that the processor works on all of them at once.
// Each cusp's arithmetic is the single cusp's, operation for operation.
template <std::size_t N>
std::array<double, N> PlacidusCuspLongitudes(const ChartState& s, const PlacidusFrame& frame,
                                             const std::array<PlacidusStart, N>& start) {
    const double ramc = s.ramcRad;
    const double tanE = frame.tanE, tanPhi = frame.tanPhi;
    std::array<double, N> ra{}, sign{};
    for (std::size_t c = 0; c < N; ++c) {
        ra[c] = start[c].ra;
        sign[c] = start[c].belowHorizon == 1.0 ? 1.0 : -1.0;
    }
    for (int iteration = 0; iteration < 10; ++iteration) {
        for (std::size_t c = 0; c < N; ++c) {
            // Semi-arc of the point whose declination has the tangent Sin(RA) Tan e:
            // diurnal above the horizon, nocturnal below.
            const double x = sign[c] * std::sin(ra[c]) * tanE * tanPhi;
            double a = ArcCosSigned(x);
            if (a < 0) a = a + kPi;
            if (sign[c] == -1.0)
                ra[c] = a / start[c].divisor + ramc;
            else
                ra[c] = ramc + kPi - a / start[c].divisor;
        }
    }
    // Right ascension to ecliptic longitude.
    std::array<double, N> longitude{};
    for (std::size_t c = 0; c < N; ++c) {
        double l = std::atan(std::tan(ra[c]) / frame.cosE);
        if (l < 0) l = l + kPi;
        if (std::sin(ra[c]) < 0) l = l + kPi;
        longitude[c] = RadToDeg(l);
    }
    return longitude;
}

void PlacidusHouses(ChartState& s, HouseTable& house) {
    const double ramc = s.ramcRad;
    house[4] = Normalize360(s.mcLongitude + 180);
    house[1] = Normalize360(s.ascLongitude);

    // The 11th and 12th cusps (stored as their opposites, the 5th and 6th), then the 2nd and 3rd below
    // the horizon.
    const std::array<PlacidusStart, 4> start{{{ramc + DegToRad(30), 3, 0},
                                              {ramc + DegToRad(60), 1.5, 0},
                                              {ramc + DegToRad(120), 1.5, 1.0},
                                              {ramc + DegToRad(150), 3, 1.0}}};
    const std::array<double, 4> cusp = PlacidusCuspLongitudes(s, PlacidusFrameOf(s), start);
    house[5] = Normalize360(cusp[0] + 180);
    house[6] = Normalize360(cusp[1] + 180);
    house[2] = cusp[2];
    house[3] = cusp[3];
    // The working fields as the last cusp leaves them.
    s.placidusStartRa = start[3].ra;
    s.placidusDivisor = start[3].divisor;
    s.placidusBelowHorizon = start[3].belowHorizon;
    s.placidusCuspLongitude = cusp[3];

    for (int i = 1; i <= 12; ++i) {
        house[i] = Normalize360(house[i]);
        if (i > 6) house[i] = Normalize360(house[i - 6] + 180);
    }
}

void KochHouses(ChartState& s, HouseTable& house) {
    const double ramc = s.ramcRad;
    const double negE = s.negObliquityRad;
    const double negPhi = BranchNegLatitude(s);
    const double tanPhi = std::tan(negPhi), sinE = std::sin(negE), cosE = std::cos(negE);
    // Ascensional difference of the Midheaven's declination.
    const double ad = ArcSin(std::sin(ramc) * tanPhi * std::tan(negE));
    for (int i = 1; i <= 12; ++i) {
        const double h = Normalize360(30.0 * i + 60);
        double k, sign;
        if (h < 180) {
            k = h / 90 - 1;
            sign = 1;
        } else {
            k = h / 90 - 3;
            sign = -1;
        }
        const double oa = DegToRad(Normalize360(RadToDeg(ramc) + h + k * RadToDeg(ad)));
        const double y = std::sin(oa);
        const double x = std::cos(oa) * cosE - sign * tanPhi * sinE;
        house[i] = QuadrantArcTanDeg(y, x);
    }
}

// What the house circles of one chart share: the RAMC, and the trigonometry of the obliquity and of the
// latitude as the non-Placidus branches take it.
struct HouseCircleFrame {
    double ramc, cosE, sinE, tanPhi;
};

HouseCircleFrame HouseCircleFrameOf(const ChartState& s, double negPhi) {
    return {s.ramcRad, std::cos(s.negObliquityRad), std::sin(s.negObliquityRad), std::tan(negPhi)};
}

// The longitude where the ecliptic meets the house circle through the north and south points of the
// horizon that cuts the equator at angle a (radians) past the meridian: the cusp of Regiomontanus (a
// equal steps on the equator) and of Campanus (a from equal steps on the prime vertical).
double HouseCircleCusp(const HouseCircleFrame& f, double a) {
    const double y = std::sin(a + f.ramc);
    const double x = std::cos(a + f.ramc) * f.cosE - f.tanPhi * std::sin(a) * f.sinE;
    return QuadrantArcTanDeg(y, x);
}

void CampanusHouses(ChartState& s, HouseTable& house) {
    const double negPhi = BranchNegLatitude(s);
    const HouseCircleFrame frame = HouseCircleFrameOf(s, negPhi);
    const double cosPhi = std::cos(negPhi);
    for (int i = 1; i <= 12; ++i) {
        // The prime vertical divided from the east point; the offset keeps Tan off its poles.
        const double p = DegToRad(30.0 * i + 60.000001);
        double a = std::atan(std::tan(p) * cosPhi);
        if (a < 0) a = a + kPi;
        if (std::sin(p) < 0) a = a + kPi;
        house[i] = HouseCircleCusp(frame, a);
    }
}

void PorphyryHouses(ChartState& s, HouseTable& house) {
    const double mc = s.mcLongitude;
    const double asc = s.ascLongitude;
    // Trisect the quadrant from the Midheaven to the Ascendant, carried over to houses 5 and 6.
    double d1 = asc - mc;
    if (d1 < 0) d1 = d1 + 360;
    const double step1 = d1 / 3;
    for (int i = 1; i <= 2; ++i) house[i + 4] = Normalize360(mc + 180 + i * step1);
    // Trisect the quadrant from the Ascendant to the lower meridian.
    house[1] = asc;
    double d2 = Normalize360(mc + 180) - asc;
    if (d2 < 0) d2 = d2 + 360;
    const double step2 = d2 / 3;
    for (int i = 1; i <= 3; ++i) house[i + 1] = Normalize360(asc + i * step2);
    for (int i = 1; i <= 6; ++i) house[i + 6] = Normalize360(house[i] + 180);
}

// Equal houses go straight into the cusp slots, from the Ascendant in slot 4.
void EqualHouses(ChartState& s) {
    auto& slot = s.houseCusp;
    slot[4] = s.ascLongitude;
    for (int k = 5; k <= 12; ++k) slot[k] = Normalize360(slot[k - 1] + 30);
    slot[1] = Normalize360(slot[12] + 30);
    slot[2] = Normalize360(slot[1] + 30);
    slot[3] = Normalize360(slot[2] + 30);
}

void MeridianHouses(ChartState& s, HouseTable& house) {
    const double ramc = s.ramcRad;
    const double cosE = std::cos(s.negObliquityRad);
    for (int i = 1; i <= 12; ++i) {
        const double h = DegToRad(30.0 * i + 60);
        house[i] = QuadrantArcTanDeg(std::sin(ramc + h), std::cos(ramc + h) * cosE);
    }
}

void MorinusHouses(ChartState& s, HouseTable& house) {
    const double ramc = s.ramcRad;
    const double cosE = std::cos(s.negObliquityRad);
    for (int i = 1; i <= 12; ++i) {
        const double h = DegToRad(30.0 * i + 60);
        house[i] = QuadrantArcTanDeg(std::sin(ramc + h) * cosE, std::cos(ramc + h));
    }
}

void RegiomontanusHouses(ChartState& s, HouseTable& house) {
    const HouseCircleFrame frame = HouseCircleFrameOf(s, BranchNegLatitude(s));
    for (int i = 1; i <= 12; ++i) house[i] = HouseCircleCusp(frame, DegToRad(30.0 * i + 60));
}

}  // namespace

// Placidus: one intermediate cusp by ten fixed iterations of the semi-arc division.
//   reads  placidusStartRa       first estimate of the cusp's right ascension, radians
//          placidusDivisor       3 or 1.5 (a third or two thirds of the semi-arc)
//          placidusBelowHorizon  1.0 for the cusps below the horizon (houses 2 and 3)
//          ramcRad, negObliquityRad, houseLatitudeRad
//   writes placidusCuspLongitude ecliptic longitude of the cusp, degrees, not reduced
// Note: beyond about 66.5 degrees of latitude the semi-arc has no value; the latitude check of the
// settings keeps such places away from this system.
void PlacidusCusp(ChartState& s) {
    const std::array<PlacidusStart, 1> start{{{s.placidusStartRa, s.placidusDivisor, s.placidusBelowHorizon}}};
    s.placidusCuspLongitude = PlacidusCuspLongitudes(s, PlacidusFrameOf(s), start)[0];
}

// House cusps of the moment in the system of houseSystemLetter, and the sidereal time as text.
//   reads  houseSystemLetter     "P", "K", "C", "O", "E", "M", "I"; anything else is Regiomontanus
//          ramcRad, negObliquityRad, mcLongitude, ascLongitude, houseLatitudeRad,
//          latitudeDegMinAbs, latitudeWholeDegrees, northSouth, siderealHours/Minutes/Seconds
//   writes houseCusp             slots 1..12, degrees 0..360; slot k holds the cusp of house
//                                ((k + 8) mod 12) + 1 (slot 1 the 10th, slot 4 the 1st)
//          siderealText          "HHh  MMm  SSs "
//   uses   placidusStartRa/Divisor/BelowHorizon/CuspLongitude as scratch
void ComputeHouseCusps(ChartState& s) {
    std::string& sidereal = s.siderealText;
    sidereal.clear();
    AppendTwoDigitPart(sidereal, s.siderealHours);
    sidereal += "h  ";
    AppendTwoDigitPart(sidereal, s.siderealMinutes);
    sidereal += "m  ";
    AppendTwoDigitPart(sidereal, s.siderealSeconds);
    sidereal += "s ";

    HouseTable house{};
    const std::string& letter = s.houseSystemLetter;
    if (letter == "P") {
        PlacidusHouses(s, house);
    } else if (letter == "K") {
        KochHouses(s, house);
    } else if (letter == "C") {
        CampanusHouses(s, house);
    } else if (letter == "O") {
        PorphyryHouses(s, house);
    } else if (letter == "E") {
        EqualHouses(s);
    } else if (letter == "M") {
        MeridianHouses(s, house);
    } else if (letter == "I") {
        MorinusHouses(s, house);
    } else {
        RegiomontanusHouses(s, house);
    }

    // Houses 1..9 go to slots 4..12, houses 10..12 to slots 1..3.
    if (letter != "E") {
        for (int i = 1; i <= 9; ++i) s.houseCusp[i + 3] = house[i];
        for (int i = 10; i <= 12; ++i) s.houseCusp[i - 9] = house[i];
    }
    for (int k = 1; k <= 12; ++k) s.houseCusp[k] = Normalize360(s.houseCusp[k]);
}
