#include "platform/win32/win32_system.h"

#include <iterator>

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_time_zone.h"

namespace {

std::string FormattedTime(const SYSTEMTIME& st, const std::wstring& format) {
    wchar_t buffer[128];
    int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, format.empty() ? nullptr : format.c_str(), buffer,
                           static_cast<int>(std::size(buffer)));
    return n > 0 ? Utf8FromWide(std::wstring(buffer, static_cast<size_t>(n - 1))) : std::string();
}

std::wstring UserTimeFormat() {
    wchar_t buffer[128];
    int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, buffer, static_cast<int>(std::size(buffer)));
    return n > 0 ? std::wstring(buffer, static_cast<size_t>(n - 1)) : std::wstring();
}

// The last two characters of a text, upper-cased (ASCII letters only).
std::string UpperLastTwo(const std::string& text) {
    std::string tail = text.size() >= 2 ? text.substr(text.size() - 2) : text;
    for (char& c : tail)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return tail;
}

std::string FormattedShortDate(const SYSTEMTIME& st) {
    wchar_t buffer[128];
    int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer,
                           static_cast<int>(std::size(buffer)));
    return n > 0 ? Utf8FromWide(std::wstring(buffer, static_cast<size_t>(n - 1))) : std::string();
}

HKEY ToHkey(RegKey key) {
    // The constant of the interface is the 32-bit value; HKEY_CURRENT_USER is its sign extension.
    if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

bool IsTwentyFourHourFormat(const std::wstring& format) {
    bool quoted = false;
    for (wchar_t c : format) {
        if (c == L'\'') quoted = !quoted;
        else if (!quoted && c == L'H') return true;
    }
    return false;
}

Win32Clock::Win32Clock(SecondsReader secondsOf, std::wstring timeFormat)
    : timeFormat_(timeFormat.empty() ? UserTimeFormat() : std::move(timeFormat)) {
    const bool twentyFour = IsTwentyFourHourFormat(timeFormat_);
    // The format on a morning and an afternoon time whose parts all differ.
    bool keeps = !timeFormat_.empty();
    for (const LocalDateTime& probe : {LocalDateTime{2026, 12, 7, 1, 24, 57}, LocalDateTime{2026, 12, 7, 13, 24, 57}}) {
        const std::string text = FormattedTime(ToSystemTime(probe), timeFormat_);
        if (secondsOf && secondsOf(text) != "57") keeps = false;
        if (!twentyFour && (UpperLastTwo(text) == "PM") != (probe.hour >= 12)) keeps = false;
    }
    if (keeps) return;
    timeFormat_ = twentyFour ? L"HH:mm:ss" : L"hh:mm:ss";
    appendMeridiem_ = !twentyFour;
}

LocalDateTime Win32Clock::Now() { return LocalNowInSystemZone(); }


std::string Win32Clock::GeneralDateTimeText(const LocalDateTime& t) {
    SYSTEMTIME st = ToSystemTime(t);
    return FormattedShortDate(st) + " " + TimeText(t);
}

std::string Win32Clock::TimeText(const LocalDateTime& t) {
    std::string text = FormattedTime(ToSystemTime(t), timeFormat_);
    if (appendMeridiem_) text += t.hour >= 12 ? " PM" : " AM";
    return text;
}

long Win32Registry::RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) {
    HKEY opened = nullptr;
    LONG status = ::RegOpenKeyA(ToHkey(root), subKey.c_str(), &opened);
    *result = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return status;
}

long Win32Registry::RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                                     uint32_t* dataSize) {
    DWORD valueType = 0;
    DWORD size = dataSize ? *dataSize : 0;
    LONG status = ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType,
                                     static_cast<BYTE*>(data), dataSize ? &size : nullptr);
    if (type) *type = valueType;
    if (dataSize) *dataSize = size;
    return status;
}

long Win32Registry::RegCloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

bool Win32TextFileLines::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    std::string line;
    for (size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return ok;
}

int Win32Pointer::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

int Win32FontRegistry::AddFontResourceA(const std::string& path) {
    return AddFontResourceExW(WideFromUtf8(path).c_str(), FR_PRIVATE, nullptr);
}

int Win32FontRegistry::RemoveFontResourceA(const std::string& path) {
    return RemoveFontResourceExW(WideFromUtf8(path).c_str(), FR_PRIVATE, nullptr) ? 1 : 0;
}

void Win32MessageBoxes::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    UINT style = MB_OK | MB_SETFOREGROUND | MB_TOPMOST |
                 (icon == MessageIcon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
    HWND owner = owner_ ? owner_() : nullptr;
    if (owner && !IsWindowVisible(owner)) owner = nullptr;
    if (!owner) style |= MB_TASKMODAL;
    MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), style);
}
