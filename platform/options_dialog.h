// The settings editor dialog (form Options, "Program Options"): one multi-line text box, txtContent,
// and the two buttons btnSave and btnQuit. The text is given in the program's 8-bit code page
// (Windows-1252) with carriage return and line feed ending each line; each platform converts it for
// its own text control.
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
};
