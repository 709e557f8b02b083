#pragma once
// Numbers as text, the same on every desktop. The ECU's values, the pages'
// fields and the configuration files all write a decimal point; the user's
// locale (a Brazilian desktop writes "2,5") must never change what is read
// from a field or written to the ECU. Everything that turns a number into
// text or back goes through here, never through atof, strtod or printf.

#include <string>
#include <string_view>

namespace NumberText {

// The leading number of `text`, read as strtod reads it in the C locale:
// blanks, an optional sign, digits with an optional '.' fraction and
// exponent. 0.0 when the text does not start with a number. `used`, when
// given, receives the number of characters read (0 for no number).
double ToDouble(std::string_view text, std::size_t* used = nullptr);

// The leading whole number of `text`, as atoi reads it (blanks, sign,
// digits), saturated at the limits of long long instead of wrapping.
long long ToInteger(std::string_view text);
// The same, saturated at the limits of int / long.
int ToInt(std::string_view text);
long ToLong(std::string_view text);

// `value` written with a printf format holding one floating conversion
// ("%1.2f", "%2.1f", "%g"), always with '.' as the decimal point.
std::string Format(const char* printfFormat, double value);

}  // namespace NumberText
