// The user's regional date and time formats on Linux: the LC_TIME category of the locale named by the
// environment (LC_ALL, LC_TIME, LANG), read through a locale object of its own so that the process's
// global locale (and with it the decimal point of every number the program prints) is left alone.
#pragma once

#include <locale.h>

#include <string>

// Date order of a strftime date format: 2 when the year comes first, 1 when the day comes before the
// month, 0 otherwise ("%m/%d/%Y" 0, "%d.%m.%Y" 1, "%Y-%m-%d" 2; %D and %F count as their expansions).
int DateOrderOfFormat(const std::string& dateFormat);

// Clock format of a strftime time format: 1 (24-hour) when it writes the hour with %H, %k, %T or %R,
// 0 (12-hour) otherwise.
int ClockFormatOfFormat(const std::string& timeFormat);

class LocaleFormats {
public:
    // localeName "" means the environment's locale; a locale that cannot be loaded falls back to "C".
    explicit LocaleFormats(const std::string& localeName = "");
    ~LocaleFormats();
    LocaleFormats(const LocaleFormats&) = delete;
    LocaleFormats& operator=(const LocaleFormats&) = delete;

    std::string DateFormat() const;  // nl_langinfo D_FMT
    std::string TimeFormat() const;  // nl_langinfo T_FMT
    locale_t Handle() const { return locale_; }

private:
    locale_t locale_;
};
