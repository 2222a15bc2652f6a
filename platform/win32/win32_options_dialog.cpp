#include "platform/win32/win32_options_dialog.h"

#include <cmath>
#include <iterator>

#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_text.h"

namespace {

// Client area and controls, twips.
constexpr int kClientWidth = 9480, kClientHeight = 6795;
struct ControlPlace {
    int id;
    int left, top, width, height;
};
constexpr ControlPlace kControls[] = {
    {IDC_TXTCONTENT, 240, 240, 9015, 5535},
    {IDC_BTNSAVE, 1560, 6000, 972, 492},
    {IDC_BTNQUIT, 6600, 6000, 972, 492},
};
static_assert(std::size(kControls) == 3);

constexpr COLORREF kLightGrey = RGB(192, 192, 192);

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) {
        UINT dpi = getDpiForWindow(window);
        if (dpi != 0) return dpi;
    }
    HDC screen = GetDC(nullptr);
    UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Pixels(int twips, UINT dpi) { return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0)); }

// pitchAndFamily names what a system without the face should take instead (a fixed-pitch face for
// the settings text, whose values line up in columns).
HFONT MakeFont(const wchar_t* face, double points, bool bold, UINT dpi, BYTE pitchAndFamily) {
    return CreateFontW(-static_cast<int>(std::lround(points * dpi / 72.0)), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       CLEARTYPE_QUALITY, pitchAndFamily, face);
}

}  // namespace

std::wstring WideFromCp1252(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return WideFromGlyphCodes(text);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Cp1252FromWide(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

Win32OptionsDialog::~Win32OptionsDialog() {
    ReleaseFonts();
    if (background_) DeleteObject(background_);
}

void Win32OptionsDialog::ReleaseFonts() {
    if (editFont_) DeleteObject(editFont_);
    if (buttonFont_) DeleteObject(buttonFont_);
    editFont_ = buttonFont_ = nullptr;
}

void Win32OptionsDialog::ShowModal(OptionsDialogEvents& events) {
    events_ = &events;
    if (!background_) background_ = CreateSolidBrush(kLightGrey);
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_OPTIONS), IsWindow(owner_) ? owner_ : nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    events_ = nullptr;
}

void Win32OptionsDialog::Unload() {
    if (dialog_) EndDialog(dialog_, IDCANCEL);
}

std::string Win32OptionsDialog::ContentText() {
    if (!dialog_) return pendingText_;
    HWND edit = GetDlgItem(dialog_, IDC_TXTCONTENT);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    int n = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return contentUtf8_ ? Utf8FromWide(text) : Cp1252FromWide(text);
}

void Win32OptionsDialog::SetContentText(const std::string& text) {
    pendingText_ = text;
    if (dialog_) SetDlgItemTextW(dialog_, IDC_TXTCONTENT, ContentWide().c_str());
}

std::wstring Win32OptionsDialog::ContentWide() const {
    return contentUtf8_ ? WideFromUtf8(pendingText_) : WideFromCp1252(pendingText_);
}

// Client area and controls from their twips at the dialog's DPI, and the fonts at that DPI.
void Win32OptionsDialog::Layout() {
    UINT dpi = WindowDpi(dialog_);
    RECT frame{0, 0, Pixels(kClientWidth, dpi), Pixels(kClientHeight, dpi)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_EXSTYLE)));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(dialog_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlPlace& c : kControls)
        SetWindowPos(GetDlgItem(dialog_, c.id), nullptr, Pixels(c.left, dpi), Pixels(c.top, dpi),
                     Pixels(c.width, dpi), Pixels(c.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);

    ReleaseFonts();
    editFont_ = MakeFont(L"Courier New", 9, false, dpi, FIXED_PITCH | FF_MODERN);
    buttonFont_ = MakeFont(L"MS Sans Serif", 8.25, true, dpi, VARIABLE_PITCH | FF_SWISS);
    SendDlgItemMessageW(dialog_, IDC_TXTCONTENT, WM_SETFONT, reinterpret_cast<WPARAM>(editFont_), TRUE);
    SendDlgItemMessageW(dialog_, IDC_BTNSAVE, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), TRUE);
    SendDlgItemMessageW(dialog_, IDC_BTNQUIT, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), TRUE);
}

INT_PTR CALLBACK Win32OptionsDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32OptionsDialog*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<Win32OptionsDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR Win32OptionsDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SendDlgItemMessageW(dialog_, IDC_TXTCONTENT, EM_SETLIMITTEXT, 0, 0);  // no 32K limit
            Layout();
            SetDlgItemTextW(dialog_, IDC_TXTCONTENT, ContentWide().c_str());
            events_->Form_Load();
            // The caret at the start of the text, nothing selected (the dialog manager would select
            // all of it).
            HWND edit = GetDlgItem(dialog_, IDC_TXTCONTENT);
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, 0);
            SendMessageW(edit, EM_SCROLLCARET, 0, 0);
            SetForegroundWindow(dialog_);
            return FALSE;  // the focus is set
        }
        case WM_DPICHANGED:
            Layout();
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<INT_PTR>(background_);
        case WM_CTLCOLORSTATIC:
            SetBkColor(reinterpret_cast<HDC>(wParam), kLightGrey);
            return reinterpret_cast<INT_PTR>(background_);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_BTNSAVE:
                    if (HIWORD(wParam) == BN_CLICKED) events_->btnSave_Click();
                    return TRUE;
                case IDC_BTNQUIT:
                    if (HIWORD(wParam) == BN_CLICKED) events_->btnQuit_Click();
                    return TRUE;
                case IDC_TXTCONTENT:
                    if (HIWORD(wParam) == EN_CHANGE) events_->txtContent_Change();
                    return TRUE;
                case IDCANCEL:  // Esc: only Quit and the close box end the dialog
                    return TRUE;
            }
            break;
        case WM_CLOSE:
            Unload();
            return TRUE;
    }
    (void)lParam;
    return FALSE;
}
