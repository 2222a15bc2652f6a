// The settings file as text editors save it: in the platform's ANSI code page without a mark (the
// classic file), in UTF-8 with a byte-order mark, or in UTF-16 with its mark, little or big endian
// ("Unicode" in Notepad); with lines ending in CR LF, LF or CR alone. Decoding gives the characters
// and remembers how they were stored, so that an edited file is written back the way it was read.
#pragma once

#include <string>
#include <vector>

enum class SettingsEncoding {
    Ansi,     // no byte-order mark: the bytes are the characters (Windows-1252 on the classic platform)
    Utf8Bom,  // EF BB BF, then UTF-8
    Utf16Le,  // FF FE, then UTF-16 little endian
    Utf16Be,  // FE FF, then UTF-16 big endian
};

struct SettingsText {
    // The characters after the mark: the bytes as they stand for Ansi, UTF-8 otherwise (a lone
    // surrogate of a UTF-16 file is kept as its three-byte form, so that it is written back as read).
    std::string text;
    SettingsEncoding encoding = SettingsEncoding::Ansi;
    // The file's line end: that of its first line feed (CR LF or LF); "\r" for a file whose lines end
    // in CR alone (no line feed anywhere); "\r\n" for a file without any.
    std::string lineEnd = "\r\n";
    // An odd last byte of a UTF-16 file, kept as it was.
    std::string oddByte;
};

// The text of a file's bytes. Encode(Decode(bytes)) == bytes for every file.
SettingsText DecodeSettingsText(const std::string& bytes);
std::string EncodeSettingsText(const SettingsText& t);

// The lines of a text, split at CR LF, LF or a lone CR (the line ends left out). A last line without
// a line end counts; the end of the text right after a line end does not start another line.
std::vector<std::string> SplitSettingsLines(const std::string& text);

// The lines of a settings file as the reader and the editor take them. A file whose lines end in CR
// alone (lineEnd "\r") is split at every CR. Any other file is split at LF, a CR right before it left
// out: a stray CR inside a line of a CR LF file stays in its line, so that such a file keeps the lines
// it always had.
std::vector<std::string> SettingsFileLines(const SettingsText& t);
