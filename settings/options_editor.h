// The settings editor, form Options ("Program Options"): the raw text of the settings file in one
// text box, written back by Save. It knows nothing of the meaning of the lines.
//
// On a dialog with a form (OptionsDialog::HasForm), the same text is also shown as named fields
// (settings/settings_form.h) with the checks beside them and a preview of the chart; the text is the
// one record of the edit: a field's change rewrites its line in the text, a change of the text shows
// in the fields. Save then rewrites in the file only the numbers that changed (unless the text was
// edited by hand: then the text is written as the editor always wrote it). Quit asks before it
// discards changes.
#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "platform/options_dialog.h"
#include "settings/city_list.h"
#include "settings/settings_form.h"
#include "settings/settings_text.h"
#include "core/chart_state.h"

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

inline const std::string kDiscardChangesQuestion = "Discard the changes?";

// What the form needs of the chart program, which the settings do not know: given by the shell.
class SettingsPreview {
public:
    virtual ~SettingsPreview() = default;
    // The house system letter the chart program takes from these values (for the latitude limit).
    virtual std::string HouseSystemLetter(const SettingValues& values) = 0;
    // The chart of the present moment with these values, painted on surface.
    virtual void PaintPreview(const SettingValues& values, Surface& surface) = 0;
};

class OptionsForm : public OptionsDialogEvents {
public:
    OptionsForm(ChartState& s, OptionsDialog& dialog, MessageBoxes& boxes, SettingsPreview* preview = nullptr)
        : s(s), dialog(dialog), boxes(boxes), preview(preview) {}

    // Fills txtContent from the settings file, in whichever encoding and line ends it was saved.
    void Form_Load() override;
    // Writes the settings file in the encoding and line ends it was read in (from the form: only the
    // numbers that changed), then reads the values again as ReadSettings does. A failed write shows
    // why, keeps the old file and leaves the text box as it is. The dialog stays open.
    void btnSave_Click() override;
    // Closes the dialog; edits not saved are discarded.
    void btnQuit_Click() override;
    // Every edit of the text: the form's fields, checks and preview follow it.
    void txtContent_Change() override;
    // A field's edit: its line rewritten in the text; checks and preview follow.
    void Field_Change(int field) override;
    void picPreview_Paint(Surface& surface) override;
    // The shipped values back on the fields of the page.
    void btnDefaults_Click(int page) override;
    // The city search: the first cities of the time-zone database matching the text; a choice fills in
    // the place.
    void txtCity_Change(const std::string& query) override;
    void lstCity_Click(int index) override;
    // A number's arrows: its value stepped (SteppedNumber), shown and taken as an edit.
    void Field_Step(int field, int steps) override;

    const SettingValues& Values() const { return values; }

private:
    void LoadForm(const std::string& bytes);
    void ShowFields();
    void ShowNumber(int field);
    void ShowEnabled(const std::string& text);
    void ShowProblems();
    void EditText(const std::string& text);
    void ValuesEdited();
    bool SaveForm();
    bool WriteSettingsFile(const std::string& bytes);

    ChartState& s;
    OptionsDialog& dialog;
    MessageBoxes& boxes;
    SettingsPreview* preview;
    SettingValues values{};   // the values of the text being edited
    std::string fileBytes;    // the file as last loaded or saved
    std::string savedText;    // the text as last loaded or saved
    bool textEditedByHand = false;
    bool showing = false;     // the form is setting its own fields or text
    SettingsText loaded;      // how Form_Load found the file stored: Save keeps its encoding and line ends
    std::vector<City> cities;  // the time-zone database's, read at the first search
    std::vector<City> citiesShown;
};
