// kelo-chart: the chart of one moment, computed exactly as the screen saver computes it, printed as
// text, as one JSON object or as a CSV row; or the charts of a range of moments, one per line.
//
//   kelo-chart [--settings PATH] [--at YYYY-MM-DDTHH:MM] [--date-order 0|1|2] [--clock-format 0|1] [--json]
//              [--csv] [--no-layout] [--png FILE] [--svg FILE] [--size WxH]
//              [--from YYYY-MM-DDTHH:MM --to YYYY-MM-DDTHH:MM --step N(m|h|d)]
//
// Exit status: 0 a chart; 2 a bad command line or a settings file that cannot be read; 3 a settings
// check failed (the JSON is still printed, the messages also go to standard error); 4 the settings lead
// to a value that cannot be computed (not a finite number), so no chart is printed; 5 a picture could
// not be written.
#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "apps/kelo-chart/chart_batch.h"
#include "apps/kelo-chart/chart_json.h"
#include "apps/kelo-chart/chart_picture.h"
#include "apps/kelo-chart/chart_text.h"
#include "platform/fixed_clock.h"
#ifdef _WIN32
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_time_zone.h"
#else
#include "platform/linux/file_text_lines.h"
#include "platform/linux/linux_process.h"
#include "platform/linux/locale_registry.h"
#include "platform/linux/system_clock.h"
#endif
#include "core/numeric.h"
#include "core/setting_lines.h"
#include "shell/chart_startup.h"
#include "shell/update_chart.h"

namespace {

// The platform's own process (where the settings file and the glyph font lie), legacy regional file,
// regional registry and clock: the ones the screen saver uses.
#ifdef _WIN32
using ChartProcess = Win32Process;
using LegacyIniFile = Win32TextFileLines;
using LocaleRegistry = Win32Registry;
using SystemClock = Win32Clock;
#else
using ChartProcess = LinuxProcess;
#endif

constexpr int kExitChart = 0;
constexpr int kExitUsage = 2;
constexpr int kExitSettingsCheck = 3;
constexpr int kExitNotFinite = 4;
constexpr int kExitPicture = 5;

struct ChartOptions {
    std::string settingsPath;  // empty: the screen saver's settings file
    std::optional<LocalDateTime> at;
    std::optional<int> dateOrder;
    std::optional<int> clockFormat;
    bool json = false;
    bool csv = false;
    bool noLayout = false;
    bool help = false;
    std::optional<LocalDateTime> from, to;
    std::optional<MomentStep> step;
    PictureRequest picture;
};

// One command-line option: its name, the name of its value (empty for a switch), its help text, and
// what it does with the value. An option's value follows as the next argument or after "=".
struct OptionSpec {
    std::string name;
    std::string valueName;
    std::string help;
    std::function<bool(ChartOptions&, const std::string& value, std::string& error)> apply;
};

bool ParseInteger(const std::string& text, int low, int high, int& out) {
    if (text.empty() || text.size() > 6) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < low || v > high) return false;
    out = v;
    return true;
}

bool IsLeapYear(int y) {
    // The chart counts dates up to 1582 October 15 in the Julian calendar, later ones in the Gregorian.
    if (y <= 1582) return y % 4 == 0;
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

bool ParseMoment(const std::string& text, LocalDateTime& t) {
    // YYYY-MM-DDTHH:MM
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != 't') ||
        text[13] != ':')
        return false;
    if (!ParseInteger(text.substr(0, 4), 0, 9999, t.year) || !ParseInteger(text.substr(5, 2), 1, 12, t.month) ||
        !ParseInteger(text.substr(8, 2), 1, 31, t.day) || !ParseInteger(text.substr(11, 2), 0, 23, t.hour) ||
        !ParseInteger(text.substr(14, 2), 0, 59, t.minute))
        return false;
    static const int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = kDaysInMonth[t.month - 1] + (t.month == 2 && IsLeapYear(t.year) ? 1 : 0);
    if (t.day > days) return false;
    t.second = 0;
    return true;
}

// A moment option (--at, --from, --to): the local civil time it gives.
auto MomentOption(const std::string& name, std::optional<LocalDateTime> ChartOptions::*moment) {
    return [=](ChartOptions& o, const std::string& v, std::string& error) {
        LocalDateTime t;
        if (!ParseMoment(v, t)) {
            error = name + " wants a date and time as YYYY-MM-DDTHH:MM, not \"" + v + "\"";
            return false;
        }
        o.*moment = t;
        return true;
    };
}

// A switch that sets one flag.
auto Switch(bool ChartOptions::*flag) {
    return [=](ChartOptions& o, const std::string&, std::string&) {
        o.*flag = true;
        return true;
    };
}

// A regional code 0..highest given on the command line instead of the regional format's.
auto RegionalCode(const std::string& wants, int highest, std::optional<int> ChartOptions::*code) {
    return [=](ChartOptions& o, const std::string& v, std::string& error) {
        int n;
        if (!ParseInteger(v, 0, highest, n)) {
            error = wants + ", not \"" + v + "\"";
            return false;
        }
        o.*code = n;
        return true;
    };
}

std::vector<OptionSpec> Options() {
    return {
        {"--settings", "PATH", "settings file (default: the screen saver's KELO.INI)",
         [](ChartOptions& o, const std::string& v, std::string&) {
             o.settingsPath = v;
             return true;
         }},
        {"--at", "YYYY-MM-DDTHH:MM",
         "local civil time (default: now); zone: the system's (line 17 = 1) or line 18",
         MomentOption("--at", &ChartOptions::at)},
        {"--date-order", "0|1|2",
         "0 month/day/year, 1 day/month/year, 2 year/month/day (default: the regional format)",
         RegionalCode("--date-order wants 0, 1 or 2", 2, &ChartOptions::dateOrder)},
        {"--clock-format", "0|1", "0 12-hour clock, 1 24-hour clock (default: the regional format)",
         RegionalCode("--clock-format wants 0 or 1", 1, &ChartOptions::clockFormat)},
        {"--json", "", "print one JSON object instead of the readable chart (a batch: one per line)",
         Switch(&ChartOptions::json)},
        {"--csv", "", "print a CSV header and one row per chart instead", Switch(&ChartOptions::csv)},
        {"--no-layout", "", "leave the layout out of the JSON (the paint is not run)",
         Switch(&ChartOptions::noLayout)},
        {"--from", "YYYY-MM-DDTHH:MM", "a batch: the charts from this civil time ...",
         MomentOption("--from", &ChartOptions::from)},
        {"--to", "YYYY-MM-DDTHH:MM", "... to this one (included) ...", MomentOption("--to", &ChartOptions::to)},
        {"--step", "N(m|h|d)", "... every N minutes, hours or days (1m, 15m, 2h, 1d)",
         [](ChartOptions& o, const std::string& v, std::string& error) {
             MomentStep step;
             if (!ParseMomentStep(v, step)) {
                 error = "--step wants a whole number above 0 of minutes, hours or days (1m, 2h, 1d), not \"" + v +
                         "\"";
                 return false;
             }
             o.step = step;
             return true;
         }},
        {"--png", "FILE", "also draw the chart as the screen saver shows it, as a PNG image",
         [](ChartOptions& o, const std::string& v, std::string&) { return !(o.picture.pngPath = v).empty(); }},
        {"--svg", "FILE", "also draw the chart as an SVG document",
         [](ChartOptions& o, const std::string& v, std::string&) { return !(o.picture.svgPath = v).empty(); }},
        {"--size", "WxH", "size of the pictures in pixels (default 1024x768)",
         [](ChartOptions& o, const std::string& v, std::string& error) {
             if (ParsePictureSize(v, o.picture.width, o.picture.height)) return true;
             error = "--size wants WIDTHxHEIGHT, each 16..16384 pixels, not \"" + v + "\"";
             return false;
         }},
        {"--help", "", "show this help and exit", Switch(&ChartOptions::help)},
    };
}

bool ParseCommandLine(int argc, char** argv, const std::vector<OptionSpec>& optionTable, ChartOptions& o,
                      std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string name = arg, value;
        bool inlineValue = false;
        if (std::size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            inlineValue = true;
        }
        if (name == "-h") name = "--help";
        const OptionSpec* option = nullptr;
        for (const OptionSpec& s : optionTable)
            if (s.name == name) option = &s;
        if (option == nullptr) {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
        if (!option->valueName.empty() && !inlineValue) {
            if (i + 1 >= argc) {
                error = option->name + " wants a value (" + option->valueName + ")";
                return false;
            }
            value = argv[++i];
        } else if (option->valueName.empty() && inlineValue) {
            error = option->name + " takes no value";
            return false;
        }
        if (!option->apply(o, value, error)) return false;
    }
    return true;
}

void PrintHelp(std::ostream& out, const std::vector<OptionSpec>& optionTable) {
    out << "Usage: kelo-chart [OPTION]...\n"
           "Compute the astrological chart of one moment for the place, house system and options of a\n"
           "Kelo settings file, as the screen saver does at its minute mark, and print it.\n\n";
    for (const OptionSpec& s : optionTable) {
        std::string head = "  " + s.name + (s.valueName.empty() ? "" : " " + s.valueName);
        out << head << (head.size() < 30 ? std::string(30 - head.size(), ' ') : "\n" + std::string(30, ' '))
            << s.help << "\n";
    }
    out << "\nA batch (--from, --to and --step together) prints the charts of every moment from --from to\n"
           "--to in one process, with --json one object per line (JSON Lines) or with --csv a table: time\n"
           "(civil, with the zone's offset), the longitudes of the 15 bodies, their retrograde flags (1 or 0)\n"
           "and the 12 house cusps from the 1st. The moments are civil times in the chart's zone, as --at\n"
           "has them; in the system's zone a step of minutes or hours follows real time across a change of\n"
           "daylight saving, a step of days keeps the clock time. At most 10000000 moments.\n"
           "\nWith --json the keys are settingsError, messages, dayNumber, dayFraction, ramcRad,\n"
           "mcLongitude, ascLongitude, siderealText, houseCusp (slots 1..12, slot 1 the 10th cusp),\n"
           "bodyLongitude (1 Sun .. 9 Pluto, 10 Moon, 11 node, 12 opposite node, 13 Part of Fortune,\n"
           "14 Ascendant, 15 Midheaven), retroFlags, precessionShift, siderealShift, altNodeLongitude,\n"
           "houseLine, infoLines and moonVoid, and layout (the decisions of the chart's paint at --size).\n\n"
           "Exit status: 0 a chart; 2 a bad command line (a range whose --to lies before --from or\n"
           "that holds too many moments included) or an unreadable settings file; 3 a settings check\n"
           "failed (its messages go to standard error; one chart's JSON is still printed, a batch prints\n"
           "nothing); 4 the settings give a value that cannot be computed; 5 a picture could not be\n"
           "written.\n"
           "The regional format is the screen saver's: the iDate and iTime lines of the legacy regional\n"
           "file (on Windows c:\\windows\\win.ini, on Linux the file that the environment variable\n"
           "KELO_LEGACY_INI names), else the Region settings (on Linux the locale).\n";
}

#ifdef _WIN32
bool TerminalIsUtf8() { return GetConsoleOutputCP() == CP_UTF8; }
#else
bool TerminalIsUtf8() {
    setlocale(LC_CTYPE, "");  // only the character set; numbers keep the "." of the C locale
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && std::string(codeset) == "UTF-8";
}
#endif

// The boxes of the update become lines on standard error, and are kept for the JSON.
class CollectedMessages : public MessageBoxes {
public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon) override {
        std::cerr << "kelo-chart: " << title << " " << text << "\n";
        texts.push_back(text);
    }
    std::vector<std::string> texts;
};

// Combinations of options that cannot go together: a message, or empty.
std::string ConflictOf(const ChartOptions& o) {
    const bool batch = o.from || o.to || o.step;
    if (batch && !(o.from && o.to && o.step)) return "--from, --to and --step go together";
    if (batch && o.at) return "--at gives one moment, --from and --to a range: not both";
    if (o.json && o.csv) return "--json and --csv: choose one";
    if (batch && !o.json && !o.csv) return "a range of moments is printed with --json or --csv";
    if (batch && (!o.picture.pngPath.empty() || !o.picture.svgPath.empty()))
        return "pictures are drawn of one moment: --png and --svg do not go with --from";
    return {};
}

// The names of a chart's values that cannot be computed, as one message; empty when all can.
std::string NotFiniteMessage(const ChartState& s) {
    std::string names;
    for (const std::string& b : NonFiniteValues(s)) names += (names.empty() ? "" : ", ") + b;
    if (names.empty()) return {};
    return "the settings in " + s.settingsFileName + " give values that cannot be computed (not finite): " + names;
}

// The batch: every moment of the range charted from the one started state, as --at would chart it.
int RunBatch(const ChartState& started, const ChartOptions& options, Clock& systemClock) {
    ZoneRules systemZone{[&](const LocalDateTime& t) { return systemClock.UtcOffsetAt(t); },
                         [](long long instant) { return SystemZoneTimeAt(instant); }};
    const bool inSystemZone = IsExactly(started.settingValues[kZoneSourceLine], 1);
    MomentRange range;
    std::string error;
    if (!range.Plan(*options.from, *options.to, *options.step, inSystemZone ? &systemZone : nullptr, error)) {
        std::cerr << "kelo-chart: " << error << "\n";
        return kExitUsage;
    }
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (options.csv) std::fputs(CsvHeader().c_str(), stdout);

    BatchLines lines(started, options.csv       ? LineFormat::kCsv
                              : options.noLayout ? LineFormat::kJsonWithoutLayout
                                                 : LineFormat::kJson);
    CollectedMessages messages;
    std::string line;
    for (long long k = 0; k < range.Count(); ++k) {
        const LocalDateTime t = range.At(k);
        switch (lines.Chart(t, messages, line, error)) {
            case BatchLines::Outcome::kLine:
                std::fwrite(line.data(), 1, line.size(), stdout);
                continue;
            case BatchLines::Outcome::kSettingsCheck:
                return kExitSettingsCheck;  // the same for every moment: said once
            case BatchLines::Outcome::kNotFinite:
                std::fflush(stdout);
                std::cerr << "kelo-chart: the settings in " << started.settingsFileName
                          << " give values that cannot be computed (not finite) at " << CsvRow(started, t).substr(0, 16)
                          << ": " << error << "\n";
                return kExitNotFinite;
            case BatchLines::Outcome::kNoLayout:
                std::fflush(stdout);
                std::cerr << "kelo-chart: " << error << "\n";
                return kExitPicture;
        }
    }
    return std::fflush(stdout) == 0 ? kExitChart : kExitPicture;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<OptionSpec> optionTable = Options();
    ChartOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, optionTable, options, error)) {
        std::cerr << "kelo-chart: " << error << " (see kelo-chart --help)\n";
        return kExitUsage;
    }
    if (options.help) {
        PrintHelp(std::cout, optionTable);
        return kExitChart;
    }
    if (std::string conflict = ConflictOf(options); !conflict.empty()) {
        std::cerr << "kelo-chart: " << conflict << " (see kelo-chart --help)\n";
        return kExitUsage;
    }

    // The screen saver's start-up: the settings file it would read (unless --settings names one), the
    // regional format (unless the command line gives it), the constants, the settings and the tables.
    ChartState s;
    s.settingsFileName = options.settingsPath;
    ChartProcess process;
    LegacyIniFile files;
    LocaleRegistry registry;
    PrepareChartState(s, process, files, registry);
    if (options.dateOrder) s.dateOrder = static_cast<int16_t>(*options.dateOrder);
    if (options.clockFormat) s.clockFormat = static_cast<int16_t>(*options.clockFormat);
    if (!LoadChartSettings(s)) {
        std::cerr << "kelo-chart: cannot read the settings file " << s.settingsFileName << "\n";
        return kExitUsage;
    }

    // The clock: the moment given, or now. A clock format given on the command line gets texts of
    // its own shape, so that the afternoon marker agrees with it.
    SystemClock systemClock;
    if (options.from) return RunBatch(s, options, systemClock);
    std::optional<FixedClock> fixedClock;
    if (options.at) {
        // Civil time in the system's zone, with the offset the zone has on that date (used when settings
        // line 17 is exactly 1).
        LocalDateTime at = *options.at;
        at.utcOffsetSeconds = systemClock.UtcOffsetAt(at);
        fixedClock.emplace(at, s.clockFormat);
    } else if (options.clockFormat)
        fixedClock.emplace(systemClock.Now(), s.clockFormat);
    Clock& clock = fixedClock ? static_cast<Clock&>(*fixedClock) : static_cast<Clock&>(systemClock);

    CollectedMessages messages;
    UpdateChart(s, clock, messages);

    if (s.settingsError == 0) {
        if (std::string bad = NotFiniteMessage(s); !bad.empty()) {
            std::cerr << "kelo-chart: " << bad << "\n";
            return kExitNotFinite;
        }
    }

    const bool pictures = !options.picture.pngPath.empty() || !options.picture.svgPath.empty();
    if (s.settingsError == 0 && pictures && !PaintChartPictures(s, options.picture, error)) {
        std::cerr << "kelo-chart: " << error << "\n";
        return kExitPicture;
    }
    if (options.json) {
        // The layout of the pictures' paint, or of a paint without pixels.
        std::vector<JsonMember> extra;
        if (s.settingsError == 0 && !options.noLayout) {
            if (!pictures && !ChartLayout(s.glyphFontPath).Decide(s, error)) {
                std::cerr << "kelo-chart: " << error << "\n";
                return kExitPicture;
            }
            extra.push_back({"layout", LayoutJson(s)});
        }
        std::cout << ChartJson(s, messages.texts, extra);
    } else if (options.csv) {
        std::cout << CsvHeader();
        if (s.settingsError == 0) std::cout << CsvRow(s, clock.Now());
    } else if (s.settingsError == 0) {
        WriteChartText(std::cout, s, TerminalIsUtf8());
    }
    std::cout.flush();
    return s.settingsError == 1 ? kExitSettingsCheck : kExitChart;
}
