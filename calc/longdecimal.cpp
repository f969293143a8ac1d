#include "calc/longdecimal.h"

#include "calc/ntt.h"
#include "calc/simd.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vy::calc::longdec {

namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;

// Schoolbook multiplication costs about la * lb products, the transforms about
// n log2 n butterflies for the transform length n, whatever the balance. On
// the vector paths one butterfly takes some seven times as long as one product
// of the schoolbook rows (five for a square, which saves a transform).
bool schoolbookIsCheaper(std::size_t la, std::size_t lb, bool squaring)
{
    if (std::min(la, lb) < 32)
        return true;
    std::size_t n = 2, log = 1;
    while (n < la + lb - 1) {
        n *= 2;
        ++log;
    }
    const std::size_t ratio = squaring ? 5 : 7;
    return static_cast<double>(la) * static_cast<double>(lb) < static_cast<double>(ratio * n * log);
}

// out[0 .. la + lb) = a * b. Products of two limbs are summed in 64 bits and
// carried only once every kRowsPerCarry rows: that many products below 10^18
// and a limb below 10^9 still fit.
constexpr std::size_t kRowsPerCarry = 18;

// sum[i + j] += a[i] * b[j] for the rows i0 .. i1 - 1.
void addRowsPlain(u64* sum, const u32* a, std::size_t i0, std::size_t i1, const u32* b, std::size_t lb)
{
    for (std::size_t i = i0; i < i1; ++i) {
        const u64 ai = a[i];
        u64* row = sum + i;
        for (std::size_t j = 0; j < lb; ++j)
            row[j] += ai * b[j];
    }
}

#ifdef VY_CALC_AVX2
VY_AVX2_KERNEL void addRowsAvx2(u64* sum, const u32* a, std::size_t i0, std::size_t i1, const u32* b,
                                std::size_t lb)
{
    for (std::size_t i = i0; i < i1; ++i) {
        const __m256i ai = _mm256_set1_epi64x(static_cast<long long>(a[i]));
        u64* row = sum + i;
        std::size_t j = 0;
        for (; j + 4 <= lb; j += 4) {
            const __m256i bj = _mm256_cvtepu32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(b + j)));
            __m256i* at = reinterpret_cast<__m256i*>(row + j);
            _mm256_storeu_si256(at, _mm256_add_epi64(_mm256_loadu_si256(at), _mm256_mul_epu32(ai, bj)));
        }
        for (; j < lb; ++j)
            row[j] += static_cast<u64>(a[i]) * b[j];
    }
}
#endif

void addRows(u64* sum, const u32* a, std::size_t i0, std::size_t i1, const u32* b, std::size_t lb)
{
#ifdef VY_CALC_AVX2
    if (hasAvx2()) {
        addRowsAvx2(sum, a, i0, i1, b, lb);
        return;
    }
#endif
    addRowsPlain(sum, a, i0, i1, b, lb);
}

void schoolbook(const u32* a, std::size_t la, const u32* b, std::size_t lb, u32* out)
{
    std::vector<u64> sum(la + lb, 0);
    for (std::size_t i0 = 0; i0 < la; i0 += kRowsPerCarry) {
        const std::size_t i1 = std::min(la, i0 + kRowsPerCarry);
        addRows(sum.data(), a, i0, i1, b, lb);
        u64 carry = 0;
        for (std::size_t k = i0; k < la + lb && (k < i1 + lb || carry); ++k) {
            const u64 t = sum[k] + carry;
            sum[k] = t % kLimbBase;
            carry = t / kLimbBase;
        }
    }
    for (std::size_t k = 0; k < la + lb; ++k)
        out[k] = static_cast<u32>(sum[k]);
}

void multiplyInto(const u32* a, std::size_t la, const u32* b, std::size_t lb, u32* out)
{
    if (la < lb) {
        std::swap(a, b);
        std::swap(la, lb);
    }
    const bool squaring = a == b && la == lb;
    if (schoolbookIsCheaper(la, lb, squaring)) {
        schoolbook(b, lb, a, la, out); // rows of the shorter factor, long inner loops
        return;
    }
    if (squaring)
        ntt::square(a, la, out);
    else
        ntt::multiply(a, la, b, lb, out);
}

} // namespace

void trim(Limbs& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

Limbs fromUint(std::uint64_t value)
{
    Limbs a;
    for (; value; value /= kLimbBase)
        a.push_back(static_cast<u32>(value % kLimbBase));
    return a;
}

Limbs fromDecimal(std::string_view digits)
{
    Limbs a;
    a.reserve(digits.size() / kLimbDigits + 1);
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t begin = end >= kLimbDigits ? end - kLimbDigits : 0;
        u32 limb = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const char c = digits[i];
            if (c < '0' || c > '9')
                throw std::invalid_argument("not a decimal digit");
            limb = limb * 10 + static_cast<u32>(c - '0');
        }
        a.push_back(limb);
        end = begin;
    }
    trim(a);
    return a;
}

void appendDecimal(const Limbs& a, std::string& text)
{
    if (a.empty())
        return;
    text += std::to_string(a.back());
    const std::size_t start = text.size();
    text.resize(start + (a.size() - 1) * kLimbDigits);
    char* out = text.data() + start;
    // Two digits at a time from a table of "00" .. "99".
    static constexpr auto pairs = [] {
        std::array<char, 200> t{};
        for (int i = 0; i < 100; ++i) {
            t[2 * i] = static_cast<char>('0' + i / 10);
            t[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        return t;
    }();
    for (std::size_t i = a.size() - 1; i-- > 0;) {
        u32 limb = a[i];
        for (int d = kLimbDigits - 2; d > 0; d -= 2) {
            const u32 pair = limb % 100;
            limb /= 100;
            out[d] = pairs[2 * pair];
            out[d + 1] = pairs[2 * pair + 1];
        }
        out[0] = static_cast<char>('0' + limb);
        out += kLimbDigits;
    }
}

std::string toDecimal(const Limbs& a)
{
    if (a.empty())
        return "0";
    std::string text;
    text.reserve(a.size() * kLimbDigits);
    appendDecimal(a, text);
    return text;
}

void multiplySmall(Limbs& a, std::uint32_t m)
{
    u64 carry = 0;
    for (u32& limb : a) {
        const u64 t = static_cast<u64>(limb) * m + carry;
        limb = static_cast<u32>(t % kLimbBase);
        carry = t / kLimbBase;
    }
    for (; carry; carry /= kLimbBase)
        a.push_back(static_cast<u32>(carry % kLimbBase));
    trim(a);
}

Limbs multiply(const Limbs& a, const Limbs& b)
{
    if (a.empty() || b.empty())
        return {};
    Limbs out(a.size() + b.size());
    multiplyInto(a.data(), a.size(), b.data(), b.size(), out.data());
    trim(out);
    return out;
}

Limbs square(const Limbs& a) { return multiply(a, a); }

Limbs productOf(std::span<const std::uint32_t> factors)
{
    // Leaves of a few limbs, each made with multiplySmall from factors packed
    // together while their product stays below 2^32.
    constexpr std::size_t kLeafLimbs = 24;
    std::vector<Limbs> level;
    Limbs leaf{1};
    u64 pack = 1;
    for (const u32 f : factors) {
        if (pack * f > UINT32_MAX) {
            multiplySmall(leaf, static_cast<u32>(pack));
            pack = 1;
            if (leaf.size() >= kLeafLimbs) {
                level.push_back(std::move(leaf));
                leaf = Limbs{1};
            }
        }
        pack *= f;
    }
    multiplySmall(leaf, static_cast<u32>(pack));
    level.push_back(std::move(leaf));

    while (level.size() > 1) {
        std::vector<Limbs> next;
        next.reserve(level.size() / 2 + 1);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2)
            next.push_back(multiply(level[i], level[i + 1]));
        if (level.size() % 2)
            next.push_back(std::move(level.back()));
        level = std::move(next);
    }
    return std::move(level.front());
}

} // namespace vy::calc::longdec
