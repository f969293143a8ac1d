#pragma once
// The exact factorial as decimal text, fast enough for a million.
//
// N! is the product of p^e(p) over the primes p <= N, e(p) by Legendre's
// formula. Every 5 pairs with a 2 into a trailing zero, so those pairs are left
// out and the zeros appended to the text. The rest is built bit by bit of the
// exponents, from the top: R = R^2 * A_k, where A_k is the product of the
// primes whose exponent has bit k set. Squaring needs one transform per prime
// instead of two, and the product of all small factors is formed only once.
// The arithmetic is in base 10^9 (calc/longdecimal.h), so the digits need no
// base conversion at the end.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vy::calc {

// The largest N computed: 1000000! has 5565709 digits and takes well under a
// second; ten times more would be 65 million digits, a text no window can
// usefully show.
inline constexpr std::uint32_t kFactorialLimit = 1000000;

// What a window says when N is above the limit.
std::string factorialLimitText();

class FactorialTooLarge : public std::length_error {
public:
    explicit FactorialTooLarge(std::uint32_t n);
    std::uint32_t n() const noexcept { return n_; }

private:
    std::uint32_t n_;
};

// Told the share of the work done, in percent: rising, 100 at the end. It may
// throw to abandon the computation; the exception reaches the caller and every
// buffer is released on the way.
using ProgressHook = std::function<void(double percent)>;

// N! in decimal digits ("1" for 0 and 1). Above kFactorialLimit: FactorialTooLarge.
std::string factorialText(std::uint32_t n, const ProgressHook& progress = {});

// The hint of a long number: its digits in lines of kHintLineDigits (broken by
// a carriage return, as every message of the program), whole up
// to kHintDigits digits; a longer number is cut there with an ellipsis and a
// last line "Всего цифр: " + its length.
inline constexpr std::size_t kHintLineDigits = 80;
inline constexpr std::size_t kHintDigits = 5 * kHintLineDigits;
std::string numberHint(std::string_view digits);

} // namespace vy::calc
