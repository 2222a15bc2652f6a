// The settings editor dialog (form Options, "Program Options"): one multi-line text box, txtContent,
// and the two buttons btnSave and btnQuit. The text is given with carriage return and line feed ending
// each line, in the program's 8-bit code page (Windows-1252) for a classic settings file or in UTF-8
// for one saved with a byte-order mark (SetContentUtf8); each platform converts it for its own text
// control.
//
// A dialog may also show the settings as a form of named fields (settings/settings_form.h; a field is
// its index in SettingsFields()) beside the text, with a live preview of the chart. The form's
// operations have defaults, so that a dialog with the text alone implements only the text's.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

class OptionsDialogEvents {
public:
    virtual ~OptionsDialogEvents() = default;
    virtual void Form_Load() = 0;
    virtual void btnSave_Click() = 0;
    virtual void btnQuit_Click() = 0;
    virtual void txtContent_Change() = 0;
    // The user changed a field of the form (not raised while the form itself sets the field).
    virtual void Field_Change(int /*field*/) {}
    // The preview needs its picture: paint it on surface, of the preview's size.
    virtual void picPreview_Paint(Surface& /*surface*/) {}
    // "Restore defaults" on a page of the form (its index: 0 Place, 1 Chart, 2 Screen, 3 Look).
    virtual void btnDefaults_Click(int /*page*/) {}
    // The text of the city search changed; a city of the list it shows was chosen (its index).
    virtual void txtCity_Change(const std::string& /*query*/) {}
    virtual void lstCity_Click(int /*index*/) {}
};

class OptionsDialog {
public:
    virtual ~OptionsDialog() = default;
    // Loads the dialog (Form_Load), shows it modally and returns when it is unloaded, by Unload or
    // by the window's close box.
    virtual void ShowModal(OptionsDialogEvents& events) = 0;
    virtual void Unload() = 0;
    virtual std::string ContentText() = 0;                   // txtContent.Text
    virtual void SetContentText(const std::string& text) = 0;

    // ---- The form and the preview (none by default) ----
    virtual bool HasForm() const { return false; }
    // The glyph font file the preview draws with.
    virtual void UsePreviewFont(const std::string& /*glyphFontPath*/) {}
    // A Number field shows shown; a Choice, Toggle or Colour field its choice (-1: none).
    virtual void SetFieldNumber(int /*field*/, double /*shown*/) {}
    virtual void SetFieldChoice(int /*field*/, int /*choice*/) {}
    virtual double FieldNumber(int /*field*/) { return 0; }
    virtual int FieldChoice(int /*field*/) { return -1; }
    virtual void SetFieldEnabled(int /*field*/, bool /*enabled*/) {}
    // The message of a failed check beside the field; "" clears it.
    virtual void SetFieldProblem(int /*field*/, const std::string& /*message*/) {}
    // Paints the preview again (picPreview_Paint) within a moment; several calls, one paint.
    virtual void RefreshPreview() {}
    // The cities found by the search, to choose from ("New York, America").
    virtual void ShowCities(const std::vector<std::string>& /*names*/) {}
    // Asks the question with the answers Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& /*question*/) { return true; }

    // The coding of the text both ways: false Windows-1252, true UTF-8. Set before the text.
    void SetContentUtf8(bool utf8) { contentUtf8_ = utf8; }
    bool ContentUtf8() const { return contentUtf8_; }

protected:
    bool contentUtf8_ = false;
};
