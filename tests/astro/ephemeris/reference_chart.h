// Reading the reference charts beside the tests: the few numbers and texts of expected.json that the
// ephemeris tests compare, and the settings lines of KELO.INI that change the stored positions.
#pragma once

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

struct ReferenceChart {
    std::string name;
    int settingsError = 0;
    double dayNumber = 0;
    double dayFraction = 0;
    double ascLongitude = 0;
    double mcLongitude = 0;
    std::vector<double> houseCusp;      // slots 1..12 at index 0..11
    std::vector<double> bodyLongitude;  // bodies 1..15 at index 0..14
    std::string retroFlags;
    double precessionShift = 0;
    double siderealShift = 0;
    double altNodeLongitude = 0;
    float nodeOption = 0;    // settings value 29
    float zodiacOption = 0;  // settings value 38
    float fixedHouses = 0;   // settings value 42
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text just after "key": in a flat JSON object, or npos.
inline std::size_t JsonValueStart(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\"");
    if (at == std::string::npos) return at;
    std::size_t p = json.find(':', at);
    if (p == std::string::npos) return p;
    ++p;
    while (p < json.size() && (json[p] == ' ' || json[p] == '\n' || json[p] == '\r')) ++p;
    return p;
}

inline std::optional<double> JsonNumber(const std::string& json, const std::string& key) {
    const std::size_t p = JsonValueStart(json, key);
    if (p == std::string::npos) return std::nullopt;
    return std::strtod(json.c_str() + p, nullptr);
}

inline std::vector<double> JsonNumbers(const std::string& json, const std::string& key) {
    std::vector<double> values;
    std::size_t p = JsonValueStart(json, key);
    if (p == std::string::npos || json[p] != '[') return values;
    const std::size_t end = json.find(']', p);
    ++p;
    while (p < end) {
        char* next = nullptr;
        const double v = std::strtod(json.c_str() + p, &next);
        const std::size_t used = static_cast<std::size_t>(next - json.c_str());
        if (used == p) {
            ++p;  // a separator or blank
            continue;
        }
        values.push_back(v);
        p = used;
    }
    return values;
}

// A string value without escapes (the keys read here hold none).
inline std::string JsonString(const std::string& json, const std::string& key) {
    const std::size_t p = JsonValueStart(json, key);
    if (p == std::string::npos || json[p] != '"') return {};
    const std::size_t end = json.find('"', p + 1);
    return json.substr(p + 1, end - p - 1);
}

// The number in the first seven characters of line N (1-based) of a settings file.
inline float SettingsLineValue(const std::string& text, int lineNumber) {
    std::istringstream in(text);
    std::string line;
    for (int n = 1; n <= lineNumber; ++n) {
        if (!std::getline(in, line)) return 0;
    }
    std::string field = line.substr(0, 7);
    std::string digits;
    for (char c : field) {
        if (c != ' ') digits += c;
    }
    return std::strtof(digits.c_str(), nullptr);
}

inline ReferenceChart LoadReferenceChart(const std::string& directory, const std::string& name) {
    ReferenceChart r;
    r.name = name;
    const std::string json = ReadWholeFile(directory + "/" + name + "/expected.json");
    const std::string ini = ReadWholeFile(directory + "/" + name + "/KELO.INI");
    r.settingsError = static_cast<int>(JsonNumber(json, "settingsError").value_or(-1));
    r.dayNumber = JsonNumber(json, "dayNumber").value_or(0);
    r.dayFraction = JsonNumber(json, "dayFraction").value_or(0);
    r.ascLongitude = JsonNumber(json, "ascLongitude").value_or(0);
    r.mcLongitude = JsonNumber(json, "mcLongitude").value_or(0);
    r.houseCusp = JsonNumbers(json, "houseCusp");
    r.bodyLongitude = JsonNumbers(json, "bodyLongitude");
    r.retroFlags = JsonString(json, "retroFlags");
    r.precessionShift = JsonNumber(json, "precessionShift").value_or(0);
    r.siderealShift = JsonNumber(json, "siderealShift").value_or(0);
    r.altNodeLongitude = JsonNumber(json, "altNodeLongitude").value_or(0);
    r.nodeOption = SettingsLineValue(ini, 29);
    r.zodiacOption = SettingsLineValue(ini, 38);
    r.fixedHouses = SettingsLineValue(ini, 42);
    return r;
}
