// Number-to-text conversions shared by the chart texts and the command-line tool.
//
// NumberToText writes a number the way the chart's texts always have: a leading blank for zero and
// positive values, "-" for negative ones, the shortest form of the value at the precision of its type
// (7 significant digits for a single, 15 for a double), no leading zero before the decimal point
// (0.5 gives " .5"), "." as the decimal point, and the exponent form (" 1.234568E+07", " 1E-05") when
// the decimal exponent is below -4 or reaches the precision. Examples: 5 gives " 5", -3.5 "-3.5",
// 5.5 " 5.5", 0 " 0". Non-finite values give " INF", "-INF" and " NAN".
//
// FormatFixed2 is the "#0.00" pattern (also "##0.00", which prints the same): at least one digit
// before the point, exactly two after it, halves rounded away from zero ("0.13" for 0.125). Non-finite
// values give "INF", "-INF" and "NAN".
#pragma once

#include <string>

std::string NumberToText(float value);
std::string NumberToText(double value);
std::string FormatFixed2(double value);
