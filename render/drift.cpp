#include "render/drift.h"

#include <cmath>
#include <numbers>

#include "core/numeric.h"
#include "core/setting_lines.h"

namespace {

constexpr int kOutAndBackMinutes = 160;  // centre to the rim and back
constexpr int kTurnMinutes = 36;         // one turn round the centre
static_assert(kMinutesPerDay % kOutAndBackMinutes == 0 && kMinutesPerDay % kTurnMinutes == 0,
              "the path must close at midnight");

}  // namespace

DriftOffset PictureDrift(int minuteOfDay) {
    const int m = ((minuteOfDay % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    const double rho = std::fabs(std::sin(std::numbers::pi * m / kOutAndBackMinutes));
    const double theta = 2 * std::numbers::pi * (m % kTurnMinutes) / kTurnMinutes;
    return {kDriftRadiusX * rho * std::cos(theta), kDriftRadiusY * rho * std::sin(theta)};
}

void SetPictureDrift(ChartState& s, int minuteOfDay) {
    const DriftOffset d = IsExactly(s.settingValues[kDriftLine], 1) ? PictureDrift(minuteOfDay) : DriftOffset{};
    s.driftX = d.x;
    s.driftY = d.y;
}
