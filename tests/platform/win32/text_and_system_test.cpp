// Text conversions, the registry, text files, the mutex and the clock texts on Windows.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/win32/win32_options_dialog.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"
#include "shell/regional_format.h"
#include "tests/platform/win32/win32_fixture.h"

namespace {

TEST(GlyphCodes, BecomeTheUnicodeCodePointsOfWindows1252) {
    // The chart's codes: bodies 224.., signs 192.., the retrograde mark 156, aspects 162..170.
    EXPECT_EQ(WideFromGlyphCodes("\xE0\xC0\xCB\x9C\xA2\xAA"), std::wstring(L"\u00E0\u00C0\u00CB\u0153\u00A2\u00AA"));
    EXPECT_EQ(WideFromGlyphCodes("\x80\x8C\x9F"), std::wstring(L"\u20AC\u0152\u0178"));
    EXPECT_EQ(WideFromGlyphCodes("74W00, 40N45"), std::wstring(L"74W00, 40N45"));
    // Undefined codes stay C1 controls, whatever the system's ANSI code page would make of them.
    EXPECT_EQ(WideFromGlyphCodes("\x81\x8D\x8F\x90\x9D"), std::wstring(L"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(WideFromGlyphCodes(std::string(1, '\0')), std::wstring(1, L'\0'));
}

TEST(GlyphCodes, AgreeWithTheSystemsOwnWindows1252Table) {
    for (int code = 0x20; code <= 0xFF; ++code) {
        if (code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D) continue;
        std::string one(1, static_cast<char>(code));
        EXPECT_EQ(WideFromGlyphCodes(one), WideFromCp1252(one)) << code;
    }
}

TEST(TextConversions, RoundTripUtf8AndTheEditorsCodePage) {
    const std::string utf8 = "C:\\Users\\J\xC3\xBCrgen\\\xE6\x97\xA5\xE6\x9C\xAC";  // Jürgen, 日本
    EXPECT_EQ(Utf8FromWide(WideFromUtf8(utf8)), utf8);
    EXPECT_EQ(WideFromUtf8(""), L"");
    const std::string settings = "0       1: not used \xB0 \xE9\r\n14      53: size\r\n";
    EXPECT_EQ(Cp1252FromWide(WideFromCp1252(settings)), settings);
    EXPECT_EQ(Cp1252FromWide(L"\u65E5"), "?");  // not in the code page
}

class TestKey {
public:
    TestKey() {
        path_ = "Software\\KeloTest" + std::to_string(GetCurrentProcessId());
        RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), &key_);
    }
    ~TestKey() {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    }
    void SetString(const char* name, const std::string& value) {
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    void SetBinary(const char* name, uint32_t value) {
        RegSetValueExA(key_, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    void SetDword(const char* name, uint32_t value) {
        RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    HKEY key_ = nullptr;
};

TEST(Win32Registry, AnswersTheRegionalReaderThroughTheRealCalls) {
    TestKey key;
    key.SetString("iDate", "1");
    key.SetBinary("iRaw", 0x0001FFFEu);  // low 16 bits: -2
    key.SetDword("iWord", 7);
    Win32Registry registry;
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, key.Path(), "iDate"), "1");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, key.Path(), "iRaw"), "-2");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, key.Path(), "iWord"), "");  // other types
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, key.Path(), "missing"), "");
    EXPECT_EQ(ReadRegistryText(registry, kHkeyCurrentUser, key.Path() + "\\none", "iDate"), "");
}

TEST(Win32Registry, TheCurrentUserRootIsTheRealOne) {
    Win32Registry registry;
    RegKey key = 0;
    EXPECT_EQ(registry.RegOpenKeyA(kHkeyCurrentUser, kInternationalKey, &key), kErrorSuccess);
    EXPECT_NE(key, 0u);
    uint32_t type = 0, size = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "iDate", &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_GE(size, 2u);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
    // A failed open leaves the handle 0, and the calls on it fail.
    EXPECT_NE(registry.RegOpenKeyA(kHkeyCurrentUser, "Software\\No Such Kelo Key", &key), kErrorSuccess);
    EXPECT_EQ(key, 0u);
    EXPECT_NE(registry.RegQueryValueExA(key, "iDate", &type, nullptr, &size), kErrorSuccess);
}

TEST(Win32TextFileLines, SplitsAtEveryWindowsLineEnd) {
    TempFolder folder;
    folder.Write("win.ini", "[intl]\r\niDate=1\niTime=1\rlast");
    Win32TextFileLines files;
    std::vector<std::string> lines;
    ASSERT_TRUE(files.ReadLines(folder.Path("win.ini"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"[intl]", "iDate=1", "iTime=1", "last"}));
    folder.Write("empty-lines.ini", "a\r\n\r\nb\r\n");
    ASSERT_TRUE(files.ReadLines(folder.Path("empty-lines.ini"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b"}));
    EXPECT_FALSE(files.ReadLines(folder.Path("missing.ini"), lines));
    EXPECT_TRUE(lines.empty());
}

TEST(Win32TextFileLines, FeedTheRegionalScanOfALegacyIniFile) {
    TempFolder folder;
    folder.Write("win.ini", "[intl]\r\niDate=2\r\n sTime=:\r\n");
    Win32TextFileLines files;
    Win32Registry registry;
    ChartState s;
    ReadRegionalFormat(s, files, registry, folder.Path("win.ini"));
    EXPECT_EQ(s.dateOrder, 2);  // from the file; the clock format from the registry
}

TEST(Win32InstanceLock, TheSecondClaimOfTheSessionSeesTheFirst) {
    const std::wstring name = L"Local\\KeloTest" + std::to_wstring(GetCurrentProcessId());
    Win32InstanceLock first(name);
    EXPECT_FALSE(first.AnotherInstanceRunning());
    EXPECT_FALSE(first.AnotherInstanceRunning());  // asked again: still the owner
    {
        Win32InstanceLock second(name);
        EXPECT_TRUE(second.AnotherInstanceRunning());
    }
    NoInstanceLock preview;
    EXPECT_FALSE(preview.AnotherInstanceRunning());
}

TEST(Win32Clock, TimeTextsCarryTheSecondsTheTickReads) {
    Win32Clock clock;
    const LocalDateTime minuteMark{2026, 12, 7, 22, 35, 0};
    const LocalDateTime before{2026, 12, 7, 22, 34, 59};
    EXPECT_EQ(SecondsOfTimeText(clock.TimeText(minuteMark)), "00");
    EXPECT_EQ(SecondsOfTimeText(clock.TimeText(before)), "59");
    const std::string general = clock.GeneralDateTimeText(minuteMark);
    EXPECT_NE(general.find("2026"), std::string::npos) << general;
    EXPECT_EQ(general.substr(general.size() - clock.TimeText(minuteMark).size()), clock.TimeText(minuteMark));
    const LocalDateTime now = clock.Now();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);
}

TEST(Win32Clock, AFormatWithoutSecondsOrWithAForeignAfternoonMarkerFallsBackToOneTheTickAndMeridiemRead) {
    const LocalDateTime afternoon{2026, 12, 7, 15, 7, 0};
    const LocalDateTime morning{2026, 12, 7, 3, 7, 59};
    // Formats whose texts give the seconds and end in AM/PM are kept as they stand.
    for (const wchar_t* kept : {L"HH:mm:ss", L"h:mm:ss tt", L"HH.mm.ss"}) {
        Win32Clock clock(SecondsOfTimeText, kept);
        EXPECT_EQ(clock.TimeFormat(), kept);
        EXPECT_FALSE(clock.AppendsMeridiem());
    }
    // No seconds: the minute mark would never be seen, or be seen all minute long.
    Win32Clock noSeconds24(SecondsOfTimeText, L"HH:mm");
    EXPECT_EQ(noSeconds24.TimeText(afternoon), "15:07:00");
    Win32Clock noSeconds12(SecondsOfTimeText, L"h:mm tt");
    EXPECT_EQ(noSeconds12.TimeText(afternoon), "03:07:00 PM");
    EXPECT_EQ(noSeconds12.TimeText(morning), "03:07:59 AM");
    // An afternoon marker other than "PM" (a quoted one stands for the locale's "午後"), or one before
    // the time: the afternoon is told by the hour.
    for (const wchar_t* foreign : {L"h:mm:ss '\u5348\u5f8c'", L"tt h:mm:ss", L"h:mm:ss 'p. m.'"}) {
        Win32Clock clock(SecondsOfTimeText, foreign);
        const std::string general = clock.GeneralDateTimeText(afternoon);
        EXPECT_EQ(general.substr(general.size() - 2), "PM") << general;
        EXPECT_EQ(SecondsOfTimeText(clock.TimeText(morning)), "59");
    }
    EXPECT_TRUE(IsTwentyFourHourFormat(L"HH:mm"));
    EXPECT_FALSE(IsTwentyFourHourFormat(L"h:mm 'Hours'"));
}

TEST(PreviewPointer, CountsWithoutTouchingThePointer) {
    PreviewPointer pointer;
    EXPECT_EQ(pointer.ShowCursor(false), -1);
    EXPECT_EQ(pointer.ShowCursor(false), -2);
    EXPECT_EQ(pointer.ShowCursor(true), -1);
}

TEST(Win32Process, TheProgramFolderHoldsThisTestProgram) {
    Win32Process process;
    const std::string dir = process.ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    EXPECT_NE(GetFileAttributesW(WideFromUtf8(dir + "\\test_platform_win32.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(process.UserConfigDir().empty());
    // A writable program folder keeps the settings file beside the program.
    EXPECT_EQ(process.SettingsFileName(), dir + "\\KELO.INI");
    EXPECT_EQ(process.GlyphFontPath(), dir + "\\glypha.ttf");
}

}  // namespace
