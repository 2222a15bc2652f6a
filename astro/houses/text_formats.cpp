#include "astro/houses/text_formats.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Shortest text of |value| at `digits` significant digits, without sign or leading blank.
std::string MagnitudeText(double magnitude, int digits) {
    // Round to the precision once (the exact decimal value, rounded as printf's "%.*E" rounds it); the
    // exponent and the digits are then read from the E form, so that no platform's own choice of
    // exponent width or fixed/exponent switch enters the text.
    char buf[64];
    const std::to_chars_result r =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, digits - 1);
    const std::string text(buf, r.ptr);
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] != '.') mantissa += text[i];
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    if (exponent < -4 || exponent >= digits) {
        std::string out(1, mantissa[0]);
        if (mantissa.size() > 1) out += "." + mantissa.substr(1);
        const int e = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (e < 10) out += "0";
        out += std::to_string(e);
        return out;
    }
    if (exponent < 0) return "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= whole) return mantissa + std::string(whole - mantissa.size(), '0');
    return mantissa.substr(0, whole) + "." + mantissa.substr(whole);
}

// digits significant digits; tenToDigits is 10^digits: a whole number below it has all its digits
// within the precision, and its text is those digits.
std::string SignedText(double value, int digits, double tenToDigits) {
    if (!std::isfinite(value)) return (value < 0 ? "" : " ") + NonFiniteText(value);
    if (value == 0) return " 0";
    const double magnitude = std::fabs(value);
    if (magnitude < tenToDigits && magnitude == std::floor(magnitude)) {
        char buf[24];
        buf[0] = value < 0 ? '-' : ' ';
        const std::to_chars_result r = std::to_chars(buf + 1, buf + sizeof buf, static_cast<unsigned long long>(magnitude));
        return std::string(buf, r.ptr);
    }
    return (value < 0 ? "-" : " ") + MagnitudeText(magnitude, digits);
}

}  // namespace

std::string NumberToText(float value) { return SignedText(value, 7, 1e7); }

std::string NumberToText(double value) { return SignedText(value, 15, 1e15); }

std::string FormatFixed2(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    // The only binary values exactly halfway between two hundredths end in .125, .375, .625 or .875:
    // 8 x value is then an odd integer. Such a value is moved off the tie, away from zero.
    const double eighths = value * 8;
    if (std::isfinite(eighths) && eighths == std::floor(eighths) && std::fmod(std::fabs(eighths), 2) == 1)
        value = std::nextafter(value, value > 0 ? HUGE_VAL : -HUGE_VAL);
    char buf[400];  // the largest double has 309 digits before the point
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    return std::string(buf, r.ptr);
}
