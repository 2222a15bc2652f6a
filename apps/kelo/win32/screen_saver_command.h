// The command line Windows starts a screen saver with, turned into what the shell sees.
//   "/p HWND"              the live preview inside that window of the settings page
//   "/c:HWND", "/c HWND"   the Settings button: the shell is given exactly "/c"; the editor belongs to
//                          that window and the program ends when the editor closes
//   the empty line         Explorer's "Configure" (Windows never starts a screen saver so): as "/c",
//                          the editor, then the screen saver
//   anything else          handed to the shell as it stands ("/s", "/C", ...)
#pragma once

#include <cstdint>
#include <string>

struct ScreenSaverCommand {
    bool preview = false;
    std::uintptr_t previewWindow = 0;  // the host window of the preview
    std::uintptr_t editorOwner = 0;    // "/c:HWND": the editor's owner; the program ends with the editor
    std::string shellCommandLine;      // the command line the chart window's start-up sees
};

// arguments: the text after the program name, its leading blanks removed.
ScreenSaverCommand ParseScreenSaverCommand(const std::string& arguments);

// The text after the program name in a whole Windows command line (the program name quoted or not),
// without the blanks that separate it from the name.
std::wstring ArgumentsAfterProgramName(const std::wstring& commandLine);
