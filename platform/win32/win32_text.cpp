#include "platform/win32/win32_text.h"

#include <windows.h>

#include <array>
#include <iterator>

std::wstring WideFromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Utf8FromWide(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr,
                        nullptr);
    return utf8;
}

namespace {

// Unicode code points of the Windows-1252 codes 0x80..0x9F.
constexpr std::array<wchar_t, 32> kCp1252High = {
    /* 80-87 */ 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    /* 88-8F */ 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    /* 90-97 */ 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    /* 98-9F */ 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
static_assert(std::size(kCp1252High) == 0xA0 - 0x80);

}  // namespace

std::wstring WideFromGlyphCodes(const std::string& codes) {
    std::wstring wide;
    wide.reserve(codes.size());
    for (char c : codes) {
        auto code = static_cast<unsigned char>(c);
        wide.push_back(code >= 0x80 && code < 0xA0 ? kCp1252High[code - 0x80] : static_cast<wchar_t>(code));
    }
    return wide;
}
