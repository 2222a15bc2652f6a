#include "settings/options_editor.h"

#include "settings/replace_file.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"

namespace {

const std::string kLineEnd = "\r\n";

std::string TextBoxLines(const SettingsText& t) {
    std::string text;
    for (const std::string& line : SettingsFileLines(t)) text += line + kLineEnd;
    return text;
}

}  // namespace

std::string SettingsNotFoundMessage(const std::string& settingsFileName) {
    return kSettingsNotFoundMessage + "\n" + settingsFileName;
}

std::string SettingsTextFromFile(const std::string& bytes) { return TextBoxLines(DecodeSettingsText(bytes)); }

std::string SettingsFileFromText(const std::string& text, const SettingsText& format) {
    std::string body = text;
    if (body.size() >= kLineEnd.size() && body.compare(body.size() - kLineEnd.size(), kLineEnd.size(), kLineEnd) == 0)
        body.resize(body.size() - kLineEnd.size());
    SettingsText file = format;
    file.text.clear();
    for (std::size_t start = 0;;) {
        const std::size_t end = body.find(kLineEnd, start);
        file.text.append(body, start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) break;
        file.text += format.lineEnd;
        start = end + kLineEnd.size();
    }
    file.text += format.lineEnd;
    return EncodeSettingsText(file);
}

void OptionsForm::Form_Load() {
    std::string bytes;
    if (!ReadFileBytes(s.settingsFileName, bytes)) {
        // Start-up found the file a moment ago; it has gone since.
        boxes.ShowMessage(SettingsNotFoundMessage(s.settingsFileName), kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    loaded = DecodeSettingsText(bytes);
    dialog.SetContentUtf8(loaded.encoding != SettingsEncoding::Ansi);
    dialog.SetContentText(TextBoxLines(loaded));
}

void OptionsForm::btnSave_Click() {
    std::string error;
    if (!ReplaceFileSafely(s.settingsFileName, SettingsFileFromText(dialog.ContentText(), loaded), error)) {
        boxes.ShowMessage("The settings could not be saved to " + s.settingsFileName + " (" + error +
                              "). The file is unchanged; the text is still in the editor.",
                          kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    ReadSettings(s);
}

void OptionsForm::btnQuit_Click() { dialog.Unload(); }

void OptionsForm::txtContent_Change() {}
