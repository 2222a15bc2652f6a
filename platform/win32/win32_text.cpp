#include "platform/win32/win32_text.h"

#include "platform/windows1252.h"

#include <windows.h>


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

std::wstring WideFromGlyphCodes(const std::string& codes) {
    std::wstring wide;
    wide.reserve(codes.size());
    for (char c : codes) {
        wide.push_back(static_cast<wchar_t>(Windows1252ToUnicode(static_cast<unsigned char>(c))));
    }
    return wide;
}
