#include "settings/settings_place.h"

#include <cstdlib>

#include "platform/whole_file.h"
#include "core/setting_lines.h"
#include "settings/settings_text.h"

namespace {

constexpr int kQuadrantLatitudeLimitMinutes = 66 * 60;

// Seconds of arc to whole minutes, halves away from zero (the size only; the sign is the direction's).
int NearestMinutes(int seconds) { return (std::abs(seconds) + 30) / 60; }

}  // namespace

PlaceValues SettingsValuesOfPlace(const ZonePlace& place) {
    const int longitude = NearestMinutes(place.longitudeSeconds);
    int latitude = NearestMinutes(place.latitudeSeconds);
    if (latitude > kQuadrantLatitudeLimitMinutes) latitude = kQuadrantLatitudeLimitMinutes;
    return PlaceValues{longitude / 60, longitude % 60, place.longitudeSeconds > 0 ? -1 : 1,
                       latitude / 60,  latitude % 60,  place.latitudeSeconds < 0 ? -1 : 1};
}

std::string WithPlace(const std::string& fileBytes, const ZonePlace& place) {
    const PlaceValues v = SettingsValuesOfPlace(place);
    const int values[] = {v.longitudeDegrees, v.longitudeMinutes, v.longitudeDirection,
                          v.latitudeDegrees,  v.latitudeMinutes,  v.latitudeDirection};
    SettingsText decoded = DecodeSettingsText(fileBytes);
    const std::string& text = decoded.text;
    std::string out;
    std::size_t start = 0;
    for (int line = 1; start < text.size(); ++line) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::size_t next = end;
        if (next < text.size()) next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        std::string content = text.substr(start, end - start);
        if (line >= kLongitudeDegreesLine && line <= kLatitudeDirectionLine) {
            std::string field = std::to_string(values[line - kLongitudeDegreesLine]);
            field.resize(7, ' ');
            content = content.size() > 7 ? field + content.substr(7) : std::to_string(values[line - kLongitudeDegreesLine]);
        }
        out += content + text.substr(end, next - end);
        start = next;
    }
    decoded.text = out;
    return EncodeSettingsText(decoded);
}

bool PlaceNewSettingsFile(const std::string& path, const std::optional<ZonePlace>& place) {
    if (!place) return true;
    std::string bytes, error;
    return ReadFileBytes(path, bytes) && ReplaceFileSafely(path, WithPlace(bytes, *place), error);
}
