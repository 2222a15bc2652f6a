#include "settings/city_list.h"

#include <algorithm>
#include <cctype>

#include "settings/settings_text.h"

namespace {

// [+-] then 2 (latitude) or 3 (longitude) digits of degrees, 2 of minutes and optionally 2 of seconds.
bool ParseCoordinate(const std::string& t, std::size_t& at, int degreeDigits, bool withSeconds, PlaceDegMin& out) {
    if (at >= t.size() || (t[at] != '+' && t[at] != '-')) return false;
    out.negative = t[at] == '-';
    ++at;
    const int digits = degreeDigits + 2 + (withSeconds ? 2 : 0);
    if (at + digits > t.size()) return false;
    int parts[3] = {0, 0, 0};
    const int widths[3] = {degreeDigits, 2, withSeconds ? 2 : 0};
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < widths[p]; ++i, ++at) {
            if (!std::isdigit(static_cast<unsigned char>(t[at]))) return false;
            parts[p] = parts[p] * 10 + (t[at] - '0');
        }
    if (parts[1] > 59 || parts[2] > 59) return false;
    out.degrees = parts[0];
    out.minutes = parts[1] + (parts[2] >= 30 ? 1 : 0);  // to the nearest minute
    if (out.minutes == 60) {
        out.minutes = 0;
        ++out.degrees;
    }
    return true;
}

std::string Folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '_' || c == ' ') continue;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace

bool ParseIso6709(const std::string& text, PlaceDegMin& latitude, PlaceDegMin& longitude) {
    // 11 characters without seconds, 15 with them.
    const bool withSeconds = text.size() == 15;
    if (text.size() != 11 && !withSeconds) return false;
    std::size_t at = 0;
    return ParseCoordinate(text, at, 2, withSeconds, latitude) &&
           ParseCoordinate(text, at, 3, withSeconds, longitude) && at == text.size() && latitude.degrees <= 90 &&
           longitude.degrees <= 180;
}

std::vector<City> ParseZoneTable(const std::string& text) {
    std::vector<City> cities;
    for (const std::string& line : SplitSettingsLines(text)) {
        if (line.empty() || line[0] == '#') continue;
        // codes TAB coordinates TAB zone [TAB comments]
        const std::size_t a = line.find('\t');
        const std::size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
        if (b == std::string::npos) continue;
        const std::size_t c = line.find('\t', b + 1);
        City city;
        city.zone = line.substr(b + 1, c == std::string::npos ? std::string::npos : c - b - 1);
        if (!ParseIso6709(line.substr(a + 1, b - a - 1), city.latitude, city.longitude)) continue;
        const std::size_t slash = city.zone.rfind('/');
        if (slash == std::string::npos) continue;
        city.region = city.zone.substr(0, slash);
        city.name = city.zone.substr(slash + 1);
        std::replace(city.name.begin(), city.name.end(), '_', ' ');
        cities.push_back(city);
    }
    return cities;
}

std::vector<City> FindCities(const std::vector<City>& cities, const std::string& query, std::size_t limit) {
    const std::string q = Folded(query);
    std::vector<const City*> starts, contains;
    if (q.empty()) return {};
    for (const City& c : cities) {
        const std::string name = Folded(c.name);
        if (name.compare(0, q.size(), q) == 0)
            starts.push_back(&c);
        else if (name.find(q) != std::string::npos || Folded(c.zone).find(q) != std::string::npos)
            contains.push_back(&c);
    }
    auto byName = [](const City* x, const City* y) { return x->name < y->name; };
    std::sort(starts.begin(), starts.end(), byName);
    std::sort(contains.begin(), contains.end(), byName);
    std::vector<City> found;
    for (const auto* list : {&starts, &contains})
        for (const City* c : *list)
            if (found.size() < limit) found.push_back(*c);
    return found;
}

void SetPlaceToCity(SettingValues& values, const City& city) {
    SetFieldNumber(values, FieldNamed("latitudeDegrees"), city.latitude.degrees);
    SetFieldNumber(values, FieldNamed("latitudeMinutes"), city.latitude.minutes);
    SetFieldChoice(values, FieldNamed("latitudeDirection"), city.latitude.negative ? 1 : 0);
    SetFieldNumber(values, FieldNamed("longitudeDegrees"), city.longitude.degrees);
    SetFieldNumber(values, FieldNamed("longitudeMinutes"), city.longitude.minutes);
    SetFieldChoice(values, FieldNamed("longitudeDirection"), city.longitude.negative ? 1 : 0);
}
