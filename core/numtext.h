#pragma once
// Number texts: the standard conversion of field text to number, the integer
// conversion, the standard 15-digit number-to-text form and the fixed-point
// forms. The decimal separator is always the comma. Nothing here touches the
// C locale, so any thread may format numbers.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vy {

// A text that is not a number, or a number beyond the range of its type.
class ConversionError : public std::runtime_error {
public:
    enum class Kind { NotANumber, OutOfRange };
    ConversionError(Kind kind, std::string message, std::string text);
    Kind kind() const noexcept { return kind_; }
    const std::string& text() const noexcept { return text_; } // the text as given

private:
    Kind kind_;
    std::string text_;
};

// Standard conversion. Grammar: blanks, optional sign, digits, optional comma
// and digits, optional E/e with optional sign and digits, blanks. Converted in
// extended precision. NotANumber carries "'%s' is not a valid floating point value";
// a value beyond the double range is OutOfRange (windows report it as overflow),
// with the same message.
long double StrToFloatExt(std::string_view text);
double StrToFloat(std::string_view text);
std::optional<double> TryStrToFloat(std::string_view text) noexcept;
// The standard conversion in extended precision, false instead of ConversionError
// (value is then left alone).
bool TryStrToFloatExt(std::string_view text, long double& value);

// Standard integer conversion: optional sign and decimal digits, 32-bit range.
// Failure carries "'%s' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// Standard number-to-text form: 15 significant digits (exact halves rounded away
// from zero, everything else to the nearest), trailing zeros dropped,
// fixed notation for decimal exponents -3..15, otherwise d,dddE-n; "INF", "-INF", "NAN".
std::string FloatToStr(long double value);

// printf-style "%0.<decimals>f" with a decimal comma; exact halves are rounded
// away from zero, as the platform's formatting does (2,5 -> "3" with no decimals).
std::string FormatFixed(long double value, int decimals);
// The value written with FormatFixed and read back with StrToFloat: the double
// nearest its <decimals>-place text. Without the text for up to 8 decimals and
// moderate values (most of the time), with it otherwise.
double RoundTripFixed(long double value, int decimals);
// "%n": fixed with <decimals> places and thousands grouped by a no-break space (U+00A0).
std::string FormatGrouped(long double value, int decimals = 2);

} // namespace vy
