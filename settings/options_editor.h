// The settings editor, form Options ("Program Options"): the raw text of the settings file in one
// text box, written back by Save. It knows nothing of the meaning of the lines.
#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "platform/options_dialog.h"
#include "settings/settings_text.h"
#include "shell/chart_state.h"

inline const std::string kSettingsNotFoundMessage = "KELO.INI File Not Found";

// The message for a settings file that is not there: kSettingsNotFoundMessage and, on a second line,
// the full path that was looked for.
std::string SettingsNotFoundMessage(const std::string& settingsFileName);

// The text box's contents for a file's bytes: every line of the decoded text (SettingsFileLines; a last
// line without a line end included) followed by carriage return and line feed. Empty lines and the
// lines after them are kept. The text is UTF-8 for a file with a byte-order mark, the file's own bytes
// otherwise.
std::string SettingsTextFromFile(const std::string& bytes);

// The file's bytes for the text box's contents, stored as format was read (its encoding, line end and
// odd last byte; format.text is not used): the text without its final carriage return and line feed
// (when it ends with one), each CR LF turned into the file's line end, followed by one line end.
std::string SettingsFileFromText(const std::string& text, const SettingsText& format = {});

class OptionsForm : public OptionsDialogEvents {
public:
    OptionsForm(ChartState& s, OptionsDialog& dialog, MessageBoxes& boxes)
        : s(s), dialog(dialog), boxes(boxes) {}

    // Fills txtContent from the settings file, in whichever encoding and line ends it was saved.
    void Form_Load() override;
    // Writes the text to the settings file in the encoding and line ends it was read in, then reads the values again as ReadSettings does. A failed
    // write shows why, keeps the old file and leaves the text box as it is. The dialog stays open.
    void btnSave_Click() override;
    // Closes the dialog; edits not saved are discarded.
    void btnQuit_Click() override;
    // Every edit: no visible effect.
    void txtContent_Change() override;

private:
    ChartState& s;
    OptionsDialog& dialog;
    MessageBoxes& boxes;
    SettingsText loaded;  // how the file was stored when Form_Load read it; Save writes it back so
};
