// The Windows side of the small platform interfaces: the local clock and its regional texts, the
// registry and the legacy initialisation file, the pointer's display count, the glyph font's
// registration and the "Warning!" message boxes.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/clock.h"
#include "platform/font_registry.h"
#include "platform/message_boxes.h"
#include "platform/pointer.h"
#include "platform/registry.h"

// The local time and its zone offset (win32_time_zone.h), and the texts GetDateFormatW / GetTimeFormatW
// write in the user's regional formats.
// The user's time format is kept while its texts give what the program reads from them: the seconds,
// as the tick reads them, and on a 12-hour clock "PM" at the end of an afternoon's text and not of a
// morning's. Otherwise (a format without seconds, "h:mm tt", "HH:mm"; an afternoon marker such as
// "午後" or "p. m."; a marker before the time) the time text is "HH:mm:ss" on a 24-hour clock and
// "hh:mm:ss" followed by " AM" or " PM" by the hour on a 12-hour one.
class Win32Clock : public Clock {
public:
    using SecondsReader = std::function<std::string(const std::string& timeText)>;
    // secondsOf: how the tick reads the seconds of a time text (none: the seconds are not looked at).
    // timeFormat: the user's long time format (LOCALE_STIMEFORMAT) when empty.
    explicit Win32Clock(SecondsReader secondsOf = {}, std::wstring timeFormat = {});
    LocalDateTime Now() override;
    int UtcOffsetAt(const LocalDateTime& t) override;
    // The short date and the long time joined by one blank: "12/7/2026 10:30:00 PM".
    std::string GeneralDateTimeText(const LocalDateTime& t) override;
    std::string TimeText(const LocalDateTime& t) override;
    // The time format in use (the user's or the fallback) and whether " AM"/" PM" is appended.
    const std::wstring& TimeFormat() const { return timeFormat_; }
    bool AppendsMeridiem() const { return appendMeridiem_; }

private:
    std::wstring timeFormat_;
    bool appendMeridiem_ = false;
};

// True when a Windows time format picture shows the hour on a 24-hour clock ("H" outside quotes).
bool IsTwentyFourHourFormat(const std::wstring& format);

// RegOpenKeyA, RegQueryValueExA and RegCloseKey as they stand; kHkeyCurrentUser is HKEY_CURRENT_USER.
class Win32Registry : public Registry {
public:
    long RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) override;
    long RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                          uint32_t* dataSize) override;
    long RegCloseKey(RegKey key) override;
};

// A file read whole and split at CR LF, LF or a lone CR (the line ends any Windows editor writes).
class Win32TextFileLines : public TextFileLines {
public:
    bool ReadLines(const std::string& path, std::vector<std::string>& lines) override;
};

class Win32Pointer : public Pointer {
public:
    int ShowCursor(bool show) override;
};

// The glyph font is registered privately (AddFontResourceExW with FR_PRIVATE): only this process sees
// it, no other program is told of a font change, and the registration ends with the process even when
// Windows ends a preview instance without letting it run its exit path.
class Win32FontRegistry : public FontRegistry {
public:
    int AddFontResourceA(const std::string& path) override;
    int RemoveFontResourceA(const std::string& path) override;
};

// MessageBoxW, owned by the chart window while it is visible, kept in front of the full-screen window.
class Win32MessageBoxes : public MessageBoxes {
public:
    explicit Win32MessageBoxes(std::function<HWND()> owner = {}) : owner_(std::move(owner)) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;

private:
    std::function<HWND()> owner_;
};

// The preview in the screen-saver settings page reacts to no input: it cannot show a modal box, and
// it leaves the pointer of the settings page alone (its display count is only counted).
class PreviewMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

class PreviewPointer : public Pointer {
public:
    int ShowCursor(bool show) override { return count_ += show ? 1 : -1; }

private:
    int count_ = 0;
};
