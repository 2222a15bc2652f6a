// kelo-chart's batch: the charts of a range of moments in one process, from --from to --to in steps of
// --step, as JSON Lines or as a CSV table.
//
// The moments are civil times in the chart's zone, as --at reads them. In the system's zone (settings
// line 17 exactly 1) a step in minutes or hours follows real time, so that across a change of daylight
// saving the civil time jumps or repeats an hour while the steps stay even; a step in days keeps the
// clock time from day to day. In the fixed zone of line 18 the civil time simply steps on.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/chart_state.h"
#include "platform/clock.h"
#include "platform/fixed_clock.h"
#include "platform/message_boxes.h"

// At most this many moments in one batch.
constexpr long long kMaximumMoments = 10'000'000;

// A step: a whole number of minutes ('m'), hours ('h') or days ('d'), written like "15m".
struct MomentStep {
    long long count = 0;
    char unit = 'm';
};

// "15m", "2h", "1d": false for anything else, a step of 0 included.
bool ParseMomentStep(const std::string& text, MomentStep& step);

// The system zone as the batch needs it: the offset at a civil time (as --at takes it) and the civil
// time at an instant (seconds since 1970-01-01 00:00 UT).
struct ZoneRules {
    std::function<int(const LocalDateTime&)> offsetAt;
    std::function<LocalDateTime(long long)> timeAt;
};

// The moments of one range. Without zone rules the civil time steps on evenly (the fixed zone).
class MomentRange {
public:
    // False with a one-line message when --to lies before --from or the range holds more than
    // kMaximumMoments moments.
    bool Plan(const LocalDateTime& from, const LocalDateTime& to, MomentStep step, const ZoneRules* zone,
              std::string& error);
    long long Count() const { return count_; }
    // Moment k (0 .. Count() - 1), with the offset in effect (0 in the fixed zone).
    LocalDateTime At(long long k) const;

private:
    LocalDateTime from_;
    MomentStep step_;
    const ZoneRules* zone_ = nullptr;
    long long fromInstant_ = 0;  // seconds since 1970 UT (the fixed zone: the civil fields read as UT)
    long long count_ = 0;
};

// Seconds since 1970-01-01 00:00 of the fields read as Universal Time (the proleptic Gregorian calendar).
long long FieldSeconds(const LocalDateTime& t);
// The fields of seconds since 1970-01-01 00:00 (utcOffsetSeconds 0).
LocalDateTime FieldsOfSeconds(long long seconds);

class ChartLayout;

// The lines of a batch, one moment at a time.
enum class LineFormat { kJson, kJsonWithoutLayout, kCsv };
class BatchLines {
public:
    enum class Outcome {
        kLine,           // line holds the moment's line
        kSettingsCheck,  // a settings check failed: its message went to the boxes; no line
        kNotFinite,      // error names the values that cannot be computed; no line
        kNoLayout,       // error says why the layout could not be decided; no line
    };
    // started: the state after start-up and the settings, which every moment starts from.
    BatchLines(const ChartState& started, LineFormat format);
    ~BatchLines();
    // The chart of the started state at the civil time t, exactly as --at t charts it, and its line
    // (with its line break).
    Outcome Chart(const LocalDateTime& t, MessageBoxes& boxes, std::string& line, std::string& error);

private:
    const ChartState& started_;
    LineFormat format_;
    FixedClock clock_;
    ChartState s_;
    std::unique_ptr<ChartLayout> layout_;
};

// The CSV table: its header line, and the row of one chart: the civil time with the zone the chart used
// (ISO 8601, "2026-12-10T00:00-05:00"), the 15 longitudes (bodies 1..15), 15 retrograde flags (1 or 0)
// and the 12 cusps in house order (cusp1 the Ascendant's).
std::string CsvHeader();
std::string CsvRow(const ChartState& s, const LocalDateTime& t);
void AppendCsvRow(std::string& line, const ChartState& s, const LocalDateTime& t);  // the row added to line

// A JSON text of kelo-chart's on one line (JSON Lines): the line breaks and the indentation between
// members and items dropped; texts are escaped, so no line break lies inside one.
std::string OneLineJson(const std::string& json);
