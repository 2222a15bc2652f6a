#include "platform/zone_place.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace {

struct WindowsZone {
    const char* keyName;
    const char* zone;
    const char* coordinates;
};

constexpr WindowsZone kWindowsZones[] = {
#include "platform/windows_zone_table.inc"
};

// One signed angle of an ISO 6709 text: sign, degreeDigits digits of degrees, two of minutes and
// optionally two of seconds. Advances `at`.
std::optional<int> Angle(const std::string& text, std::size_t& at, int degreeDigits, int maxDegrees) {
    if (at >= text.size() || (text[at] != '+' && text[at] != '-')) return std::nullopt;
    const int sign = text[at] == '-' ? -1 : 1;
    std::size_t end = at + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    const std::size_t digits = end - at - 1;
    if (digits != static_cast<std::size_t>(degreeDigits + 2) && digits != static_cast<std::size_t>(degreeDigits + 4))
        return std::nullopt;
    auto number = [&](std::size_t from, int n) { return std::stoi(text.substr(from, static_cast<std::size_t>(n))); };
    const int degrees = number(at + 1, degreeDigits);
    const int minutes = number(at + 1 + degreeDigits, 2);
    const int seconds = digits == static_cast<std::size_t>(degreeDigits + 4) ? number(at + 3 + degreeDigits, 2) : 0;
    if (minutes > 59 || seconds > 59) return std::nullopt;
    const int total = (degrees * 60 + minutes) * 60 + seconds;
    if (total > maxDegrees * 3600) return std::nullopt;
    at = end;
    return sign * total;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::optional<ZonePlace> ParseIso6709(const std::string& text) {
    std::size_t at = 0;
    const std::optional<int> latitude = Angle(text, at, 2, 90);
    if (!latitude) return std::nullopt;
    const std::optional<int> longitude = Angle(text, at, 3, 180);
    if (!longitude || at != text.size()) return std::nullopt;
    return ZonePlace{*latitude, *longitude};
}

std::optional<ZonePlace> PlaceInZoneTable(const std::string& tableText, const std::string& name) {
    std::istringstream lines(tableText);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) continue;
        const std::size_t third = line.find('\t', second + 1);
        if (line.substr(second + 1, third == std::string::npos ? std::string::npos : third - second - 1) != name)
            continue;
        return ParseIso6709(line.substr(first + 1, second - first - 1));
    }
    return std::nullopt;
}

std::string ZoneOfLink(const std::string& tzdataZiText, const std::string& name) {
    std::istringstream lines(tzdataZiText);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("L ", 0) != 0) continue;
        std::istringstream fields(line.substr(2));
        std::string target, link;
        if (fields >> target >> link && link == name) return target;
    }
    return name;
}

std::string ZoneNameOf(const char* tzVariable, const std::string& localtimeTarget) {
    std::string name = tzVariable != nullptr ? tzVariable : localtimeTarget;
    if (!name.empty() && name[0] == ':') name.erase(0, 1);
    // A path: the part after its zoneinfo folder ("/usr/share/zoneinfo/Europe/Berlin",
    // "../usr/share/zoneinfo/posix/Europe/Berlin").
    if (const std::size_t folder = name.rfind("zoneinfo/"); folder != std::string::npos) {
        name.erase(0, folder + 9);
        for (const char* variant : {"posix/", "right/"})
            if (name.rfind(variant, 0) == 0) name.erase(0, 6);
    }
    // A POSIX rule with its dates ("CET-1CEST,M3.5.0,M10.5.0/3") names no city.
    if (name.empty() || name[0] == '/' || name.find(',') != std::string::npos) return {};
    return name;
}

std::optional<ZonePlace> SystemZonePlace(const std::string& zoneInfoDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::read_symlink("/etc/localtime", ec);
    const std::string name = ZoneNameOf(std::getenv("TZ"), ec ? std::string() : target.string());
    if (name.empty()) return std::nullopt;
    const fs::path dir(zoneInfoDir);
    for (const std::string& zone : {name, ZoneOfLink(ReadText(dir / "tzdata.zi"), name)})
        for (const char* table : {"zone1970.tab", "zone.tab"})
            if (std::optional<ZonePlace> place = PlaceInZoneTable(ReadText(dir / table), zone)) return place;
    return std::nullopt;
}

std::optional<ZonePlace> PlaceOfWindowsZone(const std::string& keyName) {
    for (const WindowsZone& z : kWindowsZones)
        if (keyName == z.keyName) return ParseIso6709(z.coordinates);
    return std::nullopt;
}
