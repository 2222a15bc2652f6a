// Text conversions at the edge of the Windows API. Inside the program every text is UTF-8 (file names
// included); the Windows calls are the wide-character ones. The chart's glyph codes are 8-bit codes of
// the Windows-1252 code page and become Unicode code points before they reach a wide call.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);

// Windows-1252 8-bit codes to UTF-16: 0x00..0x7F and 0xA0..0xFF are the same code points; 0x80..0x9F
// are the typographic characters of the code page (0x9C, the retrograde mark, is U+0153). The five
// codes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay the C1 controls they are
// in Unicode.
std::wstring WideFromGlyphCodes(const std::string& codes);
