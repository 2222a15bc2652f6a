#include "apps/kelo-chart/chart_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "render/night_dimming.h"

namespace {

struct NamedNumber {
    const char* key;
    double value;
};

std::vector<NamedNumber> ScalarNumbers(const ChartState& s) {
    return {{"dayNumber", s.dayNumber},       {"dayFraction", s.dayFraction},
            {"ramcRad", s.ramcRad},           {"mcLongitude", s.mcLongitude},
            {"ascLongitude", s.ascLongitude}, {"precessionShift", s.precessionShift},
            {"siderealShift", s.siderealShift}, {"altNodeLongitude", s.altNodeLongitude},
            {"sunAltitude", s.sunAltitude}};
}

template <typename Array>
std::string NumberArray(const Array& values, int first, int last) {
    std::string text = "[";
    for (int i = first; i <= last; ++i) {
        text += "\n  " + JsonNumber(values[i]);
        if (i < last) text += ",";
    }
    return text + "\n ]";
}

std::string StringArray(const std::vector<std::string>& texts) {
    if (texts.empty()) return "[]";
    std::string text = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        text += "\n  " + JsonString(texts[i]);
        if (i + 1 < texts.size()) text += ",";
    }
    return text + "\n ]";
}

}  // namespace

std::string JsonNumber(double value) {
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    if (ec != std::errc()) return "null";
    std::string out(text, end);
    if (out.find_first_of(".eEn") == std::string::npos) out += ".0";  // an integral double stays a double
    return out;
}

std::string JsonString(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    char esc[8];
                    std::snprintf(esc, sizeof esc, "\\u%04x", c);
                    out += esc;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
    return out;
}

std::vector<std::string> NonFiniteValues(const ChartState& s) {
    std::vector<std::string> bad;
    for (const NamedNumber& n : ScalarNumbers(s))
        if (!std::isfinite(n.value)) bad.push_back(n.key);
    for (int k = 1; k <= 12; ++k)
        if (!std::isfinite(s.houseCusp[k])) bad.push_back("houseCusp[" + std::to_string(k) + "]");
    for (int b = 1; b <= 15; ++b)
        if (!std::isfinite(s.bodyLongitude[b])) bad.push_back("bodyLongitude[" + std::to_string(b) + "]");
    return bad;
}

void WriteChartJson(std::ostream& out, const ChartState& s, const std::vector<std::string>& messages,
                    const std::vector<JsonMember>& extra) {
    out << ChartJson(s, messages, extra);
}

std::string ChartJson(const ChartState& s, const std::vector<std::string>& messages,
                      const std::vector<JsonMember>& extra) {
    std::vector<JsonMember> members = {
        {"settingsError", std::to_string(s.settingsError)},
        {"messages", StringArray(messages)},
        {"dayNumber", JsonNumber(s.dayNumber)},
        {"dayFraction", JsonNumber(s.dayFraction)},
        {"ramcRad", JsonNumber(s.ramcRad)},
        {"mcLongitude", JsonNumber(s.mcLongitude)},
        {"ascLongitude", JsonNumber(s.ascLongitude)},
        {"siderealText", JsonString(s.siderealText)},
        {"houseCusp", NumberArray(s.houseCusp, 1, 12)},
        {"bodyLongitude", NumberArray(s.bodyLongitude, 1, 15)},
        {"retroFlags", JsonString(s.retroFlags)},
        {"precessionShift", JsonNumber(s.precessionShift)},
        {"siderealShift", JsonNumber(s.siderealShift)},
        {"altNodeLongitude", JsonNumber(s.altNodeLongitude)},
        {"houseLine", JsonString(s.houseLine)},
        {"infoLines", StringArray(std::vector<std::string>(s.infoLines.begin(), s.infoLines.end()))},
        {"moonVoid", std::to_string(s.moonVoid)},
        {"dateText", JsonString(s.dateText)},
        {"meridiem", JsonString(s.meridiem)},
        {"sunAltitude", JsonNumber(s.sunAltitude)},
        {"brightness", JsonNumber(PictureBrightness(s))},
    };
    members.insert(members.end(), extra.begin(), extra.end());
    std::string out = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i) {
        out += " " + JsonString(members[i].key) + ": " + members[i].rawJson;
        out += i + 1 < members.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}
