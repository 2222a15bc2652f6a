// The settings editor on Windows: the dialog "Program Options" of the resource template IDD_OPTIONS,
// a multi-line edit control with both scroll bars ("Courier New" 9 point) and the buttons "Save" and
// "Quit" ("MS Sans Serif" 8.25 point bold) on a light-grey background, placed by their twips at the
// dialog's DPI. The text box's text (Windows-1252, or UTF-8 for a settings file with a byte-order mark)
// is converted to and from Unicode for the control.
#pragma once

#include <windows.h>

#include <string>

#include "platform/options_dialog.h"

class Win32OptionsDialog : public OptionsDialog {
public:
    // owner: the window the dialog is modal to (the Settings page's, for "/c:HWND"), or none.
    explicit Win32OptionsDialog(HINSTANCE instance, HWND owner = nullptr) : instance_(instance), owner_(owner) {}
    ~Win32OptionsDialog() override;

    void ShowModal(OptionsDialogEvents& events) override;
    void Unload() override;
    std::string ContentText() override;
    void SetContentText(const std::string& text) override;

    HWND Handle() const { return dialog_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void ReleaseFonts();
    std::wstring ContentWide() const;  // pendingText_ for the control, from its coding

    HINSTANCE instance_;
    HWND owner_;
    HWND dialog_ = nullptr;
    OptionsDialogEvents* events_ = nullptr;
    HBRUSH background_ = nullptr;
    HFONT editFont_ = nullptr;
    HFONT buttonFont_ = nullptr;
    std::string pendingText_;  // text set before the dialog exists
};

// Windows-1252 bytes to UTF-16 and back (characters outside the code page become "?").
std::wstring WideFromCp1252(const std::string& text);
std::string Cp1252FromWide(const std::wstring& text);
