#include "platform/win32/win32_options_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_text.h"

namespace {

constexpr int kPages = 5;     // the form's four, then the text
constexpr int kTextPage = 4;
constexpr int kDecorPerPage = 32;
constexpr UINT_PTR kPreviewTimer = 1;
constexpr COLORREF kProblemColour = RGB(176, 0, 0);
const wchar_t* const kDialogProperty = L"Kelo.OptionsDialog";

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

// The template's slot of each field, by the field's name: its controls are IDC_FIELD + slot and the
// others of kelo.rc. By name, so that the form may order or relabel its fields.
constexpr const char* kFieldSlots[] = {
    /*  0 */ "latitudeDegrees", "latitudeMinutes", "latitudeDirection", "longitudeDegrees",
    /*  4 */ "longitudeMinutes", "longitudeDirection", "zoneSource", "zoneOffset",
    /*  8 */ "houseSystem", "wheel", "node", "zodiac",
    /* 12 */ "fixedSignHouses", "fortuneInVoidTest", "aspectLines", "orb60",
    /* 16 */ "orb90", "orb120", "orb150", "orb180",
    /* 20 */ "exitMode", "pointer", "drift", "infoTextColour",
    /* 24 */ "infoTextSize", "cuspDegreesColour", "cuspDegreesSize", "cuspSignColour",
    /* 28 */ "signGlyphSize", "cuspMinutesColour", "cuspMinutesSize", "bodyGlyphColour",
    /* 32 */ "bodyGlyphSize", "bodyDegreesColour", "bodyDegreesSize", "bodySignColour",
    /* 36 */ "bodySignSize", "bodyMinutesColour", "bodyMinutesSize", "retrogradeColour",
    /* 40 */ "retrogradeSize", "voidMoonColour", "voidMoonSize", "ascendantColour",
    /* 44 */ "ascendantSize", "midheavenColour", "midheavenSize", "trineSextileColour",
    /* 48 */ "aspectGlyphSize", "squareOppositionColour", "quincunxColour", "backgroundColour",
    /* 52 */ "wheelCircleColour", "spokeColour",
};
static_assert(std::size(kFieldSlots) <= IDC_FIELDS_MAX);


// A label as a Win32 label writes it: the mnemonic marked by "&" instead of "_".
std::wstring LabelText(const char* label) {
    std::wstring text = WideFromUtf8(label);
    std::replace(text.begin(), text.end(), L'_', L'&');
    return text;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    int n = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

COLORREF ColourRef(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace

int OptionsDialogSlot(const std::string& name) {
    for (int slot = 0; slot < static_cast<int>(std::size(kFieldSlots)); ++slot)
        if (name == kFieldSlots[slot]) return slot;
    return -1;
}

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
    if (editFont_) DeleteObject(editFont_);
    if (pageBrush_) DeleteObject(pageBrush_);
}

void Win32OptionsDialog::ShowModal(OptionsDialogEvents& events) {
    events_ = &events;
    problems_.assign(layout_.fields.size(), std::string());
    summary_.clear();
    slots_.clear();
    for (const FormField& f : layout_.fields) slots_.push_back(OptionsDialogSlot(f.name));
    page_ = 0;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Ctrl+Tab and Ctrl+Page Up/Down turn the pages, as in a property sheet: the dialog manager's own
    // loop passes every message through this filter first.
    HHOOK filter = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_OPTIONS), IsWindow(owner_) ? owner_ : nullptr, DialogProc,
                    reinterpret_cast<LPARAM>(this));
    if (filter) UnhookWindowsHookEx(filter);
    dialog_ = nullptr;
    events_ = nullptr;
}

void Win32OptionsDialog::Unload() {
    if (dialog_) EndDialog(dialog_, IDCANCEL);
}

std::string Win32OptionsDialog::ContentText() {
    if (!dialog_) return pendingText_;
    const std::wstring text = WindowText(Item(IDC_TXTCONTENT));
    return contentUtf8_ ? Utf8FromWide(text) : Cp1252FromWide(text);
}

// Only the part of the text that differs is replaced (a field's edit changes a few characters of one
// line): the text box keeps its scroll position and selection, and a long text is not laid out anew.
void Win32OptionsDialog::SetContentText(const std::string& text) {
    pendingText_ = text;
    if (!dialog_) return;
    HWND edit = Item(IDC_TXTCONTENT);
    const std::wstring now = WindowText(edit), wanted = ContentWide();
    size_t head = 0;
    while (head < now.size() && head < wanted.size() && now[head] == wanted[head]) ++head;
    size_t tail = 0;
    while (tail < now.size() - head && tail < wanted.size() - head &&
           now[now.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;
    if (head == now.size() && head == wanted.size()) return;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageW(edit, EM_SETSEL, head, now.size() - tail);
    const std::wstring middle = wanted.substr(head, wanted.size() - head - tail);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(middle.c_str()));
    SendMessageW(edit, EM_SETSEL, std::min<size_t>(start, wanted.size()), std::min<size_t>(end, wanted.size()));
}

std::wstring Win32OptionsDialog::ContentWide() const {
    return contentUtf8_ ? WideFromUtf8(pendingText_) : WideFromCp1252(pendingText_);
}

// ---- The form's fields ----

HWND Win32OptionsDialog::Control(int base, int field) const {
    if (!dialog_ || field < 0 || field >= static_cast<int>(slots_.size()) || slots_[field] < 0) return nullptr;
    return GetDlgItem(dialog_, base + slots_[field]);
}

int Win32OptionsDialog::FieldOfControl(int id, int base) const {
    const auto field = std::find(slots_.begin(), slots_.end(), id - base);
    return id - base >= 0 && id - base < IDC_FIELDS_MAX && field != slots_.end()
               ? static_cast<int>(field - slots_.begin())
               : -1;
}

void Win32OptionsDialog::SetFieldText(int field, const std::string& text) {
    if (!dialog_ || field < 0 || field >= FieldCount()) return;
    settingField_ = true;
    SetWindowTextW(Control(IDC_FIELD, field), WideFromUtf8(text).c_str());
    settingField_ = false;
}

std::string Win32OptionsDialog::FieldText(int field) {
    if (!dialog_ || field < 0 || field >= FieldCount()) return "";
    return Utf8FromWide(WindowText(Control(IDC_FIELD, field)));
}

void Win32OptionsDialog::SetFieldChoice(int field, int choice) {
    if (!dialog_ || field < 0 || field >= FieldCount()) return;
    settingField_ = true;
    HWND control = Control(IDC_FIELD, field);
    if (layout_.fields[field].kind == FieldKind::Toggle)
        SendMessageW(control, BM_SETCHECK, choice == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    else
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
    settingField_ = false;
}

int Win32OptionsDialog::FieldChoice(int field) {
    if (!dialog_ || field < 0 || field >= FieldCount()) return -1;
    HWND control = Control(IDC_FIELD, field);
    if (layout_.fields[field].kind == FieldKind::Toggle)
        return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    return static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
}

// The dialog has no room for why a field is disabled: the Text page shows the lines as they are.
void Win32OptionsDialog::SetFieldEnabled(int field, bool enabled, const std::string& /*whyNot*/) {
    if (!dialog_ || field < 0 || field >= FieldCount()) return;
    for (int id : {IDC_FIELD, IDC_LABEL, IDC_SPIN})
        if (HWND control = Control(id, field)) EnableWindow(control, enabled);
}

void Win32OptionsDialog::SetFieldProblem(int field, const std::string& message) {
    if (!dialog_ || field < 0 || field >= FieldCount() || problems_[field] == message) return;
    problems_[field] = message;
    if (HWND beside = Control(IDC_PROBLEM, field)) SetWindowTextW(beside, WideFromUtf8(message).c_str());
    ShowOtherProblems();
}

void Win32OptionsDialog::SetProblemSummary(const std::string& summary) {
    if (!dialog_ || summary_ == summary) return;
    summary_ = summary;
    ShowOtherProblems();
}

// Below the preview: what the failing checks mean for the chart, then the problems of the fields that
// have no place for them beside the field.
void Win32OptionsDialog::ShowOtherProblems() {
    std::wstring text = WideFromUtf8(summary_);
    if (!text.empty()) text += L"\r\n\r\n";
    for (int i = 0; i < FieldCount(); ++i) {
        if (problems_[i].empty() || Control(IDC_PROBLEM, i)) continue;
        std::wstring label = LabelText(layout_.fields[i].label);
        label.erase(std::remove(label.begin(), label.end(), L'&'), label.end());
        text += label + L": " + WideFromUtf8(problems_[i]) + L"\r\n";
    }
    SetDlgItemTextW(dialog_, IDC_PROBLEMS, text.c_str());
}

bool Win32OptionsDialog::AskYesNo(const std::string& question) {
    return MessageBoxW(dialog_, WideFromUtf8(question).c_str(), L"Program Options",
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void Win32OptionsDialog::ShowCities(const std::vector<std::string>& names) {
    if (!dialog_) return;
    HWND list = Item(IDC_CITY_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(name).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void Win32OptionsDialog::ChooseCity(int index) {
    HWND list = Item(IDC_CITY_LIST);
    if (!events_ || index < 0 || index >= static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0))) return;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    events_->lstCity_Click(index);
}

// ---- Pages and preview ----

void Win32OptionsDialog::ShowPage(int page) {
    if (!dialog_ || page < 0 || page >= kPages) return;
    page_ = page;
    TabCtrl_SetCurSel(Item(IDC_TABS), page);
    // Every slot of the template: a field's controls on its page; a slot of no field never.
    for (int slot = 0; slot < IDC_FIELDS_MAX; ++slot) {
        const auto field = std::find(slots_.begin(), slots_.end(), slot);
        const bool shown = field != slots_.end() && static_cast<int>(layout_.fields[field - slots_.begin()].page) == page;
        for (int id : {IDC_FIELD, IDC_LABEL, IDC_SPIN, IDC_PROBLEM})
            if (HWND control = Item(id + slot)) ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
    }
    for (int p = 0; p < kPages; ++p)
        for (int k = 0; k < kDecorPerPage; ++k)
            if (HWND control = Item(IDC_DECOR + kDecorPerPage * p + k)) ShowWindow(control, p == page ? SW_SHOW : SW_HIDE);
    for (int id : {IDC_CITY_SEARCH, IDC_CITY_LIST}) ShowWindow(Item(id), page == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_TXTCONTENT), page == kTextPage ? SW_SHOW : SW_HIDE);
    const bool restorable = page != kTextPage && layout_.pages[static_cast<std::size_t>(page)].restorable;
    ShowWindow(Item(IDC_BTNDEFAULTS), restorable ? SW_SHOW : SW_HIDE);
}

// The preview keeps the chart's 4 : 3 at the width the template gives it.
void Win32OptionsDialog::FitPreview() {
    HWND preview = Item(IDC_PREVIEW);
    RECT r{}, client{};
    GetWindowRect(preview, &r);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
    GetClientRect(preview, &client);
    const int border = (r.right - r.left) - client.right;
    const int height = static_cast<int>(std::lround(client.right * 3.0 / 4.0)) + border;
    SetWindowPos(preview, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT below{};
    HWND problems = Item(IDC_PROBLEMS);
    GetWindowRect(problems, &below);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&below), 2);
    const int top = r.top + height + (below.top - r.bottom);
    SetWindowPos(problems, nullptr, below.left, top, below.right - below.left, std::max<int>(below.bottom - top, 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32OptionsDialog::RefreshPreview() {
    if (!dialog_ || previewPending_) return;
    previewPending_ = SetTimer(dialog_, kPreviewTimer, static_cast<UINT>(layout_.previewDelayMs), nullptr) != 0;
    if (!previewPending_) PaintPreview();
}

// The chart painted on the surface at the preview's size in pixels, then shown.
void Win32OptionsDialog::PaintPreview() {
    HWND preview = Item(IDC_PREVIEW);
    RECT client{};
    GetClientRect(preview, &client);
    preview_.SetDeviceSize(client.right, client.bottom);
    if (events_) events_->picPreview_Paint(preview_);
    InvalidateRect(preview, nullptr, FALSE);
    UpdateWindow(preview);
}

// A colour choice: its swatch, then its name.
void Win32OptionsDialog::DrawColourItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0 && (item.itemState & ODS_COMBOBOXEDIT) == 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1) && item.itemID < 16) {
        const int inset = std::max(2, static_cast<int>((r.bottom - r.top) / 6));
        RECT swatch{r.left + inset, r.top + inset, r.left + inset + 2 * (r.bottom - r.top - 2 * inset), r.bottom - inset};
        HBRUSH brush = CreateSolidBrush(ColourRef(layout_.palette[item.itemID]));
        FillRect(dc, &swatch, brush);
        DeleteObject(brush);
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
        wchar_t name[64] = {};
        if (SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0) < 64)
            SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
        RECT text = r;
        text.left = swatch.right + 2 * inset;
        SetBkMode(dc, TRANSPARENT);
        const bool enabled = (item.itemState & ODS_DISABLED) == 0;
        SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) DrawFocusRect(dc, &r);
}

// The colour of the tab control's page area, as it paints it (white with visual styles, the dialog's
// grey without): the background of the texts and check boxes on the pages.
COLORREF Win32OptionsDialog::PageColour() const {
    HWND tabs = Item(IDC_TABS);
    RECT client{};
    GetClientRect(tabs, &client);
    COLORREF colour = CLR_INVALID;
    HDC screen = GetDC(tabs);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<int>(client.right, 1), std::max<int>(client.bottom, 1));
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    RECT page = client;
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    colour = GetPixel(memory, (page.left + page.right) / 2, (page.top + page.bottom) / 2);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(tabs, screen);
    return colour == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : colour;
}

void Win32OptionsDialog::MakeFonts() {
    if (editFont_) DeleteObject(editFont_);
    const UINT dpi = WindowDpi(dialog_);
    editFont_ = CreateFontW(-static_cast<int>(std::lround(9 * dpi / 72.0)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            FIXED_PITCH | FF_MODERN, L"Courier New");
    SendDlgItemMessageW(dialog_, IDC_TXTCONTENT, WM_SETFONT, reinterpret_cast<WPARAM>(editFont_), TRUE);
}

// Whether the control with this identifier stands on the page.
bool Win32OptionsDialog::OnPage(int id, int page) const {
    if (id >= IDC_DECOR + kDecorPerPage * page && id < IDC_DECOR + kDecorPerPage * (page + 1)) return true;
    if (id == IDC_CITY_SEARCH || id == IDC_CITY_LIST) return page == 0;
    for (int base : {IDC_FIELD, IDC_LABEL, IDC_SPIN, IDC_PROBLEM})
        if (const int field = FieldOfControl(id, base); field >= 0)
            return static_cast<int>(layout_.fields[field].page) == page;
    return false;
}

// A control of the dialog made at run time, at r (pixels), after `after` in the tab order.
HWND Win32OptionsDialog::MakeControl(const wchar_t* kind, DWORD style, const RECT& r, int id, HWND after) {
    const DWORD exStyle = std::wstring(kind) == L"Edit" ? WS_EX_CLIENTEDGE : 0;
    HWND control = CreateWindowExW(exStyle, kind, L"", WS_CHILD | style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   instance_, nullptr);
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog_, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return control;
}

// A field of the layout that the template has no slot for (a field new in the form) gets the controls
// of its kind, as the template lays out a row, on a row below the last of its page and after it in the
// tab order. Its checks' messages are shown below the preview.
void Win32OptionsDialog::AddUnplacedFields() {
    int slot = static_cast<int>(std::size(kFieldSlots));
    // Dialog units to pixels: x, width and height of a row's part.
    const auto units = [this](int x, int top, int width, int height) {
        RECT r{x, 0, x + width, height};
        MapDialogRect(dialog_, &r);
        return RECT{r.left, top, r.right, top + r.bottom};
    };
    for (int i = 0; i < FieldCount() && slot < IDC_FIELDS_MAX; ++i) {
        if (slots_[i] >= 0) continue;
        const FormField& f = layout_.fields[i];
        // The page's lowest control, and its last in the tab order.
        HWND last = nullptr;
        int bottom = 0;
        for (HWND c = GetWindow(dialog_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (!OnPage(GetDlgCtrlID(c), static_cast<int>(f.page))) continue;
            RECT r{};
            GetWindowRect(c, &r);
            MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
            bottom = std::max<int>(bottom, r.bottom);
            if (GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP) last = c;
        }
        const int top = bottom + units(0, 0, 0, 6).bottom;
        slots_[i] = slot++;
        if (f.kind == FieldKind::Toggle) {
            MakeControl(L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, units(16, top, 280, 10), IDC_FIELD + slots_[i], last);
            continue;
        }
        HWND label = MakeControl(L"Static", SS_LEFT, units(16, top + units(0, 0, 0, 2).bottom, 88, 8),
                                 IDC_LABEL + slots_[i], last);
        const bool number = f.kind == FieldKind::Number;
        const DWORD style = number ? ES_AUTOHSCROLL | WS_TABSTOP
                                   : CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP |
                                         (f.kind == FieldKind::Colour ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0);
        const int width = number ? 34 : f.kind == FieldKind::Colour ? 96 : 150;
        HWND control = MakeControl(number ? L"Edit" : L"ComboBox", style,
                                   units(108, top, width, number ? 12 : 120), IDC_FIELD + slots_[i], label);
        if (number) {
            HWND spin = MakeControl(UPDOWN_CLASSW, UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, RECT{},
                                    IDC_SPIN + slots_[i], control);
            SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control), 0);
        }
    }
}

// The pages' names, every field's label and choices from the form's field list.
void Win32OptionsDialog::InitControls() {
    HWND tabs = Item(IDC_TABS);
    for (int p = 0; p < kPages; ++p) {
        // A tab has no mnemonic: the page's title without its mark.
        std::wstring title = p == kTextPage ? L"Text" : WideFromUtf8(layout_.pages[static_cast<std::size_t>(p)].title);
        title.erase(std::remove(title.begin(), title.end(), L'_'), title.end());
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = title.data();
        TabCtrl_InsertItem(tabs, p, &tab);
    }
    SetDlgItemTextW(dialog_, IDC_PREVIEW_LABEL, WideFromUtf8(layout_.previewCaption).c_str());
    AddUnplacedFields();
    for (int i = 0; i < FieldCount(); ++i) {
        const FormField& f = layout_.fields[i];
        HWND control = Control(IDC_FIELD, i);
        if (f.kind == FieldKind::Toggle) {
            SetWindowTextW(control, LabelText(f.label).c_str());
            continue;
        }
        SetWindowTextW(Control(IDC_LABEL, i), LabelText(f.label).c_str());
        if (f.kind == FieldKind::Number) {
            // The arrows only count steps (Field_Step): the value is the edit's text.
            SendMessageW(Control(IDC_SPIN, i), UDM_SETRANGE32, 0, 100);
            SendMessageW(Control(IDC_SPIN, i), UDM_SETPOS32, 0, 50);
            continue;
        }
        for (const char* choice : f.choiceNames)
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(choice).c_str()));
    }
    SendDlgItemMessageW(dialog_, IDC_TXTCONTENT, EM_SETLIMITTEXT, 0, 0);  // no 32K limit
    SendDlgItemMessageW(dialog_, IDC_CITY_SEARCH, EM_SETCUEBANNER, FALSE,
                        reinterpret_cast<LPARAM>(L"A city of the time-zone database"));
    MakeFonts();
    FitPreview();
    pageColour_ = PageColour();
    if (pageBrush_) DeleteObject(pageBrush_);
    pageBrush_ = CreateSolidBrush(pageColour_);
    ShowPage(0);
}

// ---- Messages ----

INT_PTR CALLBACK Win32OptionsDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32OptionsDialog*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetPropW(dialog, kDialogProperty, reinterpret_cast<HANDLE>(self));
        self->dialog_ = dialog;
    }
    if (message == WM_MEASUREITEM) {
        // Asked while the template's owner-drawn combo boxes are made: a colour row as high as a line
        // of the dialog's font, with room for the swatch's frame.
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        RECT r{0, 0, 0, 10};
        MapDialogRect(dialog, &r);
        measure->itemHeight = static_cast<UINT>(r.bottom);
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (message == WM_NCDESTROY) RemovePropW(dialog, kDialogProperty);
    auto* self = reinterpret_cast<Win32OptionsDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

LRESULT CALLBACK Win32OptionsDialog::KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    // Enter in the city search chooses a city instead of pressing the default button, Save: the first
    // city found from the search text, the city under the cursor from the list.
    if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        auto* self = root ? static_cast<Win32OptionsDialog*>(GetPropW(root, kDialogProperty)) : nullptr;
        if (self && msg->hwnd == self->Item(IDC_CITY_SEARCH)) {
            self->ChooseCity(0);
            return 1;
        }
        if (self && msg->hwnd == self->Item(IDC_CITY_LIST)) {
            HWND list = self->Item(IDC_CITY_LIST);
            LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
            if (index == LB_ERR) index = SendMessageW(list, LB_GETCARETINDEX, 0, 0);
            self->ChooseCity(static_cast<int>(index));
            return 1;
        }
    }
    if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        auto* self = root ? static_cast<Win32OptionsDialog*>(GetPropW(root, kDialogProperty)) : nullptr;
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        int step = 0;
        if (msg->wParam == VK_TAB) step = back ? -1 : 1;
        if (msg->wParam == VK_NEXT) step = 1;
        if (msg->wParam == VK_PRIOR) step = -1;
        if (self && step != 0) {
            self->ShowPage((self->page_ + step + kPages) % kPages);
            // The focus on the page's first control; the text with the caret at its start.
            HWND first = GetNextDlgTabItem(self->dialog_, self->Item(IDC_TABS), FALSE);
            if (self->page_ == kTextPage) {
                first = self->Item(IDC_TXTCONTENT);
                SetFocus(first);
                SendMessageW(first, EM_SETSEL, 0, 0);
            } else if (first) {
                SendMessageW(self->dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
            }
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR Win32OptionsDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return FALSE;  // the focus is set
        case WM_DPICHANGED: {
            MakeFonts();
            auto* suggested = reinterpret_cast<RECT*>(lParam);
            SetWindowPos(dialog_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            RefreshPreview();
            return TRUE;
        }
        case WM_TIMER:
            if (wParam != kPreviewTimer) break;
            KillTimer(dialog_, kPreviewTimer);
            previewPending_ = false;
            PaintPreview();
            return TRUE;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = StaticColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<INT_PTR>(brush);
            break;
        case WM_NOTIFY:
            return Notify(*reinterpret_cast<const NMHDR*>(lParam), lParam) ? TRUE : FALSE;
        case WM_COMMAND:
            return Command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_CLOSE:
            events_->btnQuit_Click();
            return TRUE;
    }
    return FALSE;
}

// The controls from the layout, the text, Form_Load; then the dialog centred on the work area of the
// owner's monitor (or the primary one), the focus on the first field.
void Win32OptionsDialog::OnInitDialog() {
    InitControls();
    SetDlgItemTextW(dialog_, IDC_TXTCONTENT, ContentWide().c_str());
    events_->Form_Load();
    RECT frame{}, work{};
    GetWindowRect(dialog_, &frame);
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    if (GetMonitorInfoW(MonitorFromWindow(IsWindow(owner_) ? owner_ : dialog_, MONITOR_DEFAULTTOPRIMARY), &monitor))
        work = monitor.rcWork;
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(dialog_, nullptr, work.left + std::max(0L, (work.right - work.left - width) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - height) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_FIELD, 0)), TRUE);
    SetForegroundWindow(dialog_);
}

// The preview (painted anew when its size changed) or a colour choice.
void Win32OptionsDialog::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID == IDC_PREVIEW) {
        RECT client{};
        GetClientRect(item.hwndItem, &client);
        if (preview_.DeviceWidth() != client.right || preview_.DeviceHeight() != client.bottom) {
            preview_.SetDeviceSize(client.right, client.bottom);
            if (events_) events_->picPreview_Paint(preview_);
        }
        preview_.CopyTo(item.hDC);
    } else if (item.CtlType == ODT_COMBOBOX) {
        DrawColourItem(item);
    }
}

// The texts on the pages stand on the page's colour; the problems are red. Null: the default colours.
HBRUSH Win32OptionsDialog::StaticColours(HWND control, HDC dc) {
    const int id = GetDlgCtrlID(control);
    const bool problem = (id >= IDC_PROBLEM && id < IDC_PROBLEM + IDC_FIELDS_MAX) || id == IDC_PROBLEMS;
    if (problem) SetTextColor(dc, kProblemColour);
    if (id >= IDC_FIELD && id < IDC_DECOR + kDecorPerPage * kPages && pageBrush_) {
        SetBkColor(dc, pageColour_);
        return pageBrush_;
    }
    if (problem) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

// A page chosen on the tabs; the arrows of a number, which only count steps: its position stays.
bool Win32OptionsDialog::Notify(const NMHDR& header, LPARAM lParam) {
    if (header.idFrom == IDC_TABS && header.code == TCN_SELCHANGE) {
        ShowPage(TabCtrl_GetCurSel(header.hwndFrom));
        return true;
    }
    const int field = FieldOfControl(static_cast<int>(header.idFrom), IDC_SPIN);
    if (header.code != UDN_DELTAPOS || field < 0) return false;
    events_->Field_Step(field, reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    SendMessageW(Control(IDC_FIELD, field), EM_SETSEL, 0, -1);
    SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
    return true;
}

bool Win32OptionsDialog::Command(int id, int code) {
    const int field = FieldOfControl(id, IDC_FIELD);
    if (field >= 0) {
        const bool changed = code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED;
        if (changed && !settingField_) events_->Field_Change(field);
        return true;
    }
    switch (id) {
        case IDC_BTNSAVE:
            if (code == BN_CLICKED) events_->btnSave_Click();
            return true;
        case IDC_BTNQUIT:
        case IDCANCEL:  // Escape
            if (code == BN_CLICKED) events_->btnQuit_Click();
            return true;
        case IDC_BTNDEFAULTS:
            if (code == BN_CLICKED && page_ != kTextPage && layout_.pages[static_cast<std::size_t>(page_)].restorable)
                events_->btnDefaults_Click(page_);
            return true;
        case IDC_TXTCONTENT:
            if (code == EN_CHANGE) events_->txtContent_Change();
            return true;
        case IDC_CITY_SEARCH:
            if (code == EN_CHANGE) events_->txtCity_Change(Utf8FromWide(WindowText(Item(IDC_CITY_SEARCH))));
            return true;
        case IDC_CITY_LIST: {
            // A click chooses, as a double-click does; the arrow keys only move through the list.
            const bool click = code == LBN_SELCHANGE && (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
            if (click || code == LBN_DBLCLK)
                ChooseCity(static_cast<int>(SendMessageW(Item(IDC_CITY_LIST), LB_GETCURSEL, 0, 0)));
            return true;
        }
    }
    return false;
}
