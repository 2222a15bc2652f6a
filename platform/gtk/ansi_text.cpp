#include "platform/gtk/ansi_text.h"

#include "platform/windows1252.h"

namespace {

// A text view cannot hold a NUL character; it shows the NUL symbol instead.
constexpr char32_t kNulSymbol = 0x2400;

// The next code point of a UTF-8 text; a byte that does not start a valid sequence reads as U+FFFD.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        c = b & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + extra >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += 1 + extra;
    return c;
}

}  // namespace

std::string Utf8FromAnsi(const std::string& ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char ch : ansi) {
        const unsigned char b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b == 0 ? kNulSymbol : Windows1252ToUnicode(b));
    }
    return out;
}

std::string AnsiFromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        char byte = '?';
        if (c == kNulSymbol) {
            byte = '\0';
        } else if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = static_cast<char>(c);
        } else {
            for (int code = 0x80; code < 0xA0; ++code)
                if (Windows1252ToUnicode(static_cast<unsigned char>(code)) == c) byte = static_cast<char>(code);
        }
        out += byte;
    }
    return out;
}

std::string LinesForTextView(const std::string& crlfText) {
    std::string out;
    out.reserve(crlfText.size());
    for (std::size_t i = 0; i < crlfText.size(); ++i) {
        if (crlfText[i] == '\r' && i + 1 < crlfText.size() && crlfText[i + 1] == '\n') continue;
        out += crlfText[i];
    }
    return out;
}

std::string LinesFromTextView(const std::string& lfText) {
    std::string out;
    out.reserve(lfText.size() + lfText.size() / 8);
    for (char c : lfText) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}
