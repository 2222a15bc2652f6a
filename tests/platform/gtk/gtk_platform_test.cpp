#include "platform/gtk/gtk_platform.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/gtk/ansi_text.h"

namespace {

std::string TempPath(const std::string& leaf) {
    return (std::filesystem::temp_directory_path() / ("kelo-gtk-test-" + std::to_string(getpid()) + "-" + leaf)).string();
}

TEST(AnsiText, EveryByteSurvivesTheWayThroughTheTextView) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Utf8FromAnsi(all);
    EXPECT_TRUE(g_utf8_validate(utf8.data(), static_cast<gssize>(utf8.size()), nullptr));
    EXPECT_EQ(utf8.find('\0'), std::string::npos);  // a text view holds no NUL
    EXPECT_EQ(AnsiFromUtf8(utf8), all);
}

TEST(AnsiText, TheCodePageCharactersAreTheWindowsOnes) {
    EXPECT_EQ(Utf8FromAnsi("\x80\x9C\xE9"), "\u20AC\u0153\u00E9");
    EXPECT_EQ(AnsiFromUtf8("\u20AC\u0153\u00E9"), "\x80\x9C\xE9");
    // Characters the code page cannot write, and broken UTF-8, become "?".
    const std::pair<const char*, const char*> unwritable[] = {{"a\u4E2Db\xC3", "a?b?"}, {"\xF0\x9F\x98\x80", "?"}};
    for (const auto& [utf8, ansi] : unwritable) EXPECT_EQ(AnsiFromUtf8(utf8), ansi);
}

TEST(AnsiText, LineEndsBecomeLineFeedsInTheViewAndCarriageReturnLineFeedsBack) {
    const struct {
        const char* file;
        const char* view;
    } cases[] = {{"5\r\n74\r\n", "5\n74\n"}, {"a\r\n\r\nb", "a\n\nb"}};
    for (const auto& c : cases) {
        EXPECT_EQ(LinesForTextView(c.file), c.view);
        EXPECT_EQ(LinesFromTextView(c.view), c.file);
    }
    EXPECT_EQ(LinesForTextView("lone\rcarriage return"), "lone\rcarriage return");
}

TEST(ChartWindowKeys, OnlyKeysThatProduceACharacterRaiseAKeyPress) {
    const auto none = static_cast<GdkModifierType>(0);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_a, none), 'a');
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_A, GDK_SHIFT_MASK), 'A');
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_space, none), ' ');
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_Return, none), 13);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_KP_Enter, none), 13);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_Escape, none), 27);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_BackSpace, none), 8);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_Tab, none), 9);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_c, GDK_CONTROL_MASK), 3);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_eacute, none), 0xE9);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_EuroSign, none), 0x80);
    EXPECT_EQ(GtkChartWindow::KeyAsciiOf(GDK_KEY_KP_5, none), '5');
    for (guint key : {GDK_KEY_Shift_L, GDK_KEY_Shift_R, GDK_KEY_Control_L, GDK_KEY_Alt_L, GDK_KEY_Left,
                      GDK_KEY_Up, GDK_KEY_F1, GDK_KEY_Delete, GDK_KEY_Home, GDK_KEY_Caps_Lock})
        EXPECT_EQ(GtkChartWindow::KeyAsciiOf(key, none), -1) << gdk_keyval_name(key);
}

TEST(InstanceLock, TheFirstClaimWinsUntilItsHolderGoes) {
    const std::string path = TempPath("lock");
    std::filesystem::remove(path);
    {
        FlockInstanceLock first(path);
        EXPECT_FALSE(first.AnotherInstanceRunning());
        EXPECT_FALSE(first.AnotherInstanceRunning());  // asking again changes nothing
        FlockInstanceLock second(path);
        EXPECT_TRUE(second.AnotherInstanceRunning());
    }
    FlockInstanceLock third(path);
    EXPECT_FALSE(third.AnotherInstanceRunning());
    std::filesystem::remove(path);
}

TEST(InstanceLock, TheLockLiesInAPrivateDirectoryOfTheUser) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    const std::string dir = TempPath("runtime");
    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    EXPECT_EQ(FlockInstanceLock::DefaultLockPath(), dir + "/kelo.lock");
    // A runtime directory others may write to is not used.
    std::filesystem::permissions(dir, std::filesystem::perms::all, std::filesystem::perm_options::replace);
    EXPECT_EQ(FlockInstanceLock::DefaultLockPath(), "/tmp/kelo-" + std::to_string(getuid()) + "/kelo.lock");
    if (saved) setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1); else unsetenv("XDG_RUNTIME_DIR");
    std::filesystem::remove_all(dir);
}

}  // namespace
