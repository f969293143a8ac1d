#include "calc/factorial.h"

#include "calc/longdecimal.h"
#include "calc/ntt.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace vy::calc {

namespace {

using longdec::Limbs;

// Below this N the plain product tree of 2 .. N is faster (measured).
constexpr std::uint32_t kSmallTree = 400;

std::vector<std::uint32_t> primesUpTo(std::uint32_t n)
{
    std::vector<std::uint32_t> primes;
    if (n < 2)
        return primes;
    primes.push_back(2);
    // Odd numbers only: entry i stands for 2i + 1.
    std::vector<bool> composite(n / 2 + 1, false);
    for (std::uint64_t i = 1; 2 * i + 1 <= n; ++i) {
        if (composite[i])
            continue;
        const std::uint64_t p = 2 * i + 1;
        primes.push_back(static_cast<std::uint32_t>(p));
        for (std::uint64_t m = p * p; m <= n; m += 2 * p)
            composite[m / 2] = true;
    }
    return primes;
}

std::uint32_t legendreExponent(std::uint32_t n, std::uint32_t p)
{
    std::uint32_t e = 0;
    for (std::uint64_t q = n / p; q; q /= p)
        e += static_cast<std::uint32_t>(q);
    return e;
}

// The work is told in shares of an estimate made beforehand: a multiplication
// of operands with s limbs in all costs about s log s, the final text about
// as much as a pass over the limbs.
class ProgressEstimate {
public:
    explicit ProgressEstimate(const ProgressHook& hook) : hook_(hook) {}

    static double multiplication(double limbs) { return limbs * std::log2(limbs + 2); }

    void plan(double cost) { total_ += cost; }
    void done(double cost)
    {
        done_ += cost;
        if (hook_)
            hook_(std::min(100.0, 100.0 * done_ / total_));
    }
    void finished()
    {
        if (hook_)
            hook_(100.0);
    }

private:
    const ProgressHook& hook_;
    double total_ = 0;
    double done_ = 0;
};

} // namespace

std::string factorialLimitText()
{
    return "Факториал вычисляется для чисел не больше " + std::to_string(kFactorialLimit);
}

FactorialTooLarge::FactorialTooLarge(std::uint32_t n)
    : std::length_error("factorial of " + std::to_string(n) + " is beyond the limit of " +
                        std::to_string(kFactorialLimit)),
      n_(n)
{
}

std::string factorialText(std::uint32_t n, const ProgressHook& progress)
{
    if (n > kFactorialLimit)
        throw FactorialTooLarge(n);
    ProgressEstimate estimate(progress);
    if (n < kSmallTree) {
        // Too small for the prime exponents to pay: the product 2 * 3 * ... * n.
        std::vector<std::uint32_t> factors;
        for (std::uint32_t k = 2; k <= n; ++k)
            factors.push_back(k);
        std::string text = longdec::toDecimal(longdec::productOf(factors));
        estimate.finished();
        return text;
    }

    const std::vector<std::uint32_t> primes = primesUpTo(n);
    std::vector<std::uint32_t> exponents(primes.size());
    for (std::size_t i = 0; i < primes.size(); ++i)
        exponents[i] = legendreExponent(n, primes[i]);
    // Each 5 pairs with a 2 into a trailing zero. 2 is primes[0], 5 is primes[2].
    const std::uint32_t zeros = exponents[2];
    exponents[0] -= zeros;
    exponents[2] = 0;

    // The primes of each A_k, and the sizes in limbs: of each A_k, and of R
    // after step k. log10 p is taken from the bit length; an estimate is all
    // the progress needs.
    const std::uint32_t topExponent = *std::max_element(exponents.begin(), exponents.end());
    const int bits = std::bit_width(topExponent);
    std::vector<std::vector<std::uint32_t>> factors(bits);
    std::vector<double> factorLimbs(bits, 0.0);
    for (std::size_t i = 0; i < primes.size(); ++i) {
        const double limbs = std::bit_width(primes[i]) * (std::log10(2.0) / longdec::kLimbDigits);
        for (std::uint32_t e = exponents[i]; e; e &= e - 1) {
            const int k = std::countr_zero(e);
            factors[k].push_back(primes[i]);
            factorLimbs[k] += limbs;
        }
    }
    std::vector<double> stepCost(bits, 0.0);
    double resultLimbs = 0;
    for (int k = bits - 1; k >= 0; --k) {
        const double squared = 2 * resultLimbs;
        resultLimbs = squared + factorLimbs[k];
        stepCost[k] = ProgressEstimate::multiplication(factorLimbs[k]) * 2 +
                      ProgressEstimate::multiplication(squared) + ProgressEstimate::multiplication(resultLimbs);
        estimate.plan(stepCost[k]);
    }
    estimate.plan(resultLimbs * 4); // the text

    struct ReleaseTables {
        ~ReleaseTables() { ntt::releaseLargeTables(); }
    } release;
    Limbs result{1};
    for (int k = bits - 1; k >= 0; --k) {
        if (result.size() > 1 || result[0] != 1)
            result = longdec::square(result);
        if (!factors[k].empty())
            result = longdec::multiply(result, longdec::productOf(factors[k]));
        factors[k] = {};
        estimate.done(stepCost[k]);
    }

    std::string text;
    text.reserve(result.size() * longdec::kLimbDigits + zeros);
    longdec::appendDecimal(result, text);
    text.append(zeros, '0');
    estimate.finished();
    return text;
}

std::string numberHint(std::string_view digits)
{
    const std::string_view shown = digits.substr(0, kHintDigits);
    std::string hint;
    for (std::size_t at = 0; at < shown.size(); at += kHintLineDigits) {
        if (at > 0)
            hint += '\r';
        hint += shown.substr(at, kHintLineDigits);
    }
    if (shown.size() < digits.size())
        hint += "…\rВсего цифр: " + std::to_string(digits.size());
    return hint;
}

} // namespace vy::calc
