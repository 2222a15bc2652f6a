#include "settings/settings_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/numeric.h"
#include "core/setting_lines.h"
#include "settings/palette.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

// The shipped KELO.INI, as the build found it (generated from assets/KELO.INI).
extern const char* const kShippedSettingsText;

namespace {

// Edits within this time share one paint of the preview: a run of arrow steps or typed digits is
// painted once, still well within what the eye takes as at once.
constexpr int kPreviewDelayMs = 25;

struct ChoiceItem {
    const char* text;  // what the user reads
    float value;       // what the line holds for it
};

std::vector<ChoiceItem> PaletteChoices() {
    std::vector<ChoiceItem> choices;
    for (int i = 0; i < 16; ++i) choices.push_back({kPaletteColourNames[i], static_cast<float>(i)});
    return choices;
}

SettingsField Field(const char* name, const char* label, FormPage page, int line, FieldKind kind) {
    SettingsField f;
    f.name = name, f.label = label, f.page = page, f.line = line, f.kind = kind;
    return f;
}

SettingsField Number(const char* name, const char* label, FormPage page, int line, double min, double max,
                     double step) {
    SettingsField f = Field(name, label, page, line, FieldKind::Number);
    f.min = min, f.max = max, f.step = step;
    return f;
}

SettingsField Choice(const char* name, const char* label, FormPage page, int line, FieldKind kind,
                     const std::vector<ChoiceItem>& choices, int otherChoice) {
    SettingsField f = Field(name, label, page, line, kind);
    for (const ChoiceItem& c : choices) {
        f.choiceNames.push_back(c.text);
        f.choiceValues.push_back(c.value);
    }
    f.otherChoice = otherChoice;
    return f;
}

SettingsField Toggle(const char* name, const char* label, FormPage page, int line, float off, float on,
                     int otherChoice) {
    return Choice(name, label, page, line, FieldKind::Toggle, {{"off", off}, {"on", on}}, otherChoice);
}

SettingsField Colour(const char* name, const char* label, int line) {
    SettingsField f = Choice(name, label, FormPage::Look, line, FieldKind::Colour, PaletteChoices(), -1);
    f.rounded = true;  // the paint rounds a colour to a whole palette index
    return f;
}

SettingsField FontSize(const char* name, const char* label, int line) {
    return Number(name, label, FormPage::Look, line, 1, 72, 1);
}

std::vector<SettingsField> MakeFields() {
    using P = FormPage;
    std::vector<SettingsField> f;
    // Place.
    f.push_back(Number("latitudeDegrees", "L_atitude", P::Place, kLatitudeDegreesLine, 0, 90, 1));
    f.push_back(Number("latitudeMinutes", "Latitude minutes", P::Place, kLatitudeMinutesLine, 0, 59, 1));
    f.push_back(Choice("latitudeDirection", "Latitude north or south", P::Place, kLatitudeDirectionLine,
                       FieldKind::Choice, {{"N", 1}, {"S", -1}}, 0));  // exactly -1: south
    f.push_back(Number("longitudeDegrees", "L_ongitude", P::Place, kLongitudeDegreesLine, 0, 180, 1));
    f.push_back(Number("longitudeMinutes", "Longitude minutes", P::Place, kLongitudeMinutesLine, 0, 59, 1));
    f.push_back(Choice("longitudeDirection", "Longitude east or west", P::Place, kLongitudeDirectionLine,
                       FieldKind::Choice, {{"E", -1}, {"W", 1}}, 1));  // exactly -1: east
    f.push_back(Choice("zoneSource", "Time _zone", P::Place, kZoneSourceLine, FieldKind::Choice,
                       {{"System (daylight saving included)", 1}, {"Fixed offset from UTC", 0}}, 1));
    SettingsField offset = Number("zoneOffset", "Offset from UTC, hou_rs", P::Place, kTimeZoneLine, -12, 13, 0.5);
    offset.negated = true;  // the file: hours west of Greenwich; the form: UTC-5 for New York
    offset.digits = 2;
    offset.offWhenLine = kZoneSourceLine, offset.offWhenValue = 1;  // the system's zone: line 18 unused
    f.push_back(offset);
    // Chart.
    f.push_back(Choice("houseSystem", "Hous_e system", P::Chart, kHouseSystemLine, FieldKind::Choice,
                       {{"Placidus", 1}, {"Regiomontanus", 2}, {"Koch", 3}, {"Campanus", 4}, {"Porphyry", 5},
                        {"Equal", 6}, {"Meridian", 7}, {"Morinus", 8}},
                       0));  // any other value: Placidus
    SettingsField wheel = Choice("wheel", "_Wheel", P::Chart, kWheelModeLine, FieldKind::Choice,
                                 {{"Twelve equal sectors", 0}, {"Sectors at the house cusps", 1}}, 1);
    wheel.rounded = true;  // the wheel mode is the line rounded to a whole number; any but 0: the cusps
    f.push_back(wheel);
    f.push_back(Choice("node", "No_de", P::Chart, kNodeLine, FieldKind::Choice, {{"Mean", 0}, {"True", 1}}, 0));
    f.push_back(Choice("zodiac", "_Zodiac", P::Chart, kZodiacLine, FieldKind::Choice,
                       {{"Tropical", 0}, {"Tropical with the precession shift", 1}, {"Sidereal", 2}}, 0));
    f.push_back(Toggle("fixedSignHouses", "_Fixed-sign houses (with a zodiac shift)", P::Chart,
                       kFixedSignHousesLine, 0, 99, 0));
    f.push_back(Toggle("fortuneInVoidTest", "Part of Fortune in the Moon's _void-of-course test", P::Chart,
                       kFortuneInVoidTestLine, 0, 1, 1));  // any value but 0: on
    f.push_back(Toggle("aspectLines", "_Aspect lines", P::Chart, kAspectLinesLine, 0, 1, 0));
    f.push_back(Number("orb60", "Orb of the _sextile, 60°", P::Chart, kOrb60Line, 0, 30, 0.5));
    f.push_back(Number("orb90", "Orb of the s_quare, 90°", P::Chart, kOrb90Line, 0, 30, 0.5));
    f.push_back(Number("orb120", "Orb of the t_rine, 120°", P::Chart, kOrb120Line, 0, 30, 0.5));
    f.push_back(Number("orb150", "Orb of the qu_incunx, 150°", P::Chart, kOrb150Line, 0, 30, 0.5));
    f.push_back(Number("orb180", "Orb of the opp_osition, 180°", P::Chart, kOrb180Line, 0, 30, 0.5));
    // Screen.
    f.push_back(Choice("exitMode", "_End the screen saver on", P::Screen, kExitModeLine, FieldKind::Choice,
                       {{"Moving the mouse", 0},
                        {"A click", 1},
                        {"A click or moving the mouse", 2},
                        {"Any key", 3},
                        {"A key or moving the mouse", 4},
                        {"A click or a key", 5},
                        {"A click, a key or moving the mouse", 6}},
                       -1));
    f.push_back(Toggle("pointer", "Show the _mouse pointer", P::Screen, kPointerLine, 0, 1, 1));  // exactly 0: hidden
    f.push_back(Toggle("drift", "Screen care: mo_ve the picture a little every minute", P::Screen, kDriftLine, 0,
                       1, 0));
    f.push_back(Number("nightDimming", "_Night brightness in % (0: no dimming)", P::Screen, kNightDimmingLine, 0, 100,
                       10));  // 10..100 while the Sun is below the horizon
    // Look: the colour and the size of each part of the picture, row by row.
    f.push_back(Colour("infoTextColour", "_Information text", kInfoTextColourLine));
    f.push_back(FontSize("infoTextSize", "Information text size", kInfoTextSizeLine));
    f.push_back(Colour("cuspDegreesColour", "Cusp _degrees", kCuspDegreesColourLine));
    f.push_back(FontSize("cuspDegreesSize", "Cusp degrees size", kCuspDegreesSizeLine));
    f.push_back(Colour("cuspSignColour", "Cusp si_gns", kCuspSignColourLine));
    f.push_back(FontSize("signGlyphSize", "Cusp and intercepted signs size", kSignGlyphSizeLine));
    f.push_back(Colour("cuspMinutesColour", "Cusp _minutes", kCuspMinutesColourLine));
    f.push_back(FontSize("cuspMinutesSize", "Cusp minutes size", kCuspMinutesSizeLine));
    f.push_back(Colour("bodyGlyphColour", "Planet gl_yphs", kBodyGlyphColourLine));
    f.push_back(FontSize("bodyGlyphSize", "Planet glyphs size", kBodyGlyphSizeLine));
    f.push_back(Colour("bodyDegreesColour", "Planet d_egrees", kBodyDegreesColourLine));
    f.push_back(FontSize("bodyDegreesSize", "Planet degrees size", kBodyDegreesSizeLine));
    f.push_back(Colour("bodySignColour", "Planet _signs", kBodySignColourLine));
    f.push_back(FontSize("bodySignSize", "Planet signs size", kBodySignSizeLine));
    f.push_back(Colour("bodyMinutesColour", "Planet min_utes", kBodyMinutesColourLine));
    f.push_back(FontSize("bodyMinutesSize", "Planet minutes size", kBodyMinutesSizeLine));
    f.push_back(Colour("retrogradeColour", "_Retrograde marks", kRetrogradeColourLine));
    f.push_back(FontSize("retrogradeSize", "Retrograde marks size", kRetrogradeSizeLine));
    f.push_back(Colour("voidMoonColour", "_Void-of-course Moon", kVoidMoonColourLine));
    f.push_back(FontSize("voidMoonSize", "Void-of-course Moon size", kVoidMoonSizeLine));
    f.push_back(Colour("ascendantColour", "_Ascendant", kAscendantColourLine));
    f.push_back(FontSize("ascendantSize", "Ascendant size", kAscendantSizeLine));
    f.push_back(Colour("midheavenColour", "Mid_heaven", kMidheavenColourLine));
    f.push_back(FontSize("midheavenSize", "Midheaven size", kMidheavenSizeLine));
    f.push_back(Colour("trineSextileColour", "Aspect lines of _60° and 120°", kTrineSextileColourLine));
    f.push_back(Colour("squareOppositionColour", "Aspect lines of _90° and 180°", kSquareOppositionColourLine));
    f.push_back(Colour("quincunxColour", "Aspect lines of _150°", kQuincunxColourLine));
    f.push_back(FontSize("aspectGlyphSize", "Aspec_t glyphs", kAspectGlyphSizeLine));
    f.push_back(Colour("backgroundColour", "_Background", kBackgroundColourLine));
    f.push_back(Colour("wheelCircleColour", "_Wheel circles", kWheelCircleColourLine));
    f.push_back(Colour("spokeColour", "House spo_kes", kSpokeColourLine));
    return f;
}

// A line's number field: its first seven characters (fewer on a shorter line).
std::string FieldOf(const std::string& line) { return line.substr(0, kSettingsField); }

float ValueOf(const std::string& line) { return ToSingle(LeadingNumber(FieldOf(line))); }

// The shortest plain decimal of at most seven characters that reads back as value; the nearest one
// that fits when none does.
std::string NumberText(float value) {
    std::string best;
    for (int decimals = 0; decimals <= 6; ++decimals) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
        std::string t = buffer;
        if (t.find('.') != std::string::npos) {
            while (t.back() == '0') t.pop_back();
            if (t.back() == '.') t.pop_back();
        }
        if (t == "-0") t = "0";
        if (t.size() > static_cast<std::size_t>(kSettingsField)) break;
        best = t;
        if (ToSingle(LeadingNumber(t)) == value) break;
    }
    return best.empty() ? "0" : best;
}

}  // namespace

const std::vector<SettingsField>& SettingsFields() {
    static const std::vector<SettingsField> fields = MakeFields();
    return fields;
}

int FieldOfLine(int line) {
    const auto& fields = SettingsFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].line == line) return static_cast<int>(i);
    return -1;
}

int FieldNamed(const std::string& name) {
    const auto& fields = SettingsFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (name == fields[i].name) return static_cast<int>(i);
    return -1;
}

double FieldNumber(const SettingValues& values, int field) {
    const SettingsField& f = SettingsFields()[field];
    const double v = values[f.line];
    return f.negated && v != 0 ? -v : v;
}

int FieldChoice(const SettingValues& values, int field) {
    const SettingsField& f = SettingsFields()[field];
    float v = values[f.line];
    if (f.rounded && std::isfinite(v) && std::fabs(v) < 32768) v = Round16(v);
    for (std::size_t i = 0; i < f.choiceValues.size(); ++i)
        if (v == f.choiceValues[i]) return static_cast<int>(i);
    return f.otherChoice;
}

void SetFieldNumber(SettingValues& values, int field, double shown) {
    const SettingsField& f = SettingsFields()[field];
    values[f.line] = ToSingle(f.negated ? -shown : shown);
}

void SetFieldChoice(SettingValues& values, int field, int choice) {
    const SettingsField& f = SettingsFields()[field];
    if (choice < 0 || choice >= static_cast<int>(f.choiceValues.size())) return;
    // Choosing what the field shows already keeps the line as it is (a wheel of 0.3 stays 0.3).
    if (choice == FieldChoice(values, field)) return;
    values[f.line] = f.choiceValues[choice];
}

std::string FieldNumberText(int field, double shown) {
    const SettingsField& f = SettingsFields()[field];
    const float value = ToSingle(shown);
    if (f.digits > 0 && std::isfinite(shown)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", f.digits, shown);
        if (ToSingle(LeadingNumber(buffer)) == value) return buffer;
    }
    return NumberText(value);
}

double SteppedNumber(int field, double now, int steps) {
    const SettingsField& f = SettingsFields()[field];
    const double next = std::round((now + steps * f.step) / f.step) * f.step;
    return std::clamp(next, std::min(f.min, now), std::max(f.max, now));
}

bool FieldApplies(const SettingValues& values, int field) {
    const SettingsField& f = SettingsFields()[field];
    return f.offWhenLine == 0 || !IsExactly(values[f.offWhenLine], f.offWhenValue);
}

std::string ProblemSummary(const std::vector<SettingsProblem>& problems) {
    if (problems.empty()) return "";
    return "A check fails: the screen saver will show its warning instead of a new chart. The preview keeps "
           "the last chart that passed.";
}

const OptionsFormLayout& FormLayout() {
    static const OptionsFormLayout layout = [] {
        OptionsFormLayout l;
        l.pages = {{"_Place", false}, {"_Chart", true}, {"Scree_n", true}, {"_Look", true}};
        for (const SettingsField& f : SettingsFields()) l.fields.push_back(f);
        l.palette = kPalette;
        l.previewDelayMs = kPreviewDelayMs;
        l.previewCaption = "The chart of the present moment, as edited";
        return l;
    }();
    return layout;
}

SettingValues SettingValuesOfText(const std::string& text, int* linesRead) {
    SettingValues values{};
    int n = 0;
    for (const std::string& line : SplitSettingsLines(text)) {
        if (line.empty() || n == kSettingsLines) break;
        values[++n] = ValueOf(line);
    }
    if (linesRead != nullptr) *linesRead = n;
    return values;
}

bool LineIsRead(const std::string& text, int line) {
    int n = 0;
    SettingValuesOfText(text, &n);
    return line >= 1 && line <= n;
}

std::string SettingFieldText(float value, const std::string& oldField) {
    const std::string number = NumberText(value);
    std::size_t blanks = oldField.find_first_not_of(" \t");
    if (blanks == std::string::npos) blanks = 0;  // an empty or blank field: the number from the start
    std::string field = blanks + number.size() <= static_cast<std::size_t>(kSettingsField)
                            ? oldField.substr(0, blanks) + number
                            : number;
    if (field.size() < oldField.size()) field.append(oldField.size() - field.size(), ' ');
    return field;
}

std::string RewriteSettingValues(const std::string& text, const SettingValues& values) {
    int linesRead = 0;
    SettingValuesOfText(text, &linesRead);
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t at = 0;
    int n = 0;
    for (const std::string& line : SplitSettingsLines(text)) {
        // The line end that follows this line in the text, kept as it is.
        std::size_t end = at + line.size();
        std::size_t next = end;
        if (next < text.size()) next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        ++n;
        const float value = n <= linesRead ? values[n] : 0;
        if (n <= linesRead && std::isfinite(value) && ValueOf(line) != value) {
            const std::string oldField = FieldOf(line);
            out += SettingFieldText(value, oldField);
            out.append(line, oldField.size());
        } else {
            out += line;
        }
        out.append(text, end, next - end);
        at = next;
    }
    out.append(text, at);  // nothing, unless the text ends in the middle of a line end
    return out;
}

std::string SaveSettingsBytes(const std::string& fileBytes, const SettingValues& values) {
    SettingsText t = DecodeSettingsText(fileBytes);
    t.text = RewriteSettingValues(t.text, values);
    return EncodeSettingsText(t);
}

const SettingValues& ShippedSettingValues() {
    static const SettingValues values = SettingValuesOfText(kShippedSettingsText);
    return values;
}

void RestoreDefaults(SettingValues& values, FormPage page) {
    if (!FormLayout().pages[static_cast<std::size_t>(page)].restorable) return;
    for (const SettingsField& f : SettingsFields())
        if (f.page == page) values[f.line] = ShippedSettingValues()[f.line];
}
