#include "apps/kelo-chart/chart_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/decimal_text.h"
#include "render/night_dimming.h"

namespace {

struct NamedNumber {
    const char* key;
    double value;
};

std::array<NamedNumber, 9> ScalarNumbers(const ChartState& s) {
    return {{{"dayNumber", s.dayNumber},       {"dayFraction", s.dayFraction},
             {"ramcRad", s.ramcRad},           {"mcLongitude", s.mcLongitude},
             {"ascLongitude", s.ascLongitude}, {"precessionShift", s.precessionShift},
             {"siderealShift", s.siderealShift}, {"altNodeLongitude", s.altNodeLongitude},
             {"sunAltitude", s.sunAltitude}}};
}

// Writes the object's members and arrays in either shape: indented, each member and each array item on
// a line of its own, or the same text with the line breaks and the indentation left out.
class JsonWriter {
public:
    JsonWriter(std::string& out, JsonShape shape) : out_(out), indented_(shape == JsonShape::kIndented) {}

    void Open() { out_ += '{'; }
    void Close() {
        LineBreak(0);
        out_ += "}\n";
    }
    // The next member's key; its value follows. The chart's own keys are plain letters and go over as
    // they are; a key from elsewhere is escaped.
    JsonWriter& Key(const char* plainKey) {
        StartMember();
        out_ += '"';
        out_ += plainKey;
        out_ += "\": ";
        return *this;
    }
    JsonWriter& Key(const std::string& key) {
        StartMember();
        AppendJsonString(out_, key);
        out_ += ": ";
        return *this;
    }
    void Decimal(long long value) { AppendDecimal(out_, value); }
    void Number(double value) { AppendJsonNumber(out_, value); }
    void String(std::string_view text) { AppendJsonString(out_, text); }
    void Raw(const std::string& indentedJson) {
        if (indented_)
            out_ += indentedJson;
        else
            AppendWithoutLineBreaks(out_, indentedJson);
    }
    template <typename Array>
    void Numbers(const Array& values, int first, int last) {
        out_ += '[';
        for (int i = first; i <= last; ++i) {
            LineBreak(2);
            AppendJsonNumber(out_, values[i]);
            if (i < last) out_ += ',';
        }
        LineBreak(1);
        out_ += ']';
    }
    template <typename Texts>
    void Strings(const Texts& texts) {
        if (texts.empty()) {
            out_ += "[]";
            return;
        }
        out_ += '[';
        for (std::size_t i = 0; i < texts.size(); ++i) {
            LineBreak(2);
            AppendJsonString(out_, texts[i]);
            if (i + 1 < texts.size()) out_ += ',';
        }
        LineBreak(1);
        out_ += ']';
    }

private:
    void StartMember() {
        if (members_++ > 0) out_ += ',';
        LineBreak(1);
    }
    void LineBreak(int indent) {
        if (!indented_) return;
        out_ += '\n';
        out_.append(static_cast<std::size_t>(indent), ' ');
    }

    std::string& out_;
    bool indented_;
    int members_ = 0;
};

}  // namespace

void AppendJsonNumber(std::string& out, double value) {
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    if (ec != std::errc()) {
        out += "null";
        return;
    }
    out.append(text, end);
    // An integral double stays a double.
    if (std::string_view(text, static_cast<std::size_t>(end - text)).find_first_of(".eEn") == std::string_view::npos)
        out += ".0";
}

std::string JsonNumber(double value) {
    std::string out;
    AppendJsonNumber(out, value);
    return out;
}

void AppendJsonString(std::string& out, std::string_view text) {
    constexpr char kHexDigits[] = "0123456789abcdef";
    out += '"';
    // Characters that need no escape go over in runs.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                out += "\\u00";
                out += kHexDigits[c >> 4];
                out += kHexDigits[c & 15];
        }
    }
    out.append(text, plain, text.size() - plain);
    out += '"';
}

std::string JsonString(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    AppendJsonString(out, text);
    return out;
}

void AppendWithoutLineBreaks(std::string& out, std::string_view json) {
    std::size_t from = 0;
    while (from < json.size()) {
        const std::size_t lineEnd = std::min(json.find('\n', from), json.size());
        out.append(json, from, lineEnd - from);
        from = json.find_first_not_of(' ', lineEnd + 1);
        if (from == std::string_view::npos) break;
    }
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
    std::string out;
    AppendChartJson(out, s, messages, extra, JsonShape::kIndented);
    return out;
}

void AppendChartJson(std::string& out, const ChartState& s, const std::vector<std::string>& messages,
                     const std::vector<JsonMember>& extra, JsonShape shape) {
    JsonWriter w(out, shape);
    w.Open();
    w.Key("settingsError").Decimal(s.settingsError);
    w.Key("messages").Strings(messages);
    w.Key("dayNumber").Number(s.dayNumber);
    w.Key("dayFraction").Number(s.dayFraction);
    w.Key("ramcRad").Number(s.ramcRad);
    w.Key("mcLongitude").Number(s.mcLongitude);
    w.Key("ascLongitude").Number(s.ascLongitude);
    w.Key("siderealText").String(s.siderealText);
    w.Key("houseCusp").Numbers(s.houseCusp, 1, 12);
    w.Key("bodyLongitude").Numbers(s.bodyLongitude, 1, 15);
    w.Key("retroFlags").String(s.retroFlags);
    w.Key("precessionShift").Number(s.precessionShift);
    w.Key("siderealShift").Number(s.siderealShift);
    w.Key("altNodeLongitude").Number(s.altNodeLongitude);
    w.Key("houseLine").String(s.houseLine);
    w.Key("infoLines").Strings(s.infoLines);
    w.Key("moonVoid").Decimal(s.moonVoid);
    w.Key("dateText").String(s.dateText);
    w.Key("meridiem").String(s.meridiem);
    w.Key("sunAltitude").Number(s.sunAltitude);
    w.Key("brightness").Number(PictureBrightness(s));
    for (const JsonMember& member : extra) w.Key(member.key).Raw(member.rawJson);
    w.Close();
}
