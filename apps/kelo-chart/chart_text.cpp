#include "apps/kelo-chart/chart_text.h"

#include <cstdio>
#include <iterator>
#include <string>

#include "astro/frame/angle_helpers.h"

namespace {

struct BodyName {
    const char* symbol;  // UTF-8
    const char* ascii;
    const char* name;
};
// Chart bodies 1..15.
constexpr BodyName kBodies[] = {
    /* 0 unused */ {"", "", ""},
    /* 1-5   */ {"\u2609", "SU", "Sun"}, {"\u263F", "ME", "Mercury"}, {"\u2640", "VE", "Venus"},
                {"\u2642", "MA", "Mars"}, {"\u2643", "JU", "Jupiter"},
    /* 6-10  */ {"\u2644", "SA", "Saturn"}, {"\u2645", "UR", "Uranus"}, {"\u2646", "NE", "Neptune"},
                {"\u2647", "PL", "Pluto"}, {"\u263D", "MO", "Moon"},
    /* 11-15 */ {"\u260A", "NN", "Node"}, {"\u260B", "SN", "Opposite node"}, {"\u2297", "PF", "Fortune"},
                {"AC", "AC", "Ascendant"}, {"MC", "MC", "Midheaven"},
};
static_assert(std::size(kBodies) == 16);

struct SignName {
    const char* symbol;
    const char* ascii;
    const char* name;
};
// Signs 1..12, 1 = Aries.
constexpr SignName kSigns[] = {
    /* 0 unused */ {"", "", ""},
    /* 1-6  */ {"\u2648", "Ari", "Aries"}, {"\u2649", "Tau", "Taurus"}, {"\u264A", "Gem", "Gemini"},
               {"\u264B", "Cnc", "Cancer"}, {"\u264C", "Leo", "Leo"}, {"\u264D", "Vir", "Virgo"},
    /* 7-12 */ {"\u264E", "Lib", "Libra"}, {"\u264F", "Sco", "Scorpio"}, {"\u2650", "Sgr", "Sagittarius"},
               {"\u2651", "Cap", "Capricorn"}, {"\u2652", "Aqr", "Aquarius"}, {"\u2653", "Psc", "Pisces"},
};
static_assert(std::size(kSigns) == 13);

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

// "sign-symbol Sign-name DD°MM'" by the chart's own split of a longitude into sign, degrees, minutes.
std::string ZodiacPosition(double longitude, bool unicode) {
    ChartState scratch;
    scratch.zodiacInput = longitude;
    SplitZodiacPosition(scratch);
    int sign = static_cast<int>(scratch.zodiacSign);
    if (sign < 1 || sign > 12) return "?";
    char degrees[32];
    std::snprintf(degrees, sizeof degrees, "%02d%s%02d'", static_cast<int>(scratch.zodiacDegrees),
                  unicode ? "\u00B0" : " ", static_cast<int>(scratch.zodiacMinutes));
    std::string sym = unicode ? std::string(kSigns[sign].symbol) + " " : std::string(kSigns[sign].ascii) + " ";
    return sym + Padded(kSigns[sign].name, 12) + " " + degrees;
}

}  // namespace

void WriteChartText(std::ostream& out, const ChartState& s, bool unicode) {
    for (const std::string& line : s.infoLines) out << line << "\n";
    out << "\n";

    for (int b = 1; b <= 15; ++b) {
        const BodyName& body = kBodies[b];
        std::string symbol = unicode ? body.symbol : body.ascii;
        std::string retro = b <= static_cast<int>(s.retroFlags.size()) && s.retroFlags[b - 1] == 'R'
                                ? (unicode ? "\u211E" : "R")
                                : " ";
        std::string house = s.houseLine.size() >= static_cast<std::size_t>(10 * b)
                                ? s.houseLine.substr(10 * b - 10, 4) + " house"
                                : "";
        out << "  " << symbol << (unicode && b < 14 ? "  " : " ") << Padded(body.name, 15)
            << ZodiacPosition(s.bodyLongitude[b], unicode) << "  " << retro << "  " << house << "\n";
    }
    out << "\n";

    out << "  Cusps\n";
    for (int house = 1; house <= 12; ++house) {
        int slot = (house + 2) % 12 + 1;  // slot k holds the cusp of house ((k + 8) mod 12) + 1
        std::string label = s.houseOrdinals.size() >= static_cast<std::size_t>(4 * slot)
                                ? s.houseOrdinals.substr(4 * slot - 4, 4)
                                : std::to_string(house);
        out << "  " << label << "  " << ZodiacPosition(s.houseCusp[slot], unicode) << "\n";
    }
    out << "\n";
    out << "  Moon void of course: " << (s.moonVoid == 1 ? "yes" : "no") << "\n";
}
