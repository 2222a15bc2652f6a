#include "platform/whole_file.h"
#include "settings/settings_file.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "settings/settings_text.h"

static_assert(std::numeric_limits<float>::is_iec559, "settings are IEEE 754 singles");
static_assert(std::numeric_limits<double>::is_iec559, "arithmetic is IEEE 754 doubles");

namespace {

bool IsIgnoredInNumber(char c) { return c == ' ' || c == '\t' || c == '\n'; }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H..." or "&O...": an unsigned integer in base 16 or 8, accumulated in double (no wrap-around).
double RadixNumber(const std::string& t, std::size_t pos, int base) {
    double value = 0;
    for (; pos < t.size(); ++pos) {
        int d = DigitValue(t[pos]);
        if (d >= base) break;
        value = value * base + d;
    }
    return value;
}

// Decimal number at the start of t (blanks already removed). The text of the number is cut out first
// and then converted once, so that the result is the correctly rounded double of what was written.
double DecimalNumber(const std::string& t) {
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negative = t[i] == '-';
        ++i;
    }
    std::string mantissa;
    int integerDigits = 0;       // significant digits before the point (leading zeros dropped)
    int leadingFractionZeros = 0;  // zeros after the point before the first non-zero digit
    bool anyDigit = false, nonZeroSeen = false, pointSeen = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            mantissa += c;
            if (c != '0') nonZeroSeen = true;
            if (!pointSeen && nonZeroSeen) ++integerDigits;
            if (pointSeen && !nonZeroSeen) ++leadingFractionZeros;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            mantissa += c;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0;
    long exponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            expNegative = t[j] == '-';
            ++j;
        }
        if (j < t.size() && t[j] >= '0' && t[j] <= '9') {
            for (; j < t.size() && t[j] >= '0' && t[j] <= '9'; ++j)
                if (exponent < 100000) exponent = exponent * 10 + (t[j] - '0');  // far beyond any double
            if (expNegative) exponent = -exponent;
        }
    }
    double value = 0;
    if (nonZeroSeen) {
        std::string text = mantissa + "e" + std::to_string(exponent);
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        (void)end;
        if (ec == std::errc::result_out_of_range) {
            // Beyond the range of a double: an infinity above it, a zero below it.
            long magnitude = (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        } else if (ec != std::errc()) {
            value = 0;
        }
    }
    return negative ? -value : value;
}

// The field of a line that holds its number: its first seven characters. In a file with a byte-order
// mark the text is UTF-8 and a character may take several bytes; the field is still seven characters,
// the columns the user sees in an editor. (LeadingNumber stops at the first character that is not
// ASCII, so cutting by bytes would give the same number; by characters it is the same rule as the
// classic file's.)
std::string SettingsField(const std::string& line, SettingsEncoding encoding) {
    if (encoding == SettingsEncoding::Ansi) return line.substr(0, kSettingsField);
    std::size_t end = 0;
    for (int characters = 0; end < line.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80;
        if (!continuation && characters++ == kSettingsField) break;
    }
    return line.substr(0, end);
}

}  // namespace

double LeadingNumber(const std::string& text) {
    std::string t;
    t.reserve(text.size());
    for (char c : text)
        if (!IsIgnoredInNumber(c)) t += c;
    if (t.size() >= 2 && t[0] == '&') {
        if (t[1] == 'H' || t[1] == 'h') return RadixNumber(t, 2, 16);
        if (t[1] == 'O' || t[1] == 'o') return RadixNumber(t, 2, 8);
        return 0;
    }
    return DecimalNumber(t);
}

float ToSingle(double x) { return static_cast<float>(x); }

bool ReadSettings(ChartState& s) {
    // The file is opened, read and closed at once; nothing stays open between calls.
    std::string bytes;
    if (!ReadFileBytes(s.settingsFileName, bytes)) return false;
    const SettingsText text = DecodeSettingsText(bytes);
    int n = 0;
    for (const std::string& line : SettingsFileLines(text)) {
        if (line.empty()) break;  // the first empty line ends the values
        ++n;
        s.settingValues[n] = ToSingle(LeadingNumber(SettingsField(line, text.encoding)));
        if (n == kSettingsLines) break;  // no element beyond line 92
    }
    return true;
}
