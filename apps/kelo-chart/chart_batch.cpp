#include "apps/kelo-chart/chart_batch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "apps/kelo-chart/chart_json.h"
#include "apps/kelo-chart/chart_picture.h"
#include "core/decimal_text.h"
#include "shell/update_chart.h"

namespace {

constexpr long long kSecondsPerDay = 86400;

constexpr const char* kBodyNames[] = {
    /* 1-5   */ "sun", "mercury", "venus", "mars", "jupiter",
    /* 6-10  */ "saturn", "uranus", "neptune", "pluto", "moon",
    /* 11-15 */ "node", "oppositeNode", "fortune", "ascendant", "midheaven",
};
static_assert(std::size(kBodyNames) == 15);

long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

long long StepSeconds(MomentStep step) {
    return step.count * (step.unit == 'm' ? 60 : step.unit == 'h' ? 3600 : kSecondsPerDay);
}

}  // namespace

bool ParseMomentStep(const std::string& text, MomentStep& step) {
    if (text.size() < 2 || text.size() > 10) return false;
    const char unit = text.back();
    if (unit != 'm' && unit != 'h' && unit != 'd') return false;
    long long count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        count = count * 10 + (text[i] - '0');
    }
    if (count == 0) return false;
    step = {count, unit};
    return true;
}

long long FieldSeconds(const LocalDateTime& t) {
    using namespace std::chrono;
    const sys_days date = year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)};
    return date.time_since_epoch().count() * kSecondsPerDay + t.hour * 3600LL + t.minute * 60LL + t.second;
}

LocalDateTime FieldsOfSeconds(long long seconds) {
    using namespace std::chrono;
    const long long days = FloorDiv(seconds, kSecondsPerDay);
    const long long rest = seconds - days * kSecondsPerDay;
    const year_month_day date{sys_days{std::chrono::days{days}}};
    return LocalDateTime{static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(rest / 3600),
                         static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60), 0};
}

bool MomentRange::Plan(const LocalDateTime& from, const LocalDateTime& to, MomentStep step, const ZoneRules* zone,
                       std::string& error) {
    from_ = from;
    step_ = step;
    zone_ = zone;
    // Days count on the civil calendar; minutes and hours on real time in the system's zone.
    const bool realTime = zone != nullptr && step.unit != 'd';
    fromInstant_ = FieldSeconds(from) - (realTime ? zone->offsetAt(from) : 0);
    const long long toInstant = FieldSeconds(to) - (realTime ? zone->offsetAt(to) : 0);
    if (toInstant < fromInstant_) {
        error = "--to lies before --from";
        return false;
    }
    const long long stepSeconds = StepSeconds(step);
    count_ = (toInstant - fromInstant_) / stepSeconds + 1;
    if (count_ > kMaximumMoments) {
        error = "the range holds " + std::to_string(count_) + " moments, more than " +
                std::to_string(kMaximumMoments) + ": choose a longer --step or a shorter range";
        return false;
    }
    return true;
}

LocalDateTime MomentRange::At(long long k) const {
    const long long instant = fromInstant_ + k * StepSeconds(step_);
    if (zone_ == nullptr) return FieldsOfSeconds(instant);
    if (step_.unit != 'd') return zone_->timeAt(instant);
    LocalDateTime t = FieldsOfSeconds(instant);
    t.utcOffsetSeconds = zone_->offsetAt(t);
    return t;
}

std::string CsvHeader() {
    std::string line = "time";
    for (const char* name : kBodyNames) line += std::string(",") + name;
    for (const char* name : kBodyNames) line += std::string(",") + name + "Retrograde";
    for (int house = 1; house <= 12; ++house) line += ",cusp" + std::to_string(house);
    return line + "\n";
}

std::string CsvRow(const ChartState& s, const LocalDateTime& t) {
    std::string line;
    AppendCsvRow(line, s, t);
    return line;
}

void AppendCsvRow(std::string& line, const ChartState& s, const LocalDateTime& t) {
    AppendDecimal(line, t.year, 4);
    line += '-';
    AppendDecimal(line, t.month, 2);
    line += '-';
    AppendDecimal(line, t.day, 2);
    line += 'T';
    AppendDecimal(line, t.hour, 2);
    line += ':';
    AppendDecimal(line, t.minute, 2);
    // The zone the chart used, as an offset east of Greenwich: zoneHours counts west positive.
    const long long east = std::llround(-static_cast<double>(s.zoneHours) * 60);
    const long long size = east < 0 ? -east : east;
    line += east < 0 ? '-' : '+';
    AppendDecimal(line, size / 60 % 100, 2);
    line += ':';
    AppendDecimal(line, size % 60, 2);
    for (int b = 1; b <= 15; ++b) {
        line += ',';
        AppendJsonNumber(line, s.bodyLongitude[b]);
    }
    for (int b = 1; b <= 15; ++b)
        line += static_cast<std::size_t>(b - 1) < s.retroFlags.size() && s.retroFlags[b - 1] == 'R' ? ",1" : ",0";
    // Slot k holds the cusp of house ((k + 8) mod 12) + 1: house h lies in slot ((h + 2) mod 12) + 1.
    for (int house = 1; house <= 12; ++house) {
        line += ',';
        AppendJsonNumber(line, s.houseCusp[(house + 2) % 12 + 1]);
    }
    line += '\n';
}

std::string OneLineJson(const std::string& json) {
    std::string line;
    line.reserve(json.size() + 1);
    AppendWithoutLineBreaks(line, json);
    return line + "\n";
}

BatchLines::BatchLines(const ChartState& started, LineFormat format)
    : started_(started), format_(format), clock_(LocalDateTime{}, started.clockFormat) {
    if (format == LineFormat::kJson) layout_ = std::make_unique<ChartLayout>(started.glyphFontPath);
}

BatchLines::~BatchLines() = default;

BatchLines::Outcome BatchLines::Chart(const LocalDateTime& t, MessageBoxes& boxes, std::string& line,
                                      std::string& error) {
    s_ = started_;
    clock_.Set(t);
    UpdateChart(s_, clock_, boxes);
    if (s_.settingsError == 1) return Outcome::kSettingsCheck;
    if (const std::vector<std::string> bad = NonFiniteValues(s_); !bad.empty()) {
        error.clear();
        for (const std::string& b : bad) error += (error.empty() ? "" : ", ") + b;
        return Outcome::kNotFinite;
    }
    line.clear();
    if (format_ == LineFormat::kCsv) {
        AppendCsvRow(line, s_, t);
        return Outcome::kLine;
    }
    std::vector<JsonMember> extra;
    if (layout_) {
        if (!layout_->Decide(s_, error)) return Outcome::kNoLayout;
        extra.push_back({"layout", LayoutJson(s_)});
    }
    AppendChartJson(line, s_, {}, extra, JsonShape::kOneLine);
    return Outcome::kLine;
}
