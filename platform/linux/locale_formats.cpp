#include "platform/linux/locale_formats.h"

#include <langinfo.h>

namespace {

// The conversion characters of a strftime format, in order, with %D and %F expanded.
std::string Conversions(const std::string& format) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        while (i < format.size() && std::string("-_0^#").find(format[i]) != std::string::npos) ++i;  // flags
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;                     // width
        if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;                      // modifier
        if (i >= format.size()) break;
        char c = format[i];
        if (c == 'D')
            out += "mdy";
        else if (c == 'F')
            out += "Ymd";
        else
            out += c;
    }
    return out;
}

}  // namespace

int DateOrderOfFormat(const std::string& dateFormat) {
    std::string c = Conversions(dateFormat);
    std::size_t day = c.find_first_of("de");
    std::size_t month = c.find_first_of("mbBh");
    std::size_t year = c.find_first_of("YyCGg");
    if (year != std::string::npos && (day == std::string::npos || year < day) &&
        (month == std::string::npos || year < month))
        return 2;
    if (day != std::string::npos && (month == std::string::npos || day < month)) return 1;
    return 0;
}

int ClockFormatOfFormat(const std::string& timeFormat) {
    return Conversions(timeFormat).find_first_of("HkTR") != std::string::npos ? 1 : 0;
}

LocaleFormats::LocaleFormats(const std::string& localeName) {
    locale_ = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(0));
    if (locale_ == static_cast<locale_t>(0)) locale_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
}

LocaleFormats::~LocaleFormats() {
    if (locale_ != static_cast<locale_t>(0)) freelocale(locale_);
}

std::string LocaleFormats::DateFormat() const {
    const char* f = locale_ ? nl_langinfo_l(D_FMT, locale_) : nullptr;
    return f ? f : "%m/%d/%y";
}

std::string LocaleFormats::TimeFormat() const {
    const char* f = locale_ ? nl_langinfo_l(T_FMT, locale_) : nullptr;
    return f ? f : "%H:%M:%S";
}
