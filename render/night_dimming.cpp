#include "render/night_dimming.h"

#include <algorithm>

#include "core/numeric.h"
#include "core/setting_lines.h"

double NightBrightness(double sunAltitudeDeg, float nightPercent) {
    if (!(nightPercent >= 10 && nightPercent <= 100)) return 1;
    const double night = nightPercent / 100.0;
    if (!(sunAltitudeDeg < 0)) return 1;
    if (sunAltitudeDeg <= -kTwilightDepthDeg) return night;
    // Through civil twilight: full at the horizon, the night value at its end.
    const double depth = -sunAltitudeDeg / kTwilightDepthDeg;
    return 1 - (1 - night) * depth;
}

double PictureBrightness(const ChartState& s) {
    return NightBrightness(s.sunAltitude, s.settingValues[kNightDimmingLine]);
}

Rgb DimColour(Rgb c, double brightness) {
    auto level = [brightness](uint8_t v) {
        return static_cast<uint8_t>(std::clamp<int32_t>(Round32(v * brightness), 0, 255));
    };
    return Rgb{level(c.r), level(c.g), level(c.b)};
}
