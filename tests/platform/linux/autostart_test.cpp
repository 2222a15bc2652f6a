#include "platform/linux/autostart.h"

#include <gtest/gtest.h>

#include "platform/whole_file.h"
#include "support/temp_folder.h"

namespace {

// Worked by hand from the desktop entry rules: quoting for the reserved characters, a backslash before
// " ` $ \ inside the quotes, %% for a percent sign, then every backslash doubled for the string.
TEST(DesktopExecArgument, QuotesAndEscapesAsTheDesktopEntryRulesSay) {
    const struct {
        const char* argument;
        const char* exec;
        const char* why;
    } cases[] = {
        {"/usr/bin/kelo", "/usr/bin/kelo", "nothing reserved: as it is"},
        {"/home/ann/my kelo/kelo", "\"/home/ann/my kelo/kelo\"", "a space: quoted"},
        {"/opt/$x/kelo", "\"/opt/\\\\$x/kelo\"", "a dollar: quoted, escaped, the backslash doubled"},
        {"/opt/a\\b", "\"/opt/a\\\\\\\\b\"", "a backslash: escaped, then both doubled"},
        {"/opt/100%/kelo", "/opt/100%%/kelo", "a percent sign is not a field code"},
        {"", "\"\"", "an empty argument stays one argument"},
    };
    for (const auto& c : cases) EXPECT_EQ(DesktopExecArgument(c.argument), c.exec) << c.why;
}

TEST(WallpaperAtLogin, TheEntryIsWrittenWithItsFolderAndRemovedAgain) {
    TempFolder f;
    const std::string path = WallpaperAutostartPath(f.Path("config"));
    EXPECT_EQ(path, f.Path("config") + "/autostart/kelo-wallpaper.desktop");
    EXPECT_FALSE(WallpaperStartsAtLogin(path));
    std::string error, text;
    ASSERT_TRUE(SetWallpaperAtLogin(path, true, "/usr/bin/kelo", error)) << error;
    EXPECT_TRUE(WallpaperStartsAtLogin(path));
    ASSERT_TRUE(ReadFileBytes(path, text));
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nExec=/usr/bin/kelo --wallpaper\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    ASSERT_TRUE(SetWallpaperAtLogin(path, false, "/usr/bin/kelo", error)) << error;
    EXPECT_FALSE(WallpaperStartsAtLogin(path));
    EXPECT_TRUE(SetWallpaperAtLogin(path, false, "/usr/bin/kelo", error)) << "already gone is gone";
    EXPECT_FALSE(SetWallpaperAtLogin(WallpaperAutostartPath(""), true, "/usr/bin/kelo", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
