#include "apps/kelo/win32/screen_saver_command.h"

namespace {

// A window handle as Windows writes it on the command line: decimal digits, nothing else.
bool ParseWindowNumber(const std::string& text, std::uintptr_t& out) {
    if (text.empty() || text.size() > 20) return false;
    std::uintptr_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uintptr_t>(c - '0');
    }
    out = value;
    return value != 0;
}

std::string TrimBlanks(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

ScreenSaverCommand ParseScreenSaverCommand(const std::string& arguments) {
    ScreenSaverCommand command;
    command.shellCommandLine = arguments.empty() ? "/c" : arguments;
    if (arguments.size() < 2 || arguments[0] != '/') return command;
    const char letter = arguments[1];
    const std::string rest = arguments.substr(2);
    const bool separated = !rest.empty() && (rest[0] == ' ' || rest[0] == ':');
    std::uintptr_t window = 0;
    if ((letter == 'p' || letter == 'P') && separated && ParseWindowNumber(TrimBlanks(rest.substr(1)), window)) {
        command.preview = true;
        command.previewWindow = window;
    } else if (letter == 'c' && separated && ParseWindowNumber(TrimBlanks(rest.substr(1)), window)) {
        command.shellCommandLine = "/c";
        command.editorOwner = window;
    }
    return command;
}

std::wstring ArgumentsAfterProgramName(const std::wstring& commandLine) {
    size_t i = 0;
    if (i < commandLine.size() && commandLine[i] == L'"') {
        size_t close = commandLine.find(L'"', 1);
        i = close == std::wstring::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t') ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t')) ++i;
    return commandLine.substr(i);
}
