#include "platform/whole_file.h"
#include "settings/settings_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "settings/city_list.h"
#include "settings/options_editor.h"
#include "core/setting_lines.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"
#include "shell/shell_fixture.h"
#include "shell/startup_values.h"

namespace {

int F(const char* name) {
    const int field = FieldNamed(name);
    EXPECT_GE(field, 0) << name;
    return field;
}

std::string ShippedFile() {
    std::ifstream in(KELO_SHIPPED_SETTINGS, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The lines of two texts that differ, by number.
std::vector<int> ChangedLines(const std::string& a, const std::string& b) {
    const auto x = SplitSettingsLines(a), y = SplitSettingsLines(b);
    std::vector<int> changed;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i)
        if (i >= x.size() || i >= y.size() || x[i] != y[i]) changed.push_back(static_cast<int>(i + 1));
    return changed;
}

TEST(SettingsFields, EveryLineHasOneFieldAndEveryChoiceWritesAndReadsBack) {
    std::vector<int> seen(93, 0);
    for (int i = 0; i < static_cast<int>(SettingsFields().size()); ++i) {
        const SettingsField& f = SettingsFields()[i];
        ASSERT_TRUE(f.line >= 1 && f.line <= 92) << f.name;
        EXPECT_EQ(++seen[f.line], 1) << "line " << f.line << " twice";
        EXPECT_EQ(FieldOfLine(f.line), i);
        const int n = static_cast<int>(f.choiceValues.size());
        EXPECT_EQ(f.choiceNames.size(), f.choiceValues.size()) << f.name;
        for (int c = 0; c < n; ++c) {
            SettingValues v{};
            v[f.line] = f.choiceValues[(c + 1) % n];
            SetFieldChoice(v, i, c);
            EXPECT_EQ(v[f.line], f.choiceValues[c]) << f.name << " " << c;
            EXPECT_EQ(FieldChoice(v, i), c) << f.name;
        }
    }
    // Every colour and every font size of the picture, and the lines the issue names.
    for (int line : {kOrb60Line, kOrb90Line, kOrb120Line, kOrb180Line, kOrb150Line, kWheelModeLine,
                     kFortuneInVoidTestLine, kDriftLine, kZoneSourceLine, kTimeZoneLine, kHouseSystemLine, kNodeLine,
                     kPointerLine, kExitModeLine, kZodiacLine, kFixedSignHousesLine, kAspectLinesLine})
        EXPECT_EQ(seen[line], 1) << line;
    for (int line = kInfoTextSizeLine; line <= kSpokeColourLine; ++line) EXPECT_EQ(seen[line], 1) << line;
    for (int line = kVoidMoonSizeLine; line <= kMidheavenColourLine; ++line) EXPECT_EQ(seen[line], 1) << line;
}

TEST(SettingsFields, ThePlaceIsShownTheNaturalWayAndWrittenInTheFilesConvention) {
    SettingValues v = SettingValuesOfText(SettingsText({{21, "-1"}, {24, "-1"}}));
    // New York: 40 deg 43' N, 74 deg 0' W, UTC-5 (the file: 5 hours west).
    SetFieldNumber(v, F("latitudeDegrees"), 40);
    SetFieldNumber(v, F("latitudeMinutes"), 43);
    SetFieldChoice(v, F("latitudeDirection"), 0);
    SetFieldNumber(v, F("longitudeDegrees"), 74);
    SetFieldChoice(v, F("longitudeDirection"), 1);
    SetFieldChoice(v, F("zoneSource"), 1);
    SetFieldNumber(v, F("zoneOffset"), -5);
    EXPECT_EQ(v[22], 40);
    EXPECT_EQ(v[23], 43);
    EXPECT_EQ(v[24], 1);
    EXPECT_EQ(v[19], 74);
    EXPECT_EQ(v[21], 1);
    EXPECT_EQ(v[17], 0);
    EXPECT_EQ(v[18], 5);
    EXPECT_EQ(FieldNumber(v, F("zoneOffset")), -5);
    // Sydney: south and east, UTC+10.
    SetFieldChoice(v, F("latitudeDirection"), 1);
    SetFieldChoice(v, F("longitudeDirection"), 0);
    SetFieldNumber(v, F("zoneOffset"), 10);
    EXPECT_EQ(v[24], -1);
    EXPECT_EQ(v[21], -1);
    EXPECT_EQ(v[18], -10);
    v[18] = 0;
    EXPECT_FALSE(std::signbit(FieldNumber(v, F("zoneOffset"))));  // UTC+0, not "-0"
}

TEST(SettingsFields, ValuesAFieldCannotNameShowAsTheProgramReadsThemAndStayUntilChanged) {
    SettingValues v{};
    v[kWheelModeLine] = 0.3f;  // rounds to 0: equal sectors
    v[kHouseSystemLine] = 9;   // any other value: Placidus
    v[kLatitudeDirectionLine] = 0;  // not exactly -1: north
    v[kPointerLine] = 2;       // not exactly 0: shown
    v[kExitModeLine] = 7;      // no named mode
    v[kBackgroundColourLine] = 17;
    EXPECT_EQ(FieldChoice(v, F("wheel")), 0);
    EXPECT_EQ(FieldChoice(v, F("houseSystem")), 0);
    EXPECT_EQ(FieldChoice(v, F("latitudeDirection")), 0);
    EXPECT_EQ(FieldChoice(v, F("pointer")), 1);
    EXPECT_EQ(FieldChoice(v, F("exitMode")), -1);
    EXPECT_EQ(FieldChoice(v, F("backgroundColour")), -1);
    const SettingValues before = v;
    SetFieldChoice(v, F("wheel"), 0);
    SetFieldChoice(v, F("houseSystem"), 0);
    SetFieldChoice(v, F("pointer"), 1);
    SetFieldChoice(v, F("exitMode"), -1);
    EXPECT_EQ(v, before);
    SetFieldChoice(v, F("houseSystem"), 7);
    EXPECT_EQ(v[kHouseSystemLine], 8);
}

TEST(SettingFieldText, NumbersAreWrittenShortLeftAlignedAndPaddedAsTheFieldWas) {
    EXPECT_EQ(SettingFieldText(5, "74     "), "5      ");
    EXPECT_EQ(SettingFieldText(-1, "1      "), "-1     ");
    EXPECT_EQ(SettingFieldText(7.5f, "8      "), "7.5    ");
    EXPECT_EQ(SettingFieldText(0.1f, "0      "), "0.1    ");
    EXPECT_EQ(SettingFieldText(-13, "5"), "-13");        // a short line stays short
    EXPECT_EQ(SettingFieldText(12, "  7    "), "  12   ");  // its own leading blanks kept
    EXPECT_EQ(SettingFieldText(-123456, "  7    "), "-123456");
    EXPECT_EQ(SettingFieldText(0, ""), "0");
    for (float x : {66.01f, 0.25f, 5.75f, 1e6f, -0.333f}) {
        const std::string t = SettingFieldText(x, "0      ");
        EXPECT_EQ(t.size(), 7u);
        EXPECT_EQ(ToSingle(LeadingNumber(t)), x) << t;
    }
}

TEST(RewriteSettingValues, OnlyTheChangedLinesFirstSevenCharactersChange) {
    const std::string file = ShippedFile();
    SettingValues v = SettingValuesOfText(file);
    EXPECT_EQ(RewriteSettingValues(file, v), file);
    SetFieldNumber(v, F("latitudeDegrees"), 51);
    SetFieldChoice(v, F("houseSystem"), 2);  // Koch
    const std::string edited = RewriteSettingValues(file, v);
    EXPECT_EQ(ChangedLines(file, edited), (std::vector<int>{22, 27}));
    const auto lines = SplitSettingsLines(edited), old = SplitSettingsLines(file);
    EXPECT_EQ(lines[21], "51" + old[21].substr(2));
    EXPECT_EQ(lines[26], "3" + old[26].substr(1));
    EXPECT_EQ(edited.size(), file.size());
}

TEST(RewriteSettingValues, LineEndsCommentsUnknownLinesAndTheUnreadRestStay) {
    // Mixed line ends, a comment in the field's own columns, and no line end at the end.
    const std::string text = "1\r\n2 x\n3      keep\r4";
    SettingValues v = SettingValuesOfText(text);
    v[2] = 20;
    v[4] = -4;
    EXPECT_EQ(RewriteSettingValues(text, v), "1\r\n20 \n3      keep\r-4");
    // After the first empty line nothing is read, so nothing is written.
    const std::string gap = "1\r\n\r\n3\r\n";
    SettingValues g = SettingValuesOfText(gap);
    g[3] = 30;
    EXPECT_EQ(RewriteSettingValues(gap, g), gap);
    EXPECT_TRUE(LineIsRead(gap, 1));
    EXPECT_FALSE(LineIsRead(gap, 3));
}

TEST(SaveSettingsBytes, EveryEncodingIsWrittenBackWithOnlyTheChangedNumber) {
    const std::string comment = "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC";  // "été €" in UTF-8
    const std::string text = "5       zone " + comment + "\r\n74      longitude\r\n";
    struct SettingsText t;
    t.text = text;
    for (SettingsEncoding e : {SettingsEncoding::Utf8Bom, SettingsEncoding::Utf16Le, SettingsEncoding::Utf16Be}) {
        t.encoding = e;
        const std::string bytes = EncodeSettingsText(t);
        SettingValues v = SettingValuesOfText(DecodeSettingsText(bytes).text);
        EXPECT_EQ(SaveSettingsBytes(bytes, v), bytes);
        v[2] = 8;
        struct SettingsText expected = t;
        expected.text = "5       zone " + comment + "\r\n8       longitude\r\n";
        EXPECT_EQ(SaveSettingsBytes(bytes, v), EncodeSettingsText(expected)) << static_cast<int>(e);
    }
    // ANSI: the bytes as they stand (Windows-1252 "é").
    const std::string ansi = "5       \xE9t\xE9\n74\n";
    SettingValues v = SettingValuesOfText(ansi);
    v[1] = -3;
    EXPECT_EQ(SaveSettingsBytes(ansi, v), "-3      \xE9t\xE9\n74\n");
}

// A number is shown with the field's decimals when they show it exactly, else as the file writes it.
TEST(FieldNumberText, TheFieldsDecimalsWhenExactElseTheShortestText) {
    struct Case { const char* field; double shown; const char* text; const char* why; } cases[] = {
        {"zoneOffset", -5, "-5.00", "two decimals for the zone's offset"},
        {"zoneOffset", 5.5, "5.50", "India"},
        {"zoneOffset", 0.333, "0.333", "two decimals would show another number"},
        {"orb60", 7.5, "7.5", "no decimals of its own: the shortest text"},
        {"latitudeDegrees", 40, "40", "a whole number"},
        {"latitudeDegrees", 0.3, "0.3", "the shortest text of the single 0.3"},
    };
    for (const Case& c : cases) EXPECT_EQ(FieldNumberText(F(c.field), c.shown), c.text) << c.why;
}

// The arrows move onto whole steps within the range; a value from the file outside it moves only back.
TEST(SteppedNumber, WholeStepsWithinTheRangeOrTheValueAlreadyOutsideIt) {
    struct Case { const char* field; double now; int steps; double next; const char* why; } cases[] = {
        {"orb90", 7.5, 1, 8, "half-degree steps"},
        {"orb90", 8, -3, 6.5, "three at once"},
        {"orb90", 7.3, 1, 8, "onto the next whole step"},
        {"latitudeMinutes", 59, 1, 59, "the range's end"},
        {"latitudeMinutes", 0, -1, 0, "the range's start"},
        {"latitudeMinutes", 75, 1, 75, "beyond the range: not further"},
        {"latitudeMinutes", 75, -1, 74, "beyond the range: back towards it"},
        {"zoneOffset", -12, -1, -12, "the offset's range, -12 to 13 hours"},
    };
    for (const Case& c : cases) EXPECT_EQ(SteppedNumber(F(c.field), c.now, c.steps), c.next) << c.why;
}

TEST(RestoreDefaults, TheShippedValuesComeBackOnThePageAlone) {
    const SettingValues shipped = SettingValuesOfText(ShippedFile());
    EXPECT_EQ(ShippedSettingValues(), shipped);
    SettingValues v = SettingValuesOfText(SettingsText());
    for (int line = 53; line <= 92; ++line) v[line] = 3;
    v[22] = 51;
    v[kHouseSystemLine] = 3;
    RestoreDefaults(v, FormPage::Look);
    for (const SettingsField& f : SettingsFields()) {
        if (f.page == FormPage::Look) {
            EXPECT_EQ(v[f.line], shipped[f.line]) << f.name;
        }
    }
    EXPECT_EQ(v[kHouseSystemLine], 3);
    EXPECT_EQ(v[60], 3);  // the cell extras are no field of the form
    RestoreDefaults(v, FormPage::Chart);
    EXPECT_EQ(v[kHouseSystemLine], shipped[kHouseSystemLine]);
    RestoreDefaults(v, FormPage::Place);  // the user's own place is never replaced by the shipped one
    EXPECT_EQ(v[22], 51);
}

// The form over a dialog that has one.
struct FormRig {
    TempFolder folder;
    ChartState s;
    FakeOptionsDialog dialog;
    FakeMessageBoxes boxes;
    struct Letters : SettingsPreview {
        int paints = 0;
        std::string HouseSystemLetter(const SettingValues& values) override {
            ChartState c;
            c.settingValues = values;
            ChooseHouseSystem(c);
            return c.houseSystemLetter;
        }
        void PaintPreview(const SettingValues&, Surface&) override { ++paints; }
    } preview;
    OptionsForm form{s, dialog, boxes, &preview};

    explicit FormRig(const std::string& bytes) {
        folder.Write("KELO.INI", bytes);
        s.settingsFileName = folder.Path("KELO.INI");
        s.glyphFontPath = "glypha.ttf";
        dialog.form = true;
        form.Form_Load();
    }
    std::string File() const { return folder.Read("KELO.INI"); }
};

TEST(OptionsFormFields, AFieldsEditRewritesItsLineInTheTextAndTheTextsEditShowsInTheFields) {
    FormRig rig(SettingsText());
    const int lat = F("latitudeDegrees"), houses = F("houseSystem");
    EXPECT_EQ(rig.dialog.texts[lat], "40");
    EXPECT_EQ(rig.dialog.choices[houses], 0);
    EXPECT_EQ(rig.dialog.previewFont, "glypha.ttf");
    rig.dialog.texts[lat] = "67";
    rig.form.Field_Change(lat);
    EXPECT_EQ(SplitSettingsLines(rig.dialog.text)[21].substr(0, 7), "67     ");
    EXPECT_EQ(rig.dialog.problems[lat], kLatitudeTooHighMessage);
    EXPECT_EQ(rig.dialog.problems[houses], kLatitudeTooHighMessage);
    // Meridian houses have no latitude limit: the message goes from both fields.
    rig.dialog.choices[houses] = 6;
    rig.form.Field_Change(houses);
    EXPECT_EQ(rig.dialog.problems[lat], "");
    EXPECT_EQ(rig.dialog.problems[houses], "");
    // The text typed by hand shows in the form.
    std::string text = rig.dialog.text;
    text.replace(text.find("\r\n" "7  ") + 2, 1, "2");  // line 27: Regiomontanus
    rig.dialog.text = text;
    rig.form.txtContent_Change();
    EXPECT_EQ(rig.dialog.choices[houses], 1);
    EXPECT_EQ(rig.dialog.problems[lat], kLatitudeTooHighMessage);
    EXPECT_GE(rig.dialog.previewRefreshes, 4);
}

TEST(OptionsFormFields, SaveFromTheFormKeepsTheFileByteForByteButTheChangedNumbers) {
    const std::string original = "0\tnot used\n6      sextile  \n8\r\n\r\nnotes after the values\n";
    FormRig rig(original);
    rig.form.Field_Step(F("orb60"), 3);  // 6 up by three half degrees
    EXPECT_EQ(rig.dialog.texts[F("orb60")], "7.5");
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), "0\tnot used\n7.5    sextile  \n8\r\n\r\nnotes after the values\n");
    EXPECT_EQ(rig.s.settingValues[2], 7.5f);
    EXPECT_FALSE(rig.dialog.enabled[F("latitudeDegrees")]);  // line 22 is never read from this file
}

TEST(OptionsFormFields, QuitAsksOnceWhenThereAreUnsavedChanges) {
    FormRig rig(SettingsText());
    rig.form.btnQuit_Click();
    EXPECT_EQ(rig.dialog.discardQuestions, 0);
    EXPECT_TRUE(rig.dialog.unloaded);
    rig.dialog.unloaded = false;
    rig.dialog.choices[F("node")] = 1;
    rig.form.Field_Change(F("node"));
    rig.dialog.discardAnswer = false;
    rig.form.btnQuit_Click();
    EXPECT_EQ(rig.dialog.discardQuestions, 1);
    EXPECT_EQ(rig.dialog.lastQuestion, "Discard the changes?");
    EXPECT_FALSE(rig.dialog.unloaded);
    rig.form.btnSave_Click();
    rig.form.btnQuit_Click();
    EXPECT_EQ(rig.dialog.discardQuestions, 1);
    EXPECT_TRUE(rig.dialog.unloaded);
    EXPECT_EQ(SplitSettingsLines(rig.File())[28].substr(0, 2), "1 ");
}

TEST(OptionsFormFields, RestoreDefaultsShowsInTheFieldsAndTheText) {
    FormRig rig(SettingsText({{90, "4"}}));
    EXPECT_EQ(rig.dialog.choices[F("backgroundColour")], 4);
    rig.form.btnDefaults_Click(static_cast<int>(FormPage::Look));
    EXPECT_EQ(rig.dialog.choices[F("backgroundColour")], ShippedSettingValues()[90]);
    EXPECT_EQ(SettingValuesOfText(rig.dialog.text)[90], ShippedSettingValues()[90]);
}

// A typed number is read as the file's numbers are, and the text stays as typed while it reads the same.
TEST(OptionsFormFields, ATypedNumberIsReadByTheFilesRule) {
    struct Case { const char* typed; const char* line; const char* why; } cases[] = {
        {"7.5", "7.5    ", "a plain number"},
        {" 7 .5", "7.5    ", "blanks anywhere are ignored"},
        {"7.5x", "7.5    ", "reading stops at the first character that does not fit"},
        {"7,5", "7      ", "a comma is no decimal point"},
        {"abc", "0      ", "no number reads as 0"},
    };
    for (const Case& c : cases) {
        FormRig rig(SettingsText());
        rig.dialog.texts[F("orb60")] = c.typed;
        rig.form.Field_Change(F("orb60"));
        EXPECT_EQ(SplitSettingsLines(rig.dialog.text)[1].substr(0, 7), c.line) << c.why;
        rig.form.txtContent_Change();  // the fields shown again from the text
        EXPECT_EQ(rig.dialog.texts[F("orb60")], c.typed) << c.why;
    }
}

// Each failed check shows on the fields of its lines, and only there; the summary says that one fails.
TEST(OptionsFormFields, EachProblemShowsOnTheFieldsOfItsLines) {
    struct Case {
        std::map<int, std::string> lines;
        std::vector<const char*> failing;
        const char* why;
    } cases[] = {
        {{{17, "1"}, {18, "20"}}, {}, "the system's zone: the unused offset of 20 hours is no problem"},
        {{{17, "0"}, {18, "20"}}, {"zoneOffset"}, "a fixed offset of 20 hours"},
        {{{17, "1"}, {19, "181"}}, {"longitudeDegrees"}, "the longitude alone, not the zone"},
        {{{22, "67"}}, {"latitudeDegrees", "houseSystem"}, "the latitude limit: either mends it"},
        {{{22, "67"}, {27, "7"}}, {}, "Meridian houses have no limit"},
        {{{19, "181"}, {20, "60"}}, {"longitudeDegrees", "longitudeMinutes"}, "both parts of the longitude"},
        {{{23, "75"}}, {"latitudeMinutes"}, "the latitude's minutes"},
    };
    for (const Case& c : cases) {
        FormRig rig(SettingsText(c.lines));
        std::vector<std::string> failing;
        for (const auto& [field, message] : rig.dialog.problems)
            if (!message.empty()) failing.push_back(SettingsFields()[field].name);
        EXPECT_EQ(failing, std::vector<std::string>(c.failing.begin(), c.failing.end())) << c.why;
        EXPECT_EQ(rig.dialog.summary.empty(), c.failing.empty()) << c.why;
    }
}

TEST(OptionsFormFields, TheZonesOffsetIsDisabledWhileTheSystemsZoneIsUsed) {
    FormRig rig(SettingsText({{17, "1"}}));
    EXPECT_FALSE(rig.dialog.enabled[F("zoneOffset")]);
    EXPECT_TRUE(rig.dialog.enabled[F("zoneSource")]);
    rig.dialog.choices[F("zoneSource")] = 1;  // a fixed offset
    rig.form.Field_Change(F("zoneSource"));
    EXPECT_TRUE(rig.dialog.enabled[F("zoneOffset")]);
}

TEST(OptionsFormFields, ACityChosenInTheSearchFillsInThePlace) {
    std::string table;
    if (CompiledZoneTable()[0] == 0 && !ReadFileBytes(kZoneTablePath, table)) GTEST_SKIP() << "no zone table";
    FormRig rig(SettingsText());
    rig.form.txtCity_Change("tokyo");
    ASSERT_FALSE(rig.dialog.cities.empty());
    EXPECT_EQ(rig.dialog.cities[0], "Tokyo, Asia");
    rig.form.lstCity_Click(0);
    EXPECT_EQ(rig.dialog.texts[F("latitudeDegrees")], "35");
    EXPECT_EQ(rig.dialog.choices[F("longitudeDirection")], 0);  // east
    const auto lines = SplitSettingsLines(rig.dialog.text);
    EXPECT_EQ(lines[18].substr(0, 7), "139    ");
    EXPECT_EQ(lines[20].substr(0, 7), "-1     ");
    EXPECT_EQ(lines[21].substr(0, 7), "35     ");
}

}  // namespace
