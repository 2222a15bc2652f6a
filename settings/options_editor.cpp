#include "settings/options_editor.h"

#include <cstdio>

#include "settings/replace_file.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"

namespace {

const std::string kLineEnd = "\r\n";

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

}  // namespace

std::string SettingsTextFromFile(const std::string& bytes) {
    std::string text;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        std::size_t lineEnd = end;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') --lineEnd;
        text.append(bytes, start, lineEnd - start);
        text += kLineEnd;
        start = next;
    }
    return text;
}

std::string SettingsFileFromText(const std::string& text) {
    std::string body = text;
    if (body.size() >= kLineEnd.size() && body.compare(body.size() - kLineEnd.size(), kLineEnd.size(), kLineEnd) == 0)
        body.resize(body.size() - kLineEnd.size());
    return body + kLineEnd;
}

void OptionsForm::Form_Load() {
    std::string bytes;
    if (!ReadWholeFile(s.settingsFileName, bytes)) {
        // Start-up found the file a moment ago; it has gone since.
        boxes.ShowMessage(kSettingsNotFoundMessage, kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    dialog.SetContentText(SettingsTextFromFile(bytes));
}

void OptionsForm::btnSave_Click() {
    std::string error;
    if (!ReplaceFileSafely(s.settingsFileName, SettingsFileFromText(dialog.ContentText()), error)) {
        boxes.ShowMessage("The settings could not be saved to " + s.settingsFileName + " (" + error +
                              "). The file is unchanged; the text is still in the editor.",
                          kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    ReadSettings(s);
}

void OptionsForm::btnQuit_Click() { dialog.Unload(); }

void OptionsForm::txtContent_Change() {}
