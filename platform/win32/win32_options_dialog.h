// The settings editor on Windows: the dialog "Program Options" of the resource template IDD_OPTIONS.
// A tab control holds the pages of the settings form (Place, Chart, Screen, Look: one labelled control
// per field of the form's layout, OptionsFormLayout) and the page "Text", the settings
// file's text in a multi-line edit control ("Courier New" 9 point). Beside the pages, the preview of
// the chart, painted on a GDI+ surface at the control's size in pixels; below them "Restore defaults"
// for a restorable page, Save (the default button, Enter) and Quit (Escape, the close box).
// The Place page ends with the city search: Enter in the search takes the first city found, and in the
// list of cities the one under the cursor (as does a click); there Enter never saves.
// The text (Windows-1252, or UTF-8 for a settings file with a byte-order mark) is converted to and from
// Unicode for the control.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "platform/options_dialog.h"
#include "platform/win32/gdiplus_surface.h"

class Win32OptionsDialog : public OptionsDialog {
public:
    // owner: the window the dialog is modal to (the Settings page's, for "/c:HWND"), or none.
    Win32OptionsDialog(HINSTANCE instance, HWND owner, const OptionsFormLayout& layout)
        : instance_(instance), owner_(owner), layout_(layout) {}
    ~Win32OptionsDialog() override;

    void ShowModal(OptionsDialogEvents& events) override;
    void Unload() override;
    std::string ContentText() override;
    void SetContentText(const std::string& text) override;

    bool HasForm() const override { return true; }
    void SetFieldText(int field, const std::string& text) override;
    void SetFieldChoice(int field, int choice) override;
    std::string FieldText(int field) override;
    int FieldChoice(int field) override;
    void SetFieldEnabled(int field, bool enabled, const std::string& whyNot) override;
    void SetFieldProblem(int field, const std::string& message) override;
    void SetProblemSummary(const std::string& summary) override;
    void RefreshPreview() override;
    // The city search's results, in the order given: a choice raises lstCity_Click with its index.
    void ShowCities(const std::vector<std::string>& names) override;
    bool AskYesNo(const std::string& question) override;

    HWND Handle() const { return dialog_; }
    // A field's control of a kind (base IDC_FIELD, IDC_LABEL, IDC_SPIN or IDC_PROBLEM), by its slot in
    // the template or the one given it when the dialog opened.
    HWND Control(int base, int field) const;
    // The page shown: 0 Place, 1 Chart, 2 Screen, 3 Look, 4 Text.
    void ShowPage(int page);

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void DrawItem(const DRAWITEMSTRUCT& item);
    HBRUSH StaticColours(HWND control, HDC dc);
    bool Notify(const NMHDR& header, LPARAM lParam);
    bool Command(int id, int code);
    void InitControls();
    void AddUnplacedFields();
    bool OnPage(int id, int page) const;
    HWND MakeControl(const wchar_t* kind, DWORD style, const RECT& r, int id, HWND after);
    int FieldCount() const { return static_cast<int>(layout_.fields.size()); }
    void MakeFonts();
    COLORREF PageColour() const;
    void FitPreview();
    void PaintPreview();
    void DrawColourItem(const DRAWITEMSTRUCT& item);
    void ShowOtherProblems();
    // The city at index of the list: selected, and lstCity_Click raised. Nothing for no such city.
    void ChooseCity(int index);
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    // The field whose control of that kind has this identifier, -1 for none.
    int FieldOfControl(int id, int base) const;
    std::wstring ContentWide() const;  // pendingText_ for the control, from its coding

    HINSTANCE instance_;
    HWND owner_;
    const OptionsFormLayout& layout_;
    HWND dialog_ = nullptr;
    OptionsDialogEvents* events_ = nullptr;
    HFONT editFont_ = nullptr;
    COLORREF pageColour_ = 0;
    HBRUSH pageBrush_ = nullptr;
    std::string pendingText_;  // text set before the dialog exists
    int page_ = 0;
    bool settingField_ = false;    // the form sets a control: no Field_Change
    bool previewPending_ = false;  // a paint of the preview is due on the timer
    std::vector<std::string> problems_;  // by field
    std::string summary_;                // what failing checks mean
    std::vector<int> slots_;             // by field: its slot in the template, -1 for none
    GdiplusSurface preview_;
};

// The slot of a field of the form in the dialog template, by the field's name: its controls are
// IDC_FIELD + slot, IDC_LABEL + slot, IDC_SPIN + slot and IDC_PROBLEM + slot (resource_ids.h). -1 when
// the template has none.
int OptionsDialogSlot(const std::string& fieldName);

// Windows-1252 bytes to UTF-16 and back (characters outside the code page become "?").
std::wstring WideFromCp1252(const std::string& text);
std::string Cp1252FromWide(const std::wstring& text);
