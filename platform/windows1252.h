// The 8-bit character set of the chart's texts, Windows-1252, as Unicode.
#pragma once

#include <string>

// The Unicode code point of one 8-bit code: 0..127 and 160..255 are their own code points, 128..159
// the code page's punctuation and letters (156 is U+0153); the five codes the code page leaves
// undefined (129, 141, 143, 144, 157) map to the control characters of the same number.
char32_t Windows1252ToUnicode(unsigned char code);

// The UTF-8 text of an 8-bit text.
std::string Windows1252ToUtf8(const std::string& text);

// Appends the UTF-8 form of a code point: one to three bytes in the Basic Multilingual Plane, four
// beyond it.
void AppendUtf8(std::string& out, char32_t cp);
