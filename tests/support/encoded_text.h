// Settings texts as other editors store them, built byte by byte for the tests.
#pragma once

#include <string>

// A text of ASCII and two-byte UTF-8 characters (U+0080..U+07FF) as UTF-16 with its byte-order mark.
inline std::string Utf16(const std::string& text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned code = static_cast<unsigned char>(text[i]);
        if (code >= 0xC0) code = (code & 0x1F) << 6 | (static_cast<unsigned char>(text[++i]) & 0x3F);
        const char hi = static_cast<char>(code >> 8), lo = static_cast<char>(code & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// Every CR LF of text replaced by lineEnd.
inline std::string WithLineEnds(std::string text, const std::string& lineEnd) {
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += lineEnd.size())
        text.replace(at, 2, lineEnd);
    return text;
}
