// Whole numbers as decimal text, added to the end of a string the way printf writes them with "%d" and
// "%0Nd", without a format to parse or a string in between.
#pragma once

#include <charconv>
#include <string>

// value in decimal, with zeros after any "-" up to width characters in all ("%0Nd"; width 1 is "%d").
inline void AppendDecimal(std::string& text, long long value, int width = 1) {
    char digits[24];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
    const int length = static_cast<int>(r.ptr - digits);
    if (length >= width) {
        text.append(digits, r.ptr);
        return;
    }
    const bool negative = value < 0;
    if (negative) text += '-';
    text.append(static_cast<std::size_t>(width - length), '0');
    text.append(digits + (negative ? 1 : 0), r.ptr);
}
