// The settings file's 8-bit text (Windows-1252, lines ending in CR LF) and the UTF-8 text of a GTK
// text view (lines ending in LF), both ways. Every byte survives the round trip: the five codes
// Windows-1252 leaves undefined travel as the C1 controls of the same number, a NUL byte as the
// symbol U+2400 (a text view holds no NUL).
#pragma once

#include <string>

std::string Utf8FromAnsi(const std::string& ansi);
// A character Windows-1252 cannot write becomes "?".
std::string AnsiFromUtf8(const std::string& utf8);

// CR LF to LF, and LF to CR LF.
std::string LinesForTextView(const std::string& crlfText);
std::string LinesFromTextView(const std::string& lfText);
