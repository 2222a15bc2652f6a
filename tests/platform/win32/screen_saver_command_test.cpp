// The command lines Windows starts a screen saver with.
#include <gtest/gtest.h>

#include "apps/kelo/win32/screen_saver_command.h"

namespace {

TEST(ScreenSaverCommand, PreviewTakesTheHostWindow) {
    for (const char* line : {"/p 1234", "/p:1234", "/P 1234", "/p  1234 "}) {
        ScreenSaverCommand c = ParseScreenSaverCommand(line);
        EXPECT_TRUE(c.preview) << line;
        EXPECT_EQ(c.previewWindow, 1234u) << line;
    }
    // Without a window number there is nothing to draw into: the screen saver's own rule applies.
    for (const char* line : {"/p", "/p ", "/p abc", "/p 0", "/px 12", "/p12"}) {
        ScreenSaverCommand c = ParseScreenSaverCommand(line);
        EXPECT_FALSE(c.preview) << line;
        EXPECT_EQ(c.shellCommandLine, line);
    }
}

TEST(ScreenSaverCommand, TheSettingsButtonOpensTheEditorAsSlashC) {
    for (const char* line : {"/c:1234", "/c 1234", "/c:66090", "/c"})
        EXPECT_EQ(ParseScreenSaverCommand(line).shellCommandLine, "/c") << line;
    // The Settings button's window owns the editor (and the program ends with it); "/c" alone and
    // Explorer's "Configure" (the empty line) have no owner and go on to the screen saver.
    EXPECT_EQ(ParseScreenSaverCommand("/c:1234").editorOwner, 1234u);
    EXPECT_EQ(ParseScreenSaverCommand("/c 66090").editorOwner, 66090u);
    EXPECT_EQ(ParseScreenSaverCommand("/c").editorOwner, 0u);
    EXPECT_EQ(ParseScreenSaverCommand("").shellCommandLine, "/c");
    EXPECT_EQ(ParseScreenSaverCommand("").editorOwner, 0u);
    // Everything else reaches start-up as it stands: "/C", another switch, a window number of zero.
    for (const char* line : {"/C", "/C:1234", "/c:", "/c:abc", "/c:0", "/cx", "/s", "/S", " ", "-c", "/a 1234"}) {
        ScreenSaverCommand c = ParseScreenSaverCommand(line);
        EXPECT_EQ(c.shellCommandLine, line) << line;
        EXPECT_FALSE(c.preview) << line;
        EXPECT_EQ(c.editorOwner, 0u) << line;
    }
}

TEST(ScreenSaverCommand, ArgumentsFollowTheProgramNameQuotedOrNot) {
    EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\Windows\\System32\\Kelo.scr\" /p 1234"), L"/p 1234");
    EXPECT_EQ(ArgumentsAfterProgramName(L"C:\\WINDOWS\\KELO~1.SCR /s"), L"/s");
    EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\Program Files\\Kelo\\Kelo.scr\""), L"");
    EXPECT_EQ(ArgumentsAfterProgramName(L"Kelo.scr   /c:42"), L"/c:42");
    EXPECT_EQ(ArgumentsAfterProgramName(L"Kelo.scr /c "), L"/c ");
}

}  // namespace
