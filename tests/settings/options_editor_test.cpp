#include "settings/options_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "platform/whole_file.h"
#include "core/setting_lines.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "shell/shell_fixture.h"
#include "support/encoded_text.h"

namespace {

// The settings editor on a settings file in a temporary folder.
struct EditorRig {
    TempFolder folder;
    ChartState s;
    FakeOptionsDialog dialog;
    FakeMessageBoxes boxes;
    OptionsForm form{s, dialog, boxes};

    explicit EditorRig(const std::string& bytes) {
        folder.Write("KELO.INI", bytes);
        s.settingsFileName = folder.Path("KELO.INI");
    }
    std::string File() const { return folder.Read("KELO.INI"); }
};

TEST(EditorText, LoadingAppendsOneLineEndToEveryLineAndKeepsEmptyLines) {
    EXPECT_EQ(SettingsTextFromFile("5\r\n74\r\n"), "5\r\n74\r\n");
    EXPECT_EQ(SettingsTextFromFile("5\n74\n"), "5\r\n74\r\n");
    EXPECT_EQ(SettingsTextFromFile("5\r\n74"), "5\r\n74\r\n");
    EXPECT_EQ(SettingsTextFromFile("5\r\n\r\n74\r\n\r\n"), "5\r\n\r\n74\r\n\r\n");
    EXPECT_EQ(SettingsTextFromFile(""), "");
    EXPECT_EQ(SettingsTextFromFile("\r\n"), "\r\n");
}

TEST(EditorText, SavingDropsTheLoadedLineEndAndWritesExactlyOne) {
    EXPECT_EQ(SettingsFileFromText("5\r\n74\r\n"), "5\r\n74\r\n");
    EXPECT_EQ(SettingsFileFromText("5\r\n74"), "5\r\n74\r\n");
    EXPECT_EQ(SettingsFileFromText(""), "\r\n");
    EXPECT_EQ(SettingsFileFromText("5\r\n\r\n"), "5\r\n\r\n");
}

TEST(EditorRoundTrip, LoadAndSaveWithoutEditsRewritesTheSameLines) {
    const std::string original = SettingsText();
    EditorRig rig(original);
    rig.form.Form_Load();
    EXPECT_EQ(rig.dialog.text, original);
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), original);
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_EQ(rig.s.settingValues[kLongitudeDegreesLine], 74.0f);
    EXPECT_FALSE(std::filesystem::exists(ReplacementFileName(rig.s.settingsFileName)));
}

TEST(EditorRoundTrip, AFileWithLinuxLineEndsIsSavedWithItsOwnLineEnds) {
    EditorRig rig("5\n74\n");
    rig.form.Form_Load();
    EXPECT_EQ(rig.dialog.text, "5\r\n74\r\n");
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), "5\n74\n");
}

TEST(EditorRoundTrip, ADeletedFinalLineEndLosesNoCharacterOfTheLastLine) {
    EditorRig rig("5\r\n74\r\n");
    rig.form.Form_Load();
    rig.dialog.text = "5\r\n74";
    rig.form.txtContent_Change();
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), "5\r\n74\r\n");
}

TEST(EditorRoundTrip, AnEmptyTextBoxWritesOneEmptyLineAndKeepsTheValues) {
    EditorRig rig(SettingsText());
    rig.s.settingValues[kTimeZoneLine] = 5;
    rig.form.Form_Load();
    rig.dialog.text = "";
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), "\r\n");
    EXPECT_EQ(rig.s.settingValues[kTimeZoneLine], 5.0f);
}

TEST(EditorRoundTrip, BlankLinesAreSavedButTheValuesAfterThemAreNotRead) {
    EditorRig rig("1\r\n2\r\n3\r\n");
    rig.form.Form_Load();
    rig.dialog.text = "7\r\n\r\n9\r\n";
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), "7\r\n\r\n9\r\n");
    EXPECT_EQ(rig.s.settingValues[1], 7.0f);
    EXPECT_EQ(rig.s.settingValues[2], 0.0f);
    EXPECT_EQ(rig.s.settingValues[3], 0.0f);
}

TEST(EditorRoundTrip, EverySaveReadsTheValuesAgainAndTheDialogStaysOpen) {
    EditorRig rig(SettingsText());
    rig.form.Form_Load();
    for (const char* zone : {"-3", "7.5"}) {
        const std::size_t line18 = rig.dialog.text.find("5       line 18");
        const std::size_t at = line18 != std::string::npos ? line18 : rig.dialog.text.find("-3      line 18");
        ASSERT_NE(at, std::string::npos);
        std::string field = zone;
        field.resize(7, ' ');
        rig.dialog.text.replace(at, 7, field);
        rig.form.btnSave_Click();
        EXPECT_EQ(rig.s.settingValues[kTimeZoneLine], std::stof(zone));
        EXPECT_FALSE(rig.dialog.unloaded);
    }
    rig.form.btnQuit_Click();
    EXPECT_TRUE(rig.dialog.unloaded);
}

TEST(EditorEncodings, EveryEncodingAndLineEndShowsTheSameTextAndIsSavedBackByteForByte) {
    const std::string plain = SettingsText();
    const std::string cr = WithLineEnds(plain, "\r");
    const struct {
        const char* name;
        std::string bytes;
        bool utf8;
    } files[] = {
        {"CR LF", plain, false},
        {"CR", cr, false},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + plain, true},
        {"UTF-16 LE", Utf16(plain, false), true},
        {"UTF-16 BE, CR", Utf16(cr, true), true},
    };
    for (const auto& f : files) {
        EditorRig rig(f.bytes);
        rig.form.Form_Load();
        EXPECT_EQ(rig.dialog.text, plain) << f.name;
        EXPECT_EQ(rig.dialog.ContentUtf8(), f.utf8) << f.name;
        rig.form.btnSave_Click();
        EXPECT_EQ(rig.File(), f.bytes) << f.name;
        EXPECT_EQ(rig.s.settingValues[19], 74.0f) << f.name;
        EXPECT_TRUE(rig.boxes.shown.empty()) << f.name;
    }
}

TEST(EditorEncodings, AnEditIsSavedInTheEncodingAndLineEndsTheFileWasReadIn) {
    // Notepad's "Unicode" with lines ending in CR alone; the user adds a place name to a comment.
    EditorRig rig(Utf16("5      zone\r74     longitude\r", false));
    rig.form.Form_Load();
    ASSERT_EQ(rig.dialog.text, "5      zone\r\n74     longitude\r\n");
    rig.dialog.text = "-1     zone Z\xC3\xBCrich\r\n74     longitude\r\n8";
    rig.form.btnSave_Click();
    EXPECT_EQ(rig.File(), Utf16("-1     zone Z\xC3\xBCrich\r74     longitude\r8\r", false));
    EXPECT_EQ(rig.s.settingValues[1], -1.0f);
    EXPECT_EQ(rig.s.settingValues[3], 8.0f);

    // The classic file keeps its 8-bit characters as they were (Windows-1252 "\xE9" is one byte).
    EditorRig ansi("5      caf\xE9\r\n");
    ansi.form.Form_Load();
    EXPECT_FALSE(ansi.dialog.ContentUtf8());
    ansi.form.btnSave_Click();
    EXPECT_EQ(ansi.File(), "5      caf\xE9\r\n");

    // A stray CR inside a line of a CR LF file stays where it was (the line keeps its value).
    EditorRig stray("12\r34\r\n5\r\n");
    stray.form.Form_Load();
    stray.form.btnSave_Click();
    EXPECT_EQ(stray.File(), "12\r34\r\n5\r\n");
    EXPECT_EQ(stray.s.settingValues[2], 5.0f);
}

TEST(EditorMissingFile, TheMessageNamesThePathThatWasLookedFor) {
    EditorRig rig("5\r\n");
    std::filesystem::remove(rig.s.settingsFileName);
    rig.form.Form_Load();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "KELO.INI File Not Found\n" + rig.s.settingsFileName);
}

TEST(EditorSaveFailure, AFailedWriteReportsWhyAndKeepsTheOldFileTheTextAndTheValues) {
    const std::string original = SettingsText();
    EditorRig rig(original);
    rig.s.settingValues[kTimeZoneLine] = 5;
    rig.form.Form_Load();
    // The temporary file cannot be created: a directory of that name stands beside the settings.
    std::filesystem::create_directory(ReplacementFileName(rig.s.settingsFileName));
    rig.dialog.text = "9\r\n";
    rig.form.btnSave_Click();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].title, "Warning!");
    EXPECT_EQ(rig.boxes.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(rig.boxes.shown[0].text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(rig.File(), original);
    EXPECT_EQ(rig.dialog.text, "9\r\n");
    EXPECT_EQ(rig.s.settingValues[kTimeZoneLine], 5.0f);
}

TEST(ReplaceFileSafely, ReplacesTheWholeFileAndLeavesNoTemporaryFileEitherWay) {
    TempFolder f;
    f.Write("KELO.INI", "old contents, longer than the new\r\n");
    std::string error;
    EXPECT_TRUE(ReplaceFileSafely(f.Path("KELO.INI"), "new\r\n", error));
    EXPECT_EQ(f.Read("KELO.INI"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(f.Path("KELO.INI.tmp")));
    // The target is a directory: the rename fails, the temporary file is removed.
    std::filesystem::create_directory(f.Path("dir"));
    std::filesystem::create_directory(f.Path("dir/KELO.INI"));
    f.Write("dir/KELO.INI/keep", "x");
    EXPECT_FALSE(ReplaceFileSafely(f.Path("dir/KELO.INI"), "new\r\n", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(f.Path("dir/KELO.INI.tmp")));
    EXPECT_EQ(f.Read("dir/KELO.INI/keep"), "x");
    // A folder that does not exist.
    EXPECT_FALSE(ReplaceFileSafely(f.Path("missing/KELO.INI"), "new\r\n", error));
}

}  // namespace

namespace {

std::string Utf8(const std::filesystem::path& p) {
    const std::u8string u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

TEST(ReplaceFileSafely, AFolderThatCannotBeWrittenKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder does not stop new files on Windows";
#else
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    TempFolder f;
    f.Write("ro/KELO.INI", "old\r\n");
    const std::filesystem::path folder = f.Path("ro");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(ReplaceFileSafely(f.Path("ro/KELO.INI"), "new\r\n", error));
    EXPECT_FALSE(error.empty());
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(f.Read("ro/KELO.INI"), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(f.Path("ro/KELO.INI.tmp")));
#endif
}

TEST(ReplaceFileSafely, APathWithCharactersBeyondTheCodePageSavesAndReadsBack) {
    // A folder name in no single 8-bit code page: only the wide file API reaches it on Windows.
    TempFolder f;
    const std::filesystem::path folder = std::filesystem::path(f.Path()) / u8"Kelo Z\u00FCrich \u65E5\u672C";
    std::filesystem::create_directories(folder);
    const std::string path = Utf8(folder / "KELO.INI");
    std::string error;
    ASSERT_TRUE(ReplaceFileSafely(path, "5      old\r\n", error)) << error;
    ASSERT_TRUE(ReplaceFileSafely(path, "7      new\r\n", error)) << error;
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ(bytes, "7      new\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "KELO.INI.tmp"));
    ChartState s;
    s.settingsFileName = path;
    ASSERT_TRUE(ReadSettings(s));
    EXPECT_EQ(s.settingValues[1], 7.0f);

    // The same through the editor.
    FakeOptionsDialog dialog;
    FakeMessageBoxes boxes;
    OptionsForm form(s, dialog, boxes);
    form.Form_Load();
    EXPECT_EQ(dialog.text, "7      new\r\n");
    dialog.text = "9      saved\r\n";
    form.btnSave_Click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(s.settingValues[1], 9.0f);
    EXPECT_FALSE(std::filesystem::exists(folder / "KELO.INI.tmp"));
}

}  // namespace
