#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/numeric.h"
#include "settings/settings_file.h"
#include "support/encoded_text.h"

namespace {

// A settings file in a temporary directory, written byte for byte.
class SettingsFile {
public:
    explicit SettingsFile(const std::string& bytes) {
        path_ = (std::filesystem::temp_directory_path() /
                 ("kelo_settings_" + std::to_string(getpid()) + "_" +
                  std::to_string(counter_++) + ".ini"))
                    .string();
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~SettingsFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::string path_;
};

std::string Lines(int count, const std::string& lineEnd = "\r\n") {
    std::string text;
    for (int n = 1; n <= count; ++n) text += std::to_string(n) + std::string(n < 10 ? 6 : 5, ' ') + "comment" + lineEnd;
    return text;
}

// The state ReadSettings leaves after reading a file of these bytes into `s`.
ChartState ReadBytes(const std::string& bytes, ChartState s = ChartState{}) {
    SettingsFile file(bytes);
    s.settingsFileName = file.path();
    EXPECT_TRUE(ReadSettings(s)) << "the file was not read";
    return s;
}

ChartState Filled(float value) {
    ChartState s;
    s.settingValues.fill(value);
    return s;
}

TEST(ReadSettings, ReadsTheFirstSevenCharactersOfEachLine) {
    ChartState s = ReadBytes("-1     five blanks and a comment\r\n1 2    \r\n15.5\r\n  7\r\nletters\r\n1234567890\r\n");
    EXPECT_EQ(s.settingValues[1], -1);
    EXPECT_EQ(s.settingValues[2], 12);
    EXPECT_EQ(s.settingValues[3], 15.5f);
    EXPECT_EQ(s.settingValues[4], 7);
    EXPECT_EQ(s.settingValues[5], 0);
    EXPECT_EQ(s.settingValues[6], 1234567);  // only seven characters are read
    EXPECT_EQ(s.settingValues[0], 0);        // element 0 is never written
}

TEST(ReadSettings, StopsAtTheFirstEmptyLineAndKeepsTheRest) {
    std::string text = Lines(19) + "\r\n" + Lines(30);
    ChartState s = ReadBytes(text, Filled(99));
    EXPECT_EQ(s.settingValues[19], 19);
    for (int n = 20; n <= 92; ++n) EXPECT_EQ(s.settingValues[n], 99) << n;
}

TEST(ReadSettings, AShortFileWithoutAnEmptyLineLeavesTheOtherValuesAlone) {
    ChartState s = ReadBytes(Lines(30));
    EXPECT_EQ(s.settingValues[30], 30);
    EXPECT_EQ(s.settingValues[31], 0);
}

TEST(ReadSettings, ReadsNoMoreThan92Lines) {
    ChartState s = ReadBytes(Lines(150), Filled(-5));
    EXPECT_EQ(s.settingValues[92], 92);
    EXPECT_EQ(s.settingValues[0], -5);
}

TEST(ReadSettings, LineEndsAreCrLfOrLfAndTheLastLineNeedsNone) {
    ChartState s = ReadBytes("1\n2\r\n3");
    EXPECT_EQ(s.settingValues[1], 1);
    EXPECT_EQ(s.settingValues[2], 2);
    EXPECT_EQ(s.settingValues[3], 3);

    ChartState t = ReadBytes("1\r\n\r\n3\r\n", Filled(8));  // a line of nothing but its CR is empty
    EXPECT_EQ(t.settingValues[1], 1);
    EXPECT_EQ(t.settingValues[2], 8);

    ChartState u = ReadBytes("12\r34\r\n");  // a CR inside a field ends the number, not the line
    EXPECT_EQ(u.settingValues[1], 12);
    EXPECT_EQ(u.settingValues[2], 0);
}

TEST(ReadSettings, ExactValuesAndValuesBeyondTheSingleRange) {
    ChartState s = ReadBytes("1.0\r\n1.00001\r\n1E999\r\n-1E39\r\n1E-50\r\n");
    EXPECT_TRUE(IsExactly(s.settingValues[1], 1));
    EXPECT_FALSE(IsExactly(s.settingValues[2], 1));
    EXPECT_TRUE(std::isinf(s.settingValues[3]) && s.settingValues[3] > 0);
    EXPECT_TRUE(std::isinf(s.settingValues[4]) && s.settingValues[4] < 0);  // beyond the single range
    EXPECT_EQ(s.settingValues[5], 0);
    // Integer conversions of such values saturate instead of overflowing.
    EXPECT_EQ(Round16(s.settingValues[3]), 32767);
    EXPECT_EQ(Round16(s.settingValues[4]), -32768);
}

TEST(ReadSettings, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    ChartState s = Filled(3);
    s.settingsFileName = (std::filesystem::temp_directory_path() / "kelo_no_such_dir" / "KELO.INI").string();
    EXPECT_FALSE(ReadSettings(s));
    s.settingsFileName = std::filesystem::temp_directory_path().string();  // a directory
    EXPECT_FALSE(ReadSettings(s));
    for (int n = 1; n <= 92; ++n) EXPECT_EQ(s.settingValues[n], 3);
}

TEST(ReadSettings, EveryEncodingAndLineEndAnEditorSavesGivesTheValuesOfThePlainFile) {
    std::ifstream in(KELO_SHIPPED_SETTINGS, std::ios::binary);
    const std::string plain((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(plain.empty());
    ChartState expected = ReadBytes(plain);

    const std::string cr = WithLineEnds(plain, "\r");
    const std::pair<const char*, std::string> variants[] = {
        {"LF", WithLineEnds(plain, "\n")},
        {"CR", cr},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + plain},
        {"UTF-16 LE", Utf16(plain, false)},
        {"UTF-16 BE", Utf16(plain, true)},
        {"UTF-16 LE, CR", Utf16(cr, false)},
        {"UTF-8 with a mark, CR, no last line end", "\xEF\xBB\xBF" + cr.substr(0, cr.size() - 1)},
    };
    for (const auto& [name, bytes] : variants) {
        SCOPED_TRACE(name);
        ChartState s = ReadBytes(bytes);
        for (int n = 0; n <= 92; ++n) EXPECT_EQ(s.settingValues[n], expected.settingValues[n]) << name << " line " << n;
    }
}

TEST(ReadSettings, InUnicodeFilesTheFieldIsSevenCharactersAndCrAloneEndsLines) {
    // "ü" is two bytes in UTF-8: the field is still the first seven characters, and the number ends
    // where the first character that is not part of it stands, as in the classic file.
    const std::string text = "1234567\xC3\xBC" "9\r-1\xC3\xBC   x\r\xC3\xBC" "5\r  7\r\r8\r";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + text, Utf16(text, false), Utf16(text, true)}) {
        ChartState s = ReadBytes(bytes, Filled(9));
        EXPECT_EQ(s.settingValues[1], 1234567);
        EXPECT_EQ(s.settingValues[2], -1);
        EXPECT_EQ(s.settingValues[3], 0);
        EXPECT_EQ(s.settingValues[4], 7);
        EXPECT_EQ(s.settingValues[5], 9);  // the empty line ended the values
    }
    // The same characters in the classic file (Windows-1252: "ü" is one byte).
    ChartState a = ReadBytes("1234567\xFC" "9\r\n-1\xFC   x\r\n\xFC" "5\r\n");
    EXPECT_EQ(a.settingValues[1], 1234567);
    EXPECT_EQ(a.settingValues[2], -1);
    EXPECT_EQ(a.settingValues[3], 0);
}

TEST(ShippedSettings, Are92CrLfLinesWithTheValueInTheFirstSevenCharacters) {
    std::ifstream in(KELO_SHIPPED_SETTINGS, std::ios::binary);
    ASSERT_TRUE(in) << KELO_SHIPPED_SETTINGS;
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "line " << lines.size() + 1 << " does not end in CR LF";
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 92u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_GT(lines[i].size(), 8u) << i + 1;
        EXPECT_EQ(lines[i][7], ' ') << "line " << i + 1;
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
    }

    ChartState s;
    s.settingsFileName = KELO_SHIPPED_SETTINGS;
    ASSERT_TRUE(ReadSettings(s));
    const auto& v = s.settingValues;
    EXPECT_EQ(v[18], 5);                                   // zone
    EXPECT_EQ(v[19], 74); EXPECT_EQ(v[20], 0); EXPECT_EQ(v[21], 1);   // 74W00
    EXPECT_EQ(v[22], 40); EXPECT_EQ(v[23], 45); EXPECT_EQ(v[24], 1);  // 40N45
    EXPECT_EQ(v[27], 1);                                   // Placidus
    EXPECT_EQ(v[13], 1);                                   // sectors at the true cusps
    EXPECT_EQ(v[16], 1);                                   // the picture drifts
    EXPECT_EQ(v[47], 1);                                   // aspects on
    EXPECT_EQ(v[32], 0);                                   // pointer hidden
    EXPECT_EQ(v[33], 6);                                   // any input ends the saver
    for (int n : {53, 55, 57, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77}) EXPECT_GT(v[n], 0) << "font size " << n;
    for (int n : {54, 56, 58, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 91, 92}) {
        EXPECT_GE(v[n], 1) << "colour " << n << " must show on the black background";
        EXPECT_LE(v[n], 15) << n;
    }
    EXPECT_EQ(v[90], 0);  // black background
}

}  // namespace
