// The settings editor dialog (form Options, "Program Options"): one multi-line text box, txtContent,
// and the two buttons btnSave and btnQuit. The text is given with carriage return and line feed ending
// each line, in the program's 8-bit code page (Windows-1252) for a classic settings file or in UTF-8
// for one saved with a byte-order mark (SetContentUtf8); each platform converts it for its own text
// control.
#pragma once

#include <string>

class OptionsDialogEvents {
public:
    virtual ~OptionsDialogEvents() = default;
    virtual void Form_Load() = 0;
    virtual void btnSave_Click() = 0;
    virtual void btnQuit_Click() = 0;
    virtual void txtContent_Change() = 0;
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
    // The coding of the text both ways: false Windows-1252, true UTF-8. Set before the text.
    void SetContentUtf8(bool utf8) { contentUtf8_ = utf8; }
    bool ContentUtf8() const { return contentUtf8_; }

protected:
    bool contentUtf8_ = false;
};
