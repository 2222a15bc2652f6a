// The settings editor, form Options ("Program Options"): the raw text of the settings file in one
// text box, written back by Save. It knows nothing of the meaning of the lines.
#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "platform/options_dialog.h"
#include "shell/chart_state.h"

inline const std::string kSettingsNotFoundMessage = "KELO.INI File Not Found";

// The text box's contents for a file's bytes: every line (up to a line feed, a carriage return before
// it dropped; a last line without a line end included) followed by carriage return and line feed.
// Empty lines and the lines after them are kept.
std::string SettingsTextFromFile(const std::string& bytes);

// The file's bytes for the text box's contents: the text without its final carriage return and line
// feed (when it ends with one), followed by one carriage return and line feed.
std::string SettingsFileFromText(const std::string& text);

class OptionsForm : public OptionsDialogEvents {
public:
    OptionsForm(ChartState& s, OptionsDialog& dialog, MessageBoxes& boxes)
        : s(s), dialog(dialog), boxes(boxes) {}

    // Fills txtContent from the settings file.
    void Form_Load() override;
    // Writes the text to the settings file, then reads the values again as ReadSettings does. A failed
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
};
