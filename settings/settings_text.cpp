#include "settings/settings_text.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "platform/windows1252.h"

namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(const std::string& s, const char* mark, std::size_t n) { return s.size() >= n && s.compare(0, n, mark, n) == 0; }

// UTF-16 code units to UTF-8; a surrogate without its partner becomes its own three-byte form.
std::string Utf16ToUtf8(const std::string& bytes, std::size_t start, bool bigEndian, std::string& oddByte) {
    std::string out;
    const std::size_t units = (bytes.size() - start) / 2;
    auto unit = [&](std::size_t i) -> uint32_t {
        const auto a = static_cast<unsigned char>(bytes[start + 2 * i]);
        const auto b = static_cast<unsigned char>(bytes[start + 2 * i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const uint32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units) {
            const uint32_t v = unit(i + 1);
            if (v >= 0xDC00 && v < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, u);
    }
    if ((bytes.size() - start) % 2 != 0) oddByte = bytes.substr(bytes.size() - 1);
    return out;
}

// UTF-8 (with the three-byte surrogates of Utf16ToUtf8) to UTF-16 code units. A byte that starts no
// valid sequence stands for itself (as Windows-1252 would show it: its own code point).
std::string Utf8ToUtf16(const std::string& text, bool bigEndian) {
    std::string out;
    auto put = [&](uint32_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        uint32_t code = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
        bool valid = (c < 0x80 || extra > 0) && i + extra < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) valid = false;
            code = code << 6 | (d & 0x3F);
        }
        if (!valid) {
            put(c);
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            put(0xD800 + (code >> 10));
            put(0xDC00 + (code & 0x3FF));
        } else {
            put(code);
        }
        i += extra + 1;
    }
    return out;
}

// The line end of a text: that of its first line feed (CR LF or LF); CR for a text whose lines end in CR
// alone, without any line feed (a stray CR in a file of line feeds does not make it one).
std::string FileLineEnd(const std::string& text) {
    const std::size_t lf = text.find('\n');
    if (lf != std::string::npos) return lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
    return text.find('\r') != std::string::npos ? "\r" : "\r\n";
}

}  // namespace

SettingsText DecodeSettingsText(const std::string& bytes) {
    SettingsText t;
    if (StartsWith(bytes, "\xFF\xFE", 2)) {
        t.encoding = SettingsEncoding::Utf16Le;
        t.text = Utf16ToUtf8(bytes, 2, false, t.oddByte);
    } else if (StartsWith(bytes, "\xFE\xFF", 2)) {
        t.encoding = SettingsEncoding::Utf16Be;
        t.text = Utf16ToUtf8(bytes, 2, true, t.oddByte);
    } else if (StartsWith(bytes, kUtf8Mark.data(), kUtf8Mark.size())) {
        t.encoding = SettingsEncoding::Utf8Bom;
        t.text = bytes.substr(kUtf8Mark.size());
    } else {
        t.text = bytes;
    }
    t.lineEnd = FileLineEnd(t.text);
    return t;
}

std::string EncodeSettingsText(const SettingsText& t) {
    switch (t.encoding) {
        case SettingsEncoding::Utf16Le: return "\xFF\xFE" + Utf8ToUtf16(t.text, false) + t.oddByte;
        case SettingsEncoding::Utf16Be: return "\xFE\xFF" + Utf8ToUtf16(t.text, true) + t.oddByte;
        case SettingsEncoding::Utf8Bom: return kUtf8Mark + t.text;
        case SettingsEncoding::Ansi: break;
    }
    return t.text;
}

std::vector<std::string> SplitSettingsLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> SettingsFileLines(const SettingsText& t) {
    if (t.lineEnd == "\r") return SplitSettingsLines(t.text);
    std::vector<std::string> lines;
    const std::string& text = t.text;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        if (end > start && text[end - 1] == '\r') --end;
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}
