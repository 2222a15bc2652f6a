// The settings editor dialog (form Options, "Program Options"): one multi-line text box, txtContent,
// and the two buttons btnSave and btnQuit. The text is given with carriage return and line feed ending
// each line, in the program's 8-bit code page (Windows-1252) for a classic settings file or in UTF-8
// for one saved with a byte-order mark (SetContentUtf8); each platform converts it for its own text
// control.
//
// A dialog may also show the settings as a form of named fields beside the text, with a live preview of
// the chart. What the form holds is described by OptionsFormLayout, which the settings fill in and the
// program gives to the dialog; a field is its index in layout.fields. The dialog only shows what the
// form says: the text of a number, the choice of a list, whether a field is enabled, the message of a
// failed check. It reports what the user did: a field's new text or choice, the steps of a number's
// arrows. The form's operations have defaults, so that a dialog with the text alone implements only the
// text's.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/surface.h"

// The pages of the form, in the order shown; the dialog adds the page of the text after them.
enum class FormPage { Place, Chart, Screen, Look };

enum class FieldKind {
    Number,  // a text with arrows: the text is the form's, the arrows report steps (Field_Step)
    Choice,  // a list of named choices (a drop-down)
    Toggle,  // a check box: choice 0 off, choice 1 on
    Colour,  // one of the 16 palette colours, each choice shown with its swatch
};

// One field as a dialog shows it.
struct FormField {
    const char* name = "";   // stable name of the control ("latitudeDegrees"), for tests and tools
    const char* label = "";  // label with its mnemonic marked by "_" (a Win32 label writes "&" instead)
    FormPage page = FormPage::Place;
    FieldKind kind = FieldKind::Number;
    std::vector<const char*> choiceNames;  // Choice, Toggle, Colour: the choices in order
};

struct FormPageLayout {
    const char* title;  // with its mnemonic marked by "_"
    bool restorable;    // the page offers "Restore defaults"
};

struct OptionsFormLayout {
    std::vector<FormPageLayout> pages;  // by FormPage
    std::vector<FormField> fields;      // by page, each page's fields in the order of its layout
    std::array<Rgb, 16> palette{};      // the colour of each Colour choice
    int previewDelayMs = 0;             // edits within this time share one paint of the preview
    const char* previewCaption = "";    // what the preview shows
};

class OptionsDialogEvents {
public:
    virtual ~OptionsDialogEvents() = default;
    virtual void Form_Load() = 0;
    virtual void btnSave_Click() = 0;
    virtual void btnQuit_Click() = 0;
    virtual void txtContent_Change() = 0;
    // The user changed a field of the form: typed in a number, chose a choice (not raised while the form
    // itself sets the field).
    virtual void Field_Change(int /*field*/) {}
    // The arrows of a number (its arrow keys, the mouse wheel): steps up, negative down.
    virtual void Field_Step(int /*field*/, int /*steps*/) {}
    // The preview needs its picture: paint it on surface, of the preview's size.
    virtual void picPreview_Paint(Surface& /*surface*/) {}
    // "Restore defaults" on a page of the form that is restorable.
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
    // A Number field's text, in UTF-8; a Choice, Toggle or Colour field's choice (-1: none).
    virtual void SetFieldText(int /*field*/, const std::string& /*text*/) {}
    virtual std::string FieldText(int /*field*/) { return ""; }
    virtual void SetFieldChoice(int /*field*/, int /*choice*/) {}
    virtual int FieldChoice(int /*field*/) { return -1; }
    // A disabled field is shown greyed and takes no input; whyNot says why, where the dialog has room.
    virtual void SetFieldEnabled(int /*field*/, bool /*enabled*/, const std::string& /*whyNot*/) {}
    // The message of a failed check beside the field; "" clears it.
    virtual void SetFieldProblem(int /*field*/, const std::string& /*message*/) {}
    // What the failed checks mean for the chart, under the preview; "" when every check passes.
    virtual void SetProblemSummary(const std::string& /*summary*/) {}
    // Paints the preview again (picPreview_Paint) within the layout's preview delay; several calls, one
    // paint.
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
