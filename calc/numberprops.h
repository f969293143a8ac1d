#pragma once
// The number properties window's three answers: the prime test, the greatest
// common divisor and the column of prime factors, for 32-bit whole numbers
// given as the texts typed. Divisors are searched only up to the square root
// and the divisor by Euclid's algorithm, so even 2147483647 takes well under a
// millisecond; the texts are those of the plain searches from 2 upwards and
// from the larger number downwards.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vy::calc {

// Negative numbers (which reach the fields only by pasting) have no answer here.
class NegativeNumber : public std::domain_error {
public:
    explicit NegativeNumber(const std::string& text);
};

// "1 - простое число" for 1; otherwise the text as typed, " - простое " or
// " - действительное ", and "  и натуральное." (0 is not prime: 2 divides it).
std::string PrimeText(std::string_view text);

// "НОД (" + first + "," + second + ") = " + the divisor. 0 and 0 throw
// vy::DivisionByZero.
std::string GcdText(std::string_view first, std::string_view second);

// The column of successive divisions, lines ending in a carriage return and
// indented so that the bars roughly line up; the last line is "1 | ". 1 gives
// "1 | 1\r1 "; 0 has no prime factors and gives an empty column.
std::string FactorText(std::int32_t n);

// The smallest divisor above 1 of a >= 2 (a itself for a prime), searched from
// `from` (a number with no divisor in 2 .. from - 1) up to the square root.
std::uint32_t smallestDivisor(std::uint32_t a, std::uint32_t from = 2);

} // namespace vy::calc
