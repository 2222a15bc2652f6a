#include "settings/settings_text.h"

#include <gtest/gtest.h>

namespace {

const std::string kPlain = "5      18: zone\r\n74     19: longitude\r\n";

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

}  // namespace

TEST(SettingsText, EveryEncodingDecodesToTheSameCharactersAndWritesBackByteForByte) {
    const std::string files[] = {kPlain, "\xEF\xBB\xBF" + kPlain, Utf16(kPlain, false), Utf16(kPlain, true)};
    const SettingsEncoding kinds[] = {SettingsEncoding::Ansi, SettingsEncoding::Utf8Bom, SettingsEncoding::Utf16Le,
                                      SettingsEncoding::Utf16Be};
    for (int i = 0; i < 4; ++i) {
        const SettingsText t = DecodeSettingsText(files[i]);
        EXPECT_EQ(t.text, kPlain) << i;
        EXPECT_EQ(t.encoding, kinds[i]) << i;
        EXPECT_EQ(t.lineEnd, "\r\n") << i;
        EXPECT_EQ(EncodeSettingsText(t), files[i]) << i;
    }
}

TEST(SettingsText, NonAsciiCommentsSurrogatePairsAndBrokenUnitsSurviveTheRoundTrip) {
    // "Zürich 日本 𝄞", then a lone high surrogate, then an odd last byte.
    const std::string le("\xFF\xFE" "Z\0\xFC\0r\0 \0\xE5\x65\x2C\x67 \0\x34\xD8\x1E\xDD\x00\xD8\r\0\n\0X", 27);
    const SettingsText t = DecodeSettingsText(le);
    EXPECT_EQ(t.text.substr(0, 19), "Z\xC3\xBCr \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9D\x84\x9E\xED\xA0\x80");
    EXPECT_EQ(t.oddByte, "X");
    EXPECT_EQ(EncodeSettingsText(t), le);
}

TEST(SettingsText, LinesSplitAtEveryKindOfLineEnd) {
    EXPECT_EQ(SplitSettingsLines("1\r2\r"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(SplitSettingsLines("1\n\n3"), (std::vector<std::string>{"1", "", "3"}));
    EXPECT_EQ(SplitSettingsLines("1\r\n2\r\r\n"), (std::vector<std::string>{"1", "2", ""}));
    EXPECT_EQ(DecodeSettingsText("1\r2\r").lineEnd, "\r");
    EXPECT_EQ(DecodeSettingsText("1\n2\r\n").lineEnd, "\n");
    EXPECT_EQ(DecodeSettingsText("no end").lineEnd, "\r\n");
}
