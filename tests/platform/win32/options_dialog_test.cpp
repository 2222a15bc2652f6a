// The "Program Options" dialog of the resource script against the settings form's field list, and the
// dialog's side of the form's operations, run inside the dialog's own Form_Load.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_options_dialog.h"
#include "platform/win32/win32_text.h"
#include "settings/settings_form.h"

namespace {

int Fields() { return static_cast<int>(SettingsFields().size()); }
int Slot(int field) { return OptionsDialogSlot(SettingsFields()[field].name); }

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The mnemonic of a label ("Cusp &degrees": D), 0 for none.
wchar_t Mnemonic(const std::wstring& text) {
    const auto at = text.find(L'&');
    return at == std::wstring::npos || at + 1 >= text.size() ? 0 : static_cast<wchar_t>(std::towupper(text[at + 1]));
}

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The template's controls as the resource script made them, before the dialog sets any text.
class Template : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_OPTIONS), nullptr, Inert, 0);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog); }
    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    HWND dialog = nullptr;
};

TEST_F(Template, EverySlottedFieldHasTheControlOfItsKindAndNoControlIsLeftOver) {
    std::set<int> used;
    for (int i = 0; i < Fields(); ++i) {
        const SettingsField& f = SettingsFields()[i];
        const int slot = Slot(i);
        if (slot < 0) continue;  // a field without a slot gets a row made at run time
        EXPECT_TRUE(used.insert(slot).second) << f.name;
        HWND control = Item(IDC_FIELD + slot);
        ASSERT_NE(control, nullptr) << f.name;
        EXPECT_NE(Item(f.kind == FieldKind::Toggle ? IDC_FIELD + slot : IDC_LABEL + slot), nullptr) << f.name;
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_TRUE(style & WS_TABSTOP) << f.name;
        switch (f.kind) {
            case FieldKind::Number:
                EXPECT_EQ(ClassOf(control), L"Edit") << f.name;
                // The up-down takes the edit as its buddy.
                EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(Item(IDC_SPIN + slot), UDM_GETBUDDY, 0, 0)), control)
                    << f.name;
                break;
            case FieldKind::Toggle:
                EXPECT_EQ(ClassOf(control), L"Button") << f.name;
                EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX) << f.name;
                break;
            case FieldKind::Choice:
            case FieldKind::Colour:
                EXPECT_EQ(ClassOf(control), L"ComboBox") << f.name;
                EXPECT_EQ(style & 3, CBS_DROPDOWNLIST) << f.name;
                EXPECT_EQ((style & CBS_OWNERDRAWFIXED) != 0, f.kind == FieldKind::Colour) << f.name;
                break;
        }
    }
    // A slot of no field (a field renamed in the list but not here) would show an empty control.
    for (int id : {IDC_FIELD, IDC_LABEL, IDC_SPIN, IDC_PROBLEM})
        for (int slot = 0; slot < IDC_FIELDS_MAX; ++slot)
            if (!used.count(slot)) {
                EXPECT_EQ(Item(id + slot), nullptr) << id + slot;
            }
}

// The city search ends the Place page: label, search, then the list of cities, in the tab order. The
// list keeps the order it is given (a sorted list would choose another city than the one clicked).
TEST_F(Template, TheCitySearchIsALabelledEditThenAnUnsortedListThatNotifies) {
    HWND label = Item(IDC_CITY_LABEL), search = Item(IDC_CITY_SEARCH), list = Item(IDC_CITY_LIST);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(search, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ClassOf(search), L"Edit");
    EXPECT_EQ(ClassOf(list), L"ListBox");
    const LONG listStyle = GetWindowLongW(list, GWL_STYLE);
    EXPECT_TRUE(GetWindowLongW(search, GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(listStyle & WS_TABSTOP);
    EXPECT_TRUE(listStyle & LBS_NOTIFY);
    EXPECT_FALSE(listStyle & LBS_SORT);
    // Template order is tab order: right after the page's last field, the offset and its message.
    std::vector<HWND> order;
    for (HWND w = GetWindow(Item(IDC_PROBLEM + Slot(FieldNamed("zoneOffset"))), GW_HWNDNEXT);
         w != nullptr && order.size() < 3; w = GetWindow(w, GW_HWNDNEXT))
        order.push_back(w);
    EXPECT_EQ(order, (std::vector<HWND>{label, search, list}));
}

// A dialog whose Form_Load runs a script, then closes it.
class Script : public OptionsDialogEvents {
public:
    explicit Script(std::function<void(Script&)> body) : body(std::move(body)) {}
    void Form_Load() override {
        body(*this);
        dialog->Unload();
    }
    void btnSave_Click() override {}
    void btnQuit_Click() override {}
    void txtContent_Change() override {}
    void Field_Change(int field) override { changes.push_back(field); }
    void Field_Step(int field, int n) override { steps.push_back({field, n}); }
    void btnDefaults_Click(int page) override { defaults.push_back(page); }
    void txtCity_Change(const std::string& query) override { queries.push_back(query); }
    void lstCity_Click(int index) override { cityClicks.push_back(index); }
    void picPreview_Paint(Surface& surface) override {
        ++paints;
        paintedWidth = static_cast<GdiplusSurface&>(surface).DeviceWidth();
    }

    Win32OptionsDialog* dialog = nullptr;
    std::vector<int> changes;
    std::vector<std::pair<int, int>> steps;
    std::vector<int> defaults;
    std::vector<std::string> queries;
    std::vector<int> cityClicks;
    int paints = 0;
    int paintedWidth = 0;
    std::function<void(Script&)> body;
};

void RunDialog(const std::function<void(Script&, Win32OptionsDialog&)>& body,
               const OptionsFormLayout& layout = FormLayout()) {
    GdiplusSession gdiplus;
    Win32OptionsDialog dialog(GetModuleHandleW(nullptr), nullptr, layout);
    Script script([&](Script& s) { body(s, dialog); });
    script.dialog = &dialog;
    dialog.ShowModal(script);
}

void Pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
}

void Step(HWND dialog, int field, int delta) {
    NMUPDOWN step{};
    step.hdr.hwndFrom = GetDlgItem(dialog, IDC_SPIN + Slot(field));
    step.hdr.idFrom = static_cast<UINT_PTR>(IDC_SPIN + Slot(field));
    step.hdr.code = UDN_DELTAPOS;
    step.iDelta = delta;
    SendMessageW(dialog, WM_NOTIFY, step.hdr.idFrom, reinterpret_cast<LPARAM>(&step));
}

TEST(Win32OptionsDialog, EveryFieldIsLabelledFromTheListWithUniqueMnemonicsOnEachPage) {
    RunDialog([](Script&, Win32OptionsDialog& d) {
        std::map<int, std::set<wchar_t>> mnemonics;  // by page; the buttons below the pages on every page
        for (int page = 0; page < 4; ++page)
            for (int button : {IDC_BTNDEFAULTS, IDC_BTNSAVE, IDC_BTNQUIT})
                if (wchar_t key = Mnemonic(TextOf(GetDlgItem(d.Handle(), button)))) mnemonics[page].insert(key);
        // The other texts of each page (the city search's label on the Place page).
        for (int page = 0; page < 4; ++page)
            for (int k = 0; k < 32; ++k)
                if (wchar_t key = Mnemonic(TextOf(GetDlgItem(d.Handle(), IDC_DECOR + 32 * page + k)))) {
                    EXPECT_TRUE(mnemonics[page].insert(key).second) << "page " << page << " " << char(key);
                }
        EXPECT_EQ(Mnemonic(TextOf(GetDlgItem(d.Handle(), IDC_CITY_LABEL))), L'C');
        for (int i = 0; i < Fields(); ++i) {
            const SettingsField& f = SettingsFields()[i];
            std::wstring expected = WideFromUtf8(f.label);
            std::replace(expected.begin(), expected.end(), L'_', L'&');
            const std::wstring shown = TextOf(d.Control(f.kind == FieldKind::Toggle ? IDC_FIELD : IDC_LABEL, i));
            EXPECT_EQ(shown, expected) << f.name;
            if (const wchar_t key = Mnemonic(shown)) {
                EXPECT_TRUE(mnemonics[static_cast<int>(f.page)].insert(key).second) << f.name << " " << char(key);
            }
        }
    });
}

TEST(Win32OptionsDialog, FieldsShowWhatTheFormSetsWithoutRaisingTheirChange) {
    RunDialog([](Script& s, Win32OptionsDialog& d) {
        const int zone = FieldNamed("zoneOffset"), orb = FieldNamed("orb60"), house = FieldNamed("houseSystem");
        const int aspects = FieldNamed("aspectLines"), exitMode = FieldNamed("exitMode");
        d.SetFieldText(zone, "-5.00");
        EXPECT_EQ(TextOf(GetDlgItem(d.Handle(), IDC_FIELD + Slot(zone))), L"-5.00");
        d.SetFieldText(orb, "7.5");
        EXPECT_EQ(d.FieldText(orb), "7.5");
        d.SetFieldChoice(house, 2);
        EXPECT_EQ(d.FieldChoice(house), 2);
        d.SetFieldChoice(aspects, 1);
        EXPECT_EQ(d.FieldChoice(aspects), 1);
        d.SetFieldChoice(exitMode, -1);  // a value of none of the choices: nothing chosen
        EXPECT_EQ(d.FieldChoice(exitMode), -1);
        EXPECT_TRUE(s.changes.empty());
        // The user's change raises it.
        SetDlgItemTextW(d.Handle(), IDC_FIELD + Slot(orb), L"3");
        EXPECT_EQ(s.changes, std::vector<int>{orb});
    });
}

// The text box replaces only what differs; whatever the change, it then holds the text set.
TEST(Win32OptionsDialog, TheTextBoxHoldsEveryTextSet) {
    RunDialog([](Script&, Win32OptionsDialog& d) {
        for (const char* text : {"40      22: latitude\r\n1       27: houses\r\n", "67      22: latitude\r\n1       27: houses\r\n",
                                 "67      22: latitude\r\n3       27: houses\r\n", "aa\r\n", "aaa\r\n", "a\r\n", "",
                                 "\xe9t\xe9 \x9c\r\n", "x\r\n\r\ny\r\n"}) {
            d.SetContentText(text);
            EXPECT_EQ(d.ContentText(), text);
        }
    });
}

// Enter as the dialog manager's loop meets it: true when the dialog's message filter takes it, so that
// it never reaches the default button (Save).
bool EnterTaken(HWND control) {
    MSG enter{control, WM_KEYDOWN, VK_RETURN, 0x001C0001, GetTickCount(), {}};
    return CallMsgFilterW(&enter, MSGF_DIALOGBOX) != FALSE;
}

std::wstring ListItem(HWND list, int index) {
    wchar_t text[128] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < 128)
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(Win32OptionsDialog, TheCitySearchAsksInUtf8AndShowsTheCitiesInTheirOrder) {
    RunDialog([](Script& s, Win32OptionsDialog& d) {
        HWND list = GetDlgItem(d.Handle(), IDC_CITY_LIST);
        SetDlgItemTextW(d.Handle(), IDC_CITY_SEARCH, L"S\u00e3o");
        SetDlgItemTextW(d.Handle(), IDC_CITY_SEARCH, L"");
        EXPECT_EQ(s.queries, (std::vector<std::string>{"S\xc3\xa3o", ""}));
        d.ShowCities({"Z\xc3\xbcrich, Europe", "Berlin, Europe", "Algiers, Africa"});
        ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(ListItem(list, 0), L"Z\u00fcrich, Europe");
        EXPECT_EQ(ListItem(list, 1), L"Berlin, Europe");
        EXPECT_EQ(ListItem(list, 2), L"Algiers, Africa");
        d.ShowCities({});  // a new search replaces the list
        EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
        EXPECT_TRUE(s.cityClicks.empty());
        EXPECT_TRUE(s.changes.empty());
    });
}

TEST(Win32OptionsDialog, EnterOrADoubleClickChoosesACityAndEnterThereNeverSaves) {
    RunDialog([](Script& s, Win32OptionsDialog& d) {
        HWND search = GetDlgItem(d.Handle(), IDC_CITY_SEARCH), list = GetDlgItem(d.Handle(), IDC_CITY_LIST);
        // No city found: Enter in the search chooses none, and still does not save.
        EXPECT_TRUE(EnterTaken(search));
        EXPECT_TRUE(EnterTaken(list));
        EXPECT_TRUE(s.cityClicks.empty());
        d.ShowCities({"San Juan, America/Argentina", "San Luis, America/Argentina", "Santiago, America"});
        // Enter in the search: the first city.
        EXPECT_TRUE(EnterTaken(search));
        EXPECT_EQ(s.cityClicks, std::vector<int>{0});
        EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);  // the list shows which
        // Enter in the list: the city under the cursor.
        SendMessageW(list, LB_SETCURSEL, 2, 0);
        EXPECT_TRUE(EnterTaken(list));
        // A double-click: the city clicked.
        SendMessageW(list, LB_SETCURSEL, 1, 0);
        SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CITY_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
        // The arrow keys move the selection without choosing (the selection changes without a click).
        SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CITY_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(s.cityClicks, (std::vector<int>{0, 2, 1}));
        // Elsewhere Enter is the default button's.
        EXPECT_FALSE(EnterTaken(GetDlgItem(d.Handle(), IDC_FIELD + Slot(FieldNamed("latitudeDegrees")))));
        EXPECT_TRUE(s.changes.empty());
    });
}

TEST(Win32OptionsDialog, RestoreDefaultsIsForTheRestorablePageShown) {
    RunDialog([](Script& s, Win32OptionsDialog& d) {
        HWND button = GetDlgItem(d.Handle(), IDC_BTNDEFAULTS);
        for (int page : {3, 1}) {
            d.ShowPage(page);
            SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_BTNDEFAULTS, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        }
        EXPECT_EQ(s.defaults, (std::vector<int>{3, 1}));
        d.ShowPage(0);  // the place is the user's own
        EXPECT_FALSE(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE);
        d.ShowPage(4);
        EXPECT_FALSE(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE);
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(d.Handle(), IDC_TXTCONTENT), GWL_STYLE) & WS_VISIBLE);
        EXPECT_FALSE(GetWindowLongW(GetDlgItem(d.Handle(), IDC_FIELD + Slot(0)), GWL_STYLE) & WS_VISIBLE);
    });
}

// The arrows only count steps for the form; the text is the form's to set.
TEST(Win32OptionsDialog, ArrowsReportTheirStepsAndLeaveTheText) {
    RunDialog([](Script& s, Win32OptionsDialog& d) {
        const int orb = FieldNamed("orb90");
        d.SetFieldText(orb, "7.5");
        Step(d.Handle(), orb, 1);
        Step(d.Handle(), orb, -3);
        EXPECT_EQ(s.steps, (std::vector<std::pair<int, int>>{{orb, 1}, {orb, -3}}));
        EXPECT_EQ(d.FieldText(orb), "7.5");
        EXPECT_TRUE(s.changes.empty());
    });
}

// A field new in the layout, that the template has no slot for, gets a row of its own on its page.
TEST(Win32OptionsDialog, AFieldWithoutASlotGetsARowAfterTheLastOfItsPage) {
    OptionsFormLayout layout = FormLayout();
    FormField extra;
    extra.name = "extra", extra.label = "E_xtra", extra.page = FormPage::Screen, extra.kind = FieldKind::Number;
    layout.fields.push_back(extra);
    const int field = static_cast<int>(layout.fields.size()) - 1;
    RunDialog(
        [&](Script& s, Win32OptionsDialog& d) {
            d.ShowPage(2);
            // The page's last slotted field, then the rows made for fields without a slot, in layout order.
            HWND previous = GetDlgItem(d.Handle(), IDC_FIELD + Slot(FieldNamed("drift")));
            HWND edit = GetNextDlgTabItem(d.Handle(), previous, FALSE);
            for (int row = 0; row < 8 && edit != nullptr && TextOf(GetWindow(edit, GW_HWNDPREV)) != L"E&xtra"; ++row) {
                previous = edit;
                edit = GetNextDlgTabItem(d.Handle(), edit, FALSE);
            }
            ASSERT_EQ(ClassOf(edit), L"Edit");
            EXPECT_EQ(TextOf(GetWindow(edit, GW_HWNDPREV)), L"E&xtra");  // its label, before it
            RECT above{}, row{};
            GetWindowRect(previous, &above);
            GetWindowRect(edit, &row);
            EXPECT_GT(row.top, above.bottom);
            EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & WS_VISIBLE);
            HWND spin = GetWindow(edit, GW_HWNDNEXT);
            EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), edit);
            d.SetFieldText(field, "5");
            EXPECT_EQ(d.FieldText(field), "5");
            SetWindowTextW(edit, L"6");
            NMUPDOWN step{};
            step.hdr = {spin, static_cast<UINT_PTR>(GetDlgCtrlID(spin)), static_cast<UINT>(UDN_DELTAPOS)};
            step.iDelta = 1;
            SendMessageW(d.Handle(), WM_NOTIFY, step.hdr.idFrom, reinterpret_cast<LPARAM>(&step));
            EXPECT_EQ(s.changes, std::vector<int>{field});
            EXPECT_EQ(s.steps, (std::vector<std::pair<int, int>>{{field, 1}}));
            d.ShowPage(0);
            EXPECT_FALSE(GetWindowLongW(edit, GWL_STYLE) & WS_VISIBLE);
        },
        layout);
}

TEST(Win32OptionsDialog, SeveralRefreshesMakeOnePaintAtThePreviewsSize) {
    RunDialog([](Script& s, Win32OptionsDialog& d) {
        Pump(200);
        const int before = s.paints;
        d.RefreshPreview();
        d.RefreshPreview();
        d.RefreshPreview();
        Pump(200);
        EXPECT_EQ(s.paints, before + 1);
        RECT client{};
        GetClientRect(GetDlgItem(d.Handle(), IDC_PREVIEW), &client);
        EXPECT_EQ(s.paintedWidth, client.right);
    });
}

}  // namespace
