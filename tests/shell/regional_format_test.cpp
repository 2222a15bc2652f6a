#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/fake/recording_registry.h"
#include "shell/regional_format.h"

namespace {

const std::string kIni = "c:\\windows\\win.ini";

struct Regional {
    RecordingRegistry registry;
    MemoryTextFileLines files;
    ChartState s;
    void Read() {
        s.dateOrder = 77;
        s.clockFormat = 77;
        ReadRegionalFormat(s, files, registry, kIni);
    }
    bool RegistryRead(const std::string& value) const {
        return std::find(registry.calls.begin(), registry.calls.end(), "query " + value + " size") !=
               registry.calls.end();
    }
};

TEST(ReadRegionalFormat, TheIniFileComesFirstAndTheRegistryFillsTheRest) {
    Regional both;
    both.files.files[kIni] = {"[intl]", "iDate=1", "iTime=1"};
    both.registry.SetString(kInternationalKey, "iDate", "2");
    both.Read();
    EXPECT_EQ(both.s.dateOrder, 1);
    EXPECT_EQ(both.s.clockFormat, 1);
    EXPECT_TRUE(both.registry.calls.empty());

    Regional dateOnly;
    dateOnly.files.files[kIni] = {"[intl]", "iDate=2"};
    dateOnly.registry.SetString(kInternationalKey, "iDate", "0");
    dateOnly.registry.SetString(kInternationalKey, "iTime", "1");
    dateOnly.Read();
    EXPECT_EQ(dateOnly.s.dateOrder, 2);
    EXPECT_EQ(dateOnly.s.clockFormat, 1);
    EXPECT_FALSE(dateOnly.RegistryRead("iDate"));
    EXPECT_TRUE(dateOnly.RegistryRead("iTime"));
}

TEST(ReadRegionalFormat, MatchesTheFirstFiveCharactersOfEveryLine) {
    Regional r;
    r.files.files[kIni] = {
        "iTime=1",
        "IDATE=2",              // any case
        "[other section]",
        "idateformat=letters",  // also matches, and gives 0
        " itime=0",             // a blank before the name: no match
        "iTime = 1.5",          // blanks after "=" are skipped; 1.5 rounds to 2
    };
    r.Read();
    EXPECT_EQ(r.s.dateOrder, 0);
    EXPECT_EQ(r.s.clockFormat, 2);
    EXPECT_TRUE(r.registry.calls.empty());

    Regional noEquals;  // without "=" the whole line is the value
    noEquals.files.files[kIni] = {"idate", "itime3"};
    noEquals.Read();
    EXPECT_EQ(noEquals.s.dateOrder, 0);
    EXPECT_EQ(noEquals.s.clockFormat, 0);
}

TEST(ReadRegionalFormat, NothingFoundAnywhereGivesZero) {
    Regional r;
    r.Read();
    EXPECT_EQ(r.s.dateOrder, 0);
    EXPECT_EQ(r.s.clockFormat, 0);
    // The key is opened, read and closed for each code even though it does not exist.
    EXPECT_EQ(std::count(r.registry.calls.begin(), r.registry.calls.end(), "close 0"), 2);
}

TEST(QueryRegistryValue, StringsEndAtTheirFirstNul) {
    RecordingRegistry registry;
    registry.values[{kInternationalKey, "iDate"}] = {kRegSz, std::string("2\0junk", 6)};
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "iDate"), "2");
    registry.values[{kInternationalKey, "empty"}] = {kRegSz, ""};
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "empty"), "");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "missing"), "");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, "No\\Such\\Key", "iDate"), "");
}

TEST(QueryRegistryValue, BinaryValuesGiveTheirLow16BitsAsASignedNumber) {
    RecordingRegistry registry;
    registry.SetBinary(kInternationalKey, "one", std::string("\x01\x00\x00\x00", 4));
    registry.SetBinary(kInternationalKey, "minus", std::string("\xFF\xFF\x01\x00", 4));
    registry.SetBinary(kInternationalKey, "short", std::string("\x02", 1));
    registry.SetBinary(kInternationalKey, "long", std::string(16, '\x01'));
    registry.values[{kInternationalKey, "dword"}] = {4, std::string("\x01\x00\x00\x00", 4)};
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "one"), "1");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "minus"), "-1");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "short"), "2");
    // A binary value longer than the 32-bit number is refused by the registry, not copied past it.
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "long"), "");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "dword"), "");  // other types
}

}  // namespace
