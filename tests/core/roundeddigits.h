#pragma once
// Reference rounding for the tests of the standard number form: the 15
// significant digits of a scientific text ("d.ddd...e+x", enough digits to
// decide the 16th on), rounded with halves away from zero.
#include <cstddef>
#include <string>

namespace vy::test {

// The digits without trailing zeros; exponent10 is the text's exponent, one
// more where the rounding carries into a new leading digit.
inline std::string roundedDigits(const std::string& scientific, int& exponent10) {
    const std::size_t e = scientific.find('e');
    exponent10 = std::stoi(scientific.substr(e + 1));
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const bool up = digits[15] >= '5';
    digits.resize(15);
    if (up) {
        int i = 14;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(0, "1");
            digits.pop_back();
            ++exponent10;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

} // namespace vy::test
