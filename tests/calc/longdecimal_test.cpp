#include "calc/factorial.h"
#include "calc/longdecimal.h"
#include "calc/ntt.h"
#include "calc/simd.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

namespace ld = vy::calc::longdec;
using ld::Limbs;

Limbs randomLimbs(std::mt19937& random, std::size_t n)
{
    Limbs a(n);
    for (auto& limb : a)
        limb = random() % ld::kLimbBase;
    a.back() = 1 + random() % (ld::kLimbBase - 1);
    return a;
}

// The reference: one limb of b at a time, with multiplySmall and a shift.
Limbs slowProduct(const Limbs& a, const Limbs& b)
{
    Limbs result;
    for (std::size_t i = b.size(); i-- > 0;) {
        result.insert(result.begin(), 0u);
        Limbs row = a;
        ld::multiplySmall(row, b[i]);
        Limbs sum(std::max(result.size(), row.size()) + 1, 0);
        std::uint32_t carry = 0;
        for (std::size_t k = 0; k < sum.size(); ++k) {
            const std::uint32_t s = (k < result.size() ? result[k] : 0) + (k < row.size() ? row[k] : 0) + carry;
            carry = s >= ld::kLimbBase;
            sum[k] = carry ? s - ld::kLimbBase : s;
        }
        ld::trim(sum);
        result = std::move(sum);
    }
    ld::trim(result);
    return result;
}

// (B^k - 1) * (B^m - 1) = B^(k+m) - B^k - B^m + 1 for B = 10^9: the largest
// coefficients a convolution of this length can have.
Limbs nines(std::size_t k) { return Limbs(k, ld::kLimbBase - 1); }

__extension__ using u128 = unsigned __int128;

// The decimal text modulo m, eighteen digits at a time.
std::uint64_t remainder(const std::string& digits, std::uint64_t m)
{
    u128 r = 0;
    for (std::size_t at = 0; at < digits.size(); at += 18) {
        const std::string chunk = digits.substr(at, 18);
        u128 scale = 1;
        for (std::size_t i = 0; i < chunk.size(); ++i)
            scale *= 10;
        r = (r * scale + std::stoull(chunk)) % m;
    }
    return static_cast<std::uint64_t>(r);
}

class ScalarKernels {
public:
    ScalarKernels() { vy::calc::avx2SwitchedOff() = true; }
    ~ScalarKernels() { vy::calc::avx2SwitchedOff() = false; }
};

TEST(LongDecimal, DecimalTextRoundTrip) {
    for (const char* text : {"1", "999999999", "1000000000", "123456789012345678901234567890"})
        EXPECT_EQ(ld::toDecimal(ld::fromDecimal(text)), text);
    EXPECT_EQ(ld::toDecimal(ld::fromDecimal("000120")), "120");
    EXPECT_EQ(ld::toDecimal({}), "0");
    EXPECT_THROW(ld::fromDecimal("12x"), std::invalid_argument);
}

TEST(LongDecimal, ProductsAgreeWithTheSlowOneOnEveryPath) {
    std::mt19937 random(11);
    // Schoolbook, the short transforms, unbalanced and square shapes.
    const std::pair<std::size_t, std::size_t> shapes[] = {
        {1, 1}, {3, 40}, {31, 33}, {64, 64}, {100, 300}, {700, 9}, {513, 511}, {2000, 1500}};
    for (const auto& [la, lb] : shapes) {
        const Limbs a = randomLimbs(random, la), b = randomLimbs(random, lb);
        const Limbs expected = slowProduct(a, b);
        EXPECT_EQ(ld::multiply(a, b), expected) << la << " x " << lb;
        {
            ScalarKernels plain;
            EXPECT_EQ(ld::multiply(a, b), expected) << la << " x " << lb << " without AVX2";
        }
        EXPECT_EQ(ld::square(a), slowProduct(a, a)) << la << " squared";
    }
}

TEST(LongDecimal, LargestCoefficientsComeBackExactly) {
    for (const auto& [k, m] : {std::pair<std::size_t, std::size_t>{300000, 300000}, {250000, 70000}}) {
        Limbs expected(k + m, 0);
        // B^(k+m) - B^k - B^m + 1, written out limb by limb.
        expected[0] = 1;
        const std::size_t lo = std::min(k, m), hi = std::max(k, m);
        expected[lo] = ld::kLimbBase - (k == m ? 2 : 1);
        for (std::size_t i = lo + 1; i < k + m; ++i)
            expected[i] = ld::kLimbBase - 1;
        if (k != m)
            expected[hi] = ld::kLimbBase - 2;
        EXPECT_EQ(ld::multiply(nines(k), nines(m)), expected) << k << " x " << m;
    }
}

TEST(LongDecimal, ProductTreeMatchesOneByOne) {
    std::vector<std::uint32_t> factors;
    Limbs expected{1};
    for (std::uint32_t f = 4294967291u; factors.size() < 3000; f -= 7919) {
        factors.push_back(f);
        ld::multiplySmall(expected, f);
    }
    EXPECT_EQ(ld::productOf(factors), expected);
    EXPECT_EQ(ld::productOf({}), Limbs{1});
}

TEST(FastFactorial, AgreesWithSmallFactorsOneByOne) {
    Limbs expected{1};
    for (std::uint32_t k = 2; k <= 20000; ++k) {
        ld::multiplySmall(expected, k);
        if (k == 5000 || k == 20000) {
            EXPECT_EQ(vy::calc::factorialText(k), ld::toDecimal(expected)) << k;
        }
    }
}

TEST(FastFactorial, LargestAllowedIsRightModuloTwoPrimes) {
    // N! mod m by plain multiplication, against the remainder of the digits.
    const std::uint32_t n = vy::calc::kFactorialLimit;
    const std::string text = vy::calc::factorialText(n);
    EXPECT_EQ(text.size(), 5565709u);
    for (std::uint64_t m : {1000000007ull, (1ull << 61) - 1}) {
        u128 f = 1;
        for (std::uint64_t k = 2; k <= n; ++k)
            f = f * k % m;
        EXPECT_EQ(remainder(text, m), static_cast<std::uint64_t>(f)) << m;
    }
}

TEST(FastFactorial, BeyondTheLimitIsRefused) {
    EXPECT_THROW(vy::calc::factorialText(vy::calc::kFactorialLimit + 1), vy::calc::FactorialTooLarge);
}

TEST(NumberHint, WholeInLinesUpToTheCutThenAnEllipsisAndTheCount) {
    EXPECT_EQ(vy::calc::numberHint("2432902008176640000"), "2432902008176640000");
    const std::string f100 = vy::calc::factorialText(100); // 158 digits: two lines
    EXPECT_EQ(vy::calc::numberHint(f100), f100.substr(0, 80) + "\r" + f100.substr(80));
    const std::string exact(vy::calc::kHintDigits, '7');
    EXPECT_EQ(vy::calc::numberHint(exact).find("…"), std::string::npos);
    const std::string f1000 = vy::calc::factorialText(1000);
    std::string expected;
    for (int line = 0; line < 5; ++line)
        expected += (line ? "\r" : "") + f1000.substr(80 * line, 80);
    EXPECT_EQ(vy::calc::numberHint(f1000), expected + "…\rВсего цифр: 2568");
}

TEST(FastFactorial, AHookThatThrowsAbandonsTheWork) {
    struct Cancelled {};
    int calls = 0;
    EXPECT_THROW(vy::calc::factorialText(50000,
                                         [&](double percent) {
                                             ++calls;
                                             if (percent > 30)
                                                 throw Cancelled{};
                                         }),
                 Cancelled);
    EXPECT_GT(calls, 1);
}

} // namespace
