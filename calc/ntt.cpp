#include "calc/ntt.h"

#include "calc/simd.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace vy::calc::ntt {

namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;

constexpr u32 kLimbBase = 1000000000;
constexpr unsigned kMaxLog = 23; // the first prime has 2^23 as its largest power-of-two order

// Montgomery arithmetic modulo a prime p < 2^30 with R = 2^32. Values are kept
// lazily in [0, 2p); 4p still fits in 32 bits, so a sum of two needs no check
// before it is brought back.
struct Modulus {
    u32 p;
    u32 negInv; // -p^-1 mod 2^32
    u32 r2;     // 2^64 mod p
    u32 generator;

    constexpr Modulus(u32 prime, u32 g) : p(prime), negInv(0), r2(0), generator(g)
    {
        u32 inv = prime; // Newton's iteration: each step doubles the correct low bits
        for (int i = 0; i < 5; ++i)
            inv *= 2 - prime * inv;
        negInv = 0u - inv;
        const u64 r = (u64{1} << 32) % prime;
        r2 = static_cast<u32>(r * r % prime);
    }

    // t * 2^-32 mod p, in [0, 2p) for t < p * 2^32.
    constexpr u32 reduce(u64 t) const
    {
        const u32 m = static_cast<u32>(t) * negInv;
        return static_cast<u32>((t + static_cast<u64>(m) * p) >> 32);
    }
    constexpr u32 mul(u32 a, u32 b) const { return reduce(static_cast<u64>(a) * b); }
    // a * b mod p for ordinary (not Montgomery) a, b < p.
    constexpr u32 plainMul(u32 a, u32 b) const { return strict(mul(mul(a, b), r2)); }
    constexpr u32 strict(u32 a) const { return a >= p ? a - p : a; }
    constexpr u32 lazy(u32 a) const { return a >= 2 * p ? a - 2 * p : a; }
    constexpr u32 toMont(u32 a) const { return strict(mul(a, r2)); }
    constexpr u32 power(u32 base, u64 e) const
    {
        u32 r = 1;
        while (e) {
            if (e & 1)
                r = plainMul(r, base);
            base = plainMul(base, base);
            e >>= 1;
        }
        return r;
    }
    constexpr u32 inverse(u32 a) const { return power(a, p - 2); }
};

constexpr std::array<Modulus, 3> kModuli = {Modulus(998244353, 3), Modulus(754974721, 11),
                                            Modulus(469762049, 3)};

// Twiddle factors for the transform of the evaluation tree: block k of any
// stage multiplies by w[k] = z^bitreverse(k), z a root of unity of order twice
// the table length. Entry m + j is entry j times a root of order 4m, so a longer
// table only appends to a shorter one. Tables grow on demand and are shared
// between threads; a reader keeps the snapshot it took for as long as it works.
struct Twiddles {
    std::vector<u32> w;  // Montgomery form
    std::vector<u32> iw; // their inverses, Montgomery form
    // The same factors in the order the last two stages of the vector path load
    // them (see forwardTail): within each run of 16 (32) entries, entry
    // 8t + s holds w[2s + t] (w[4s + t]).
    std::vector<u32> w2, iw2, w1, iw1;
};

class TwiddleCache {
public:
    std::shared_ptr<const Twiddles> get(const Modulus& md, std::size_t half)
    {
        std::lock_guard lock(mutex_);
        if (!tables_ || tables_->w.size() < half) {
            auto grown = std::make_shared<Twiddles>(tables_ ? *tables_ : Twiddles{});
            extend(md, *grown, half);
            tables_ = std::move(grown);
        }
        return tables_;
    }

    // Keeps the first `half` entries only; readers keep what they took.
    void trim(std::size_t half)
    {
        std::lock_guard lock(mutex_);
        if (!tables_ || tables_->w.size() <= half)
            return;
        auto shorter = std::make_shared<Twiddles>();
        for (auto [from, to] : {std::pair{&tables_->w, &shorter->w}, {&tables_->iw, &shorter->iw},
                                {&tables_->w2, &shorter->w2}, {&tables_->iw2, &shorter->iw2},
                                {&tables_->w1, &shorter->w1}, {&tables_->iw1, &shorter->iw1}})
            to->assign(from->begin(), from->begin() + static_cast<std::ptrdiff_t>(half));
        tables_ = std::move(shorter);
    }

private:
    static void extend(const Modulus& md, Twiddles& t, std::size_t half)
    {
        if (t.w.empty()) {
            t.w.push_back(md.toMont(1));
            t.iw.push_back(md.toMont(1));
        }
        for (std::size_t m = t.w.size(); m < half; m *= 2) {
            const u32 root = md.power(md.generator, (md.p - 1) / (4 * m));
            const u32 step = md.toMont(root);
            const u32 istep = md.toMont(md.inverse(root));
            t.w.resize(2 * m);
            t.iw.resize(2 * m);
            for (std::size_t j = 0; j < m; ++j) {
                t.w[m + j] = md.strict(md.mul(t.w[j], step));
                t.iw[m + j] = md.strict(md.mul(t.iw[j], istep));
            }
        }
        interleave(t.w, t.w2, 2);
        interleave(t.iw, t.iw2, 2);
        interleave(t.w, t.w1, 4);
        interleave(t.iw, t.iw1, 4);
    }

    static void interleave(const std::vector<u32>& from, std::vector<u32>& to, std::size_t stride)
    {
        const std::size_t run = 8 * stride;
        to.assign(from.size(), 0);
        for (std::size_t b = 0; b + run <= from.size(); b += run)
            for (std::size_t t = 0; t < stride; ++t)
                for (std::size_t s = 0; s < 8; ++s)
                    to[b + 8 * t + s] = from[b + stride * s + t];
    }

    std::mutex mutex_;
    std::shared_ptr<const Twiddles> tables_;
};

TwiddleCache& cacheFor(std::size_t prime)
{
    static std::array<TwiddleCache, 3> caches;
    return caches[prime];
}

// Blocks up to this many elements are finished in one go while they sit in the
// first-level cache; larger ones are split stage by stage.
constexpr std::size_t kCacheBlock = 1 << 12;

// ---- butterflies -------------------------------------------------------------

// One forward stage on a block of 2 * len elements with twiddle w.
void forwardStage(u32* a, std::size_t len, u32 w, const Modulus& md)
{
    const u32 p2 = 2 * md.p;
    u32* hi = a + len;
    for (std::size_t j = 0; j < len; ++j) {
        const u32 u = a[j];
        const u32 v = md.mul(hi[j], w);
        a[j] = md.lazy(u + v);
        hi[j] = md.lazy(u + p2 - v);
    }
}

void inverseStage(u32* a, std::size_t len, u32 w, const Modulus& md)
{
    const u32 p2 = 2 * md.p;
    u32* hi = a + len;
    for (std::size_t j = 0; j < len; ++j) {
        const u32 u = a[j];
        const u32 v = hi[j];
        a[j] = md.lazy(u + v);
        hi[j] = md.mul(u + p2 - v, w);
    }
}

// Every stage of a block of `size` elements whose index in its own stage is k.
void forwardSmall(u32* a, std::size_t size, std::size_t k, const u32* w, const Modulus& md)
{
    for (std::size_t len = size / 2, m = 1; len >= 1; len /= 2, m *= 2)
        for (std::size_t i = 0; i < m; ++i)
            forwardStage(a + 2 * len * i, len, w[k * m + i], md);
}

void inverseSmall(u32* a, std::size_t size, std::size_t k, const u32* iw, const Modulus& md)
{
    for (std::size_t len = 1, m = size / 2; len < size; len *= 2, m /= 2)
        for (std::size_t i = 0; i < m; ++i)
            inverseStage(a + 2 * len * i, len, iw[k * m + i], md);
}

// Depth first, so that the lower stages run on blocks that stay in the cache.
void forwardBlock(u32* a, std::size_t size, std::size_t k, const u32* w, const Modulus& md)
{
    if (size <= kCacheBlock) {
        forwardSmall(a, size, k, w, md);
        return;
    }
    const std::size_t half = size / 2;
    forwardStage(a, half, w[k], md);
    forwardBlock(a, half, 2 * k, w, md);
    forwardBlock(a + half, half, 2 * k + 1, w, md);
}

void inverseBlock(u32* a, std::size_t size, std::size_t k, const u32* iw, const Modulus& md)
{
    if (size <= kCacheBlock) {
        inverseSmall(a, size, k, iw, md);
        return;
    }
    const std::size_t half = size / 2;
    inverseBlock(a, half, 2 * k, iw, md);
    inverseBlock(a + half, half, 2 * k + 1, iw, md);
    inverseStage(a, half, iw[k], md);
}

// ---- the vector path (AVX2, eight residues at a time) ----------------------------
//
// Stages with half-blocks of eight or more elements vectorise as they stand.
// The last three stages of each 64-element block work inside groups of eight;
// there the block is transposed as an 8 x 8 matrix, so that lane s holds group
// s and the stages become operations between registers. The forward transform
// leaves its output transposed: the pointwise product does not care about the
// order, and the inverse transform starts from the same order and transposes
// back before its own fourth stage.

#ifdef VY_CALC_AVX2
#define VY_NTT_VECTOR 1
#define VY_AVX2 VY_AVX2_KERNEL

struct VecModulus {
    __m256i p, p2, negInv;
};

VY_AVX2 inline VecModulus vecModulus(const Modulus& md)
{
    return {_mm256_set1_epi32(static_cast<int>(md.p)), _mm256_set1_epi32(static_cast<int>(2 * md.p)),
            _mm256_set1_epi32(static_cast<int>(md.negInv))};
}

VY_AVX2 inline __m256i vload(const u32* at) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)); }
VY_AVX2 inline void vstore(u32* at, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), v); }

// a * b * 2^-32 mod p in [0, 2p), lane by lane.
VY_AVX2 inline __m256i vmul(__m256i a, __m256i b, const VecModulus& m)
{
    const __m256i even = _mm256_mul_epu32(a, b);
    const __m256i odd = _mm256_mul_epu32(_mm256_srli_epi64(a, 32), _mm256_srli_epi64(b, 32));
    const __m256i qe = _mm256_mul_epu32(_mm256_mul_epu32(even, m.negInv), m.p);
    const __m256i qo = _mm256_mul_epu32(_mm256_mul_epu32(odd, m.negInv), m.p);
    const __m256i re = _mm256_srli_epi64(_mm256_add_epi64(even, qe), 32);
    const __m256i ro = _mm256_add_epi64(odd, qo);
    return _mm256_blend_epi32(re, ro, 0xAA);
}

// [0, 4p) -> [0, 2p): x - 2p wraps round to a large value exactly when x < 2p.
VY_AVX2 inline __m256i vlazy(__m256i x, const VecModulus& m)
{
    return _mm256_min_epu32(x, _mm256_sub_epi32(x, m.p2));
}
VY_AVX2 inline __m256i vstrict(__m256i x, const VecModulus& m)
{
    return _mm256_min_epu32(x, _mm256_sub_epi32(x, m.p));
}

VY_AVX2 inline void vforward(__m256i& lo, __m256i& hi, __m256i w, const VecModulus& m)
{
    const __m256i v = vmul(hi, w, m);
    hi = vlazy(_mm256_sub_epi32(_mm256_add_epi32(lo, m.p2), v), m);
    lo = vlazy(_mm256_add_epi32(lo, v), m);
}

VY_AVX2 inline void vinverse(__m256i& lo, __m256i& hi, __m256i w, const VecModulus& m)
{
    const __m256i u = lo;
    lo = vlazy(_mm256_add_epi32(u, hi), m);
    hi = vmul(_mm256_sub_epi32(_mm256_add_epi32(u, m.p2), hi), w, m);
}

VY_AVX2 inline void transpose8(__m256i r[8])
{
    __m256i t[8], u[8];
    for (int i = 0; i < 8; i += 2) {
        t[i] = _mm256_unpacklo_epi32(r[i], r[i + 1]);
        t[i + 1] = _mm256_unpackhi_epi32(r[i], r[i + 1]);
    }
    for (int i = 0; i < 8; i += 4) {
        u[i] = _mm256_unpacklo_epi64(t[i], t[i + 2]);
        u[i + 1] = _mm256_unpackhi_epi64(t[i], t[i + 2]);
        u[i + 2] = _mm256_unpacklo_epi64(t[i + 1], t[i + 3]);
        u[i + 3] = _mm256_unpackhi_epi64(t[i + 1], t[i + 3]);
    }
    for (int i = 0; i < 4; ++i) {
        r[i] = _mm256_permute2x128_si256(u[i], u[i + 4], 0x20);
        r[i + 4] = _mm256_permute2x128_si256(u[i], u[i + 4], 0x31);
    }
}

// One stage, forward or inverse, on a block of 2 * len elements with twiddle w.
template <bool Forward>
VY_AVX2 void vstage(u32* a, std::size_t len, u32 w, const VecModulus& m)
{
    const __m256i wv = _mm256_set1_epi32(static_cast<int>(w));
    u32* hi = a + len;
    for (std::size_t j = 0; j < len; j += 8) {
        __m256i x = vload(a + j), y = vload(hi + j);
        if constexpr (Forward)
            vforward(x, y, wv, m);
        else
            vinverse(x, y, wv, m);
        vstore(a + j, x);
        vstore(hi + j, y);
    }
}

VY_AVX2 inline __m256i vbroadcast(u32 w) { return _mm256_set1_epi32(static_cast<int>(w)); }

// All six stages of the 64-element block with index k at its level.
VY_AVX2 void forwardTail(u32* a, std::size_t k, const Twiddles& t, const VecModulus& m)
{
    __m256i r[8];
    for (int i = 0; i < 8; ++i)
        r[i] = vload(a + 8 * i);
    const __m256i w32 = vbroadcast(t.w[k]);
    for (int i = 0; i < 4; ++i)
        vforward(r[i], r[i + 4], w32, m);
    for (int h = 0; h < 2; ++h) {
        const __m256i w16 = vbroadcast(t.w[2 * k + h]);
        vforward(r[4 * h], r[4 * h + 2], w16, m);
        vforward(r[4 * h + 1], r[4 * h + 3], w16, m);
    }
    for (int q = 0; q < 4; ++q)
        vforward(r[2 * q], r[2 * q + 1], vbroadcast(t.w[4 * k + q]), m);
    transpose8(r);
    const __m256i w4 = vload(t.w.data() + 8 * k);
    for (int j = 0; j < 4; ++j)
        vforward(r[j], r[j + 4], w4, m);
    for (int h = 0; h < 2; ++h) {
        const __m256i w2 = vload(t.w2.data() + 16 * k + 8 * h);
        vforward(r[4 * h], r[4 * h + 2], w2, m);
        vforward(r[4 * h + 1], r[4 * h + 3], w2, m);
    }
    for (int q = 0; q < 4; ++q)
        vforward(r[2 * q], r[2 * q + 1], vload(t.w1.data() + 32 * k + 8 * q), m);
    for (int i = 0; i < 8; ++i)
        vstore(a + 8 * i, r[i]);
}

VY_AVX2 void inverseHead(u32* a, std::size_t k, const Twiddles& t, const VecModulus& m)
{
    __m256i r[8];
    for (int i = 0; i < 8; ++i)
        r[i] = vload(a + 8 * i);
    for (int q = 0; q < 4; ++q)
        vinverse(r[2 * q], r[2 * q + 1], vload(t.iw1.data() + 32 * k + 8 * q), m);
    for (int h = 0; h < 2; ++h) {
        const __m256i w2 = vload(t.iw2.data() + 16 * k + 8 * h);
        vinverse(r[4 * h], r[4 * h + 2], w2, m);
        vinverse(r[4 * h + 1], r[4 * h + 3], w2, m);
    }
    const __m256i w4 = vload(t.iw.data() + 8 * k);
    for (int j = 0; j < 4; ++j)
        vinverse(r[j], r[j + 4], w4, m);
    transpose8(r);
    for (int q = 0; q < 4; ++q)
        vinverse(r[2 * q], r[2 * q + 1], vbroadcast(t.iw[4 * k + q]), m);
    for (int h = 0; h < 2; ++h) {
        const __m256i w16 = vbroadcast(t.iw[2 * k + h]);
        vinverse(r[4 * h], r[4 * h + 2], w16, m);
        vinverse(r[4 * h + 1], r[4 * h + 3], w16, m);
    }
    const __m256i w32 = vbroadcast(t.iw[k]);
    for (int i = 0; i < 4; ++i)
        vinverse(r[i], r[i + 4], w32, m);
    for (int i = 0; i < 8; ++i)
        vstore(a + 8 * i, r[i]);
}

constexpr std::size_t kVectorBlock = 64;

VY_AVX2 void vforwardBlock(u32* a, std::size_t size, std::size_t k, const Twiddles& t, const VecModulus& m)
{
    if (size == kVectorBlock) {
        forwardTail(a, k, t, m);
        return;
    }
    const std::size_t half = size / 2;
    vstage<true>(a, half, t.w[k], m);
    vforwardBlock(a, half, 2 * k, t, m);
    vforwardBlock(a + half, half, 2 * k + 1, t, m);
}

VY_AVX2 void vinverseBlock(u32* a, std::size_t size, std::size_t k, const Twiddles& t, const VecModulus& m)
{
    if (size == kVectorBlock) {
        inverseHead(a, k, t, m);
        return;
    }
    const std::size_t half = size / 2;
    vinverseBlock(a, half, 2 * k, t, m);
    vinverseBlock(a + half, half, 2 * k + 1, t, m);
    vstage<false>(a, half, t.iw[k], m);
}

// The limbs brought below 2p, and zeros up to n.
VY_AVX2 void vloadLimbs(u32* f, std::size_t n, const u32* a, std::size_t la, const Modulus& md, const VecModulus& m)
{
    std::size_t i = 0;
    for (; i + 8 <= la; i += 8)
        vstore(f + i, vlazy(vload(a + i), m));
    for (; i < la; ++i)
        f[i] = md.lazy(a[i]);
    std::fill(f + la, f + n, 0u);
}

VY_AVX2 void vpointwise(u32* f, const u32* g, std::size_t n, u32 scale, const VecModulus& m)
{
    const __m256i s = vbroadcast(scale);
    for (std::size_t i = 0; i < n; i += 8)
        vstore(f + i, vmul(vmul(vload(f + i), vload(g + i), m), s, m));
}

VY_AVX2 void vfinish(u32* f, std::size_t n, const VecModulus& m)
{
    for (std::size_t i = 0; i < n; i += 8)
        vstore(f + i, vstrict(vlazy(vload(f + i), m), m));
}

// The whole convolution modulo one prime on the vector path; n >= 64.
VY_AVX2 void vconvolve(const Modulus& md, const Twiddles& t, const u32* a, std::size_t la, const u32* b,
                       std::size_t lb, u32* f, std::vector<u32>& scratch, std::size_t n, u32 scale)
{
    const VecModulus m = vecModulus(md);
    vloadLimbs(f, n, a, la, md, m);
    vforwardBlock(f, n, 0, t, m);
    if (b) {
        scratch.resize(n);
        vloadLimbs(scratch.data(), n, b, lb, md, m);
        vforwardBlock(scratch.data(), n, 0, t, m);
        vpointwise(f, scratch.data(), n, scale, m);
    } else {
        vpointwise(f, f, n, scale, m);
    }
    vinverseBlock(f, n, 0, t, m);
    vfinish(f, n, m);
}

bool haveVectorPath() { return hasAvx2(); }
#endif

// ---- one prime ---------------------------------------------------------------

std::size_t transformLength(std::size_t productLength)
{
    std::size_t n = 2;
    while (n < productLength)
        n *= 2;
    return n;
}

void load(u32* f, std::size_t n, const u32* a, std::size_t la, const Modulus& md)
{
    for (std::size_t i = 0; i < la; ++i)
        f[i] = md.lazy(a[i]); // limbs are below 10^9 < 4p
    std::fill(f + la, f + n, 0u);
}

// The cyclic convolution of a and b (or of a with itself when b is null) modulo
// one prime, exact residues in [0, p) in f[0 .. n).
void convolve(std::size_t prime, const u32* a, std::size_t la, const u32* b, std::size_t lb, u32* f,
              std::vector<u32>& scratch, std::size_t n)
{
    const Modulus& md = kModuli[prime];
    const auto tables = cacheFor(prime).get(md, n / 2);
    // 1/n and the two Montgomery factors of 2^-32 that the products below take
    // away are folded into one constant.
    const u32 inverseN = md.p - static_cast<u32>((md.p - 1) / n); // n divides p - 1, so n times this is 1
    const u32 scale = md.toMont(md.toMont(inverseN));
#ifdef VY_NTT_VECTOR
    if (n >= kVectorBlock && haveVectorPath()) {
        vconvolve(md, *tables, a, la, b, lb, f, scratch, n, scale);
        return;
    }
#endif
    const u32* w = tables->w.data();
    const u32* iw = tables->iw.data();

    load(f, n, a, la, md);
    forwardBlock(f, n, 0, w, md);
    if (b) {
        scratch.resize(n);
        u32* g = scratch.data();
        load(g, n, b, lb, md);
        forwardBlock(g, n, 0, w, md);
        for (std::size_t i = 0; i < n; ++i)
            f[i] = md.mul(md.mul(f[i], g[i]), scale);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            f[i] = md.mul(md.mul(f[i], f[i]), scale);
    }
    inverseBlock(f, n, 0, iw, md);
    for (std::size_t i = 0; i < n; ++i)
        f[i] = md.strict(md.lazy(f[i]));
}

// ---- back to limbs -------------------------------------------------------------
//
// Garner's form x = a0 + p1 * a1 + p1 * p2 * a2 of each coefficient, with
// a0 < p1, a1 < p2, a2 < p3. With p1 * p2 = H * 10^9 + L it splits at once into
// two pieces that fit 64 bits: x = (a0 + p1 * a1 + L * a2) + (H * a2) * 10^9.
// Carrying them along gives the limbs.

constexpr u64 kP1 = 998244353, kP2 = 754974721, kP3 = 469762049;
constexpr u64 kP12High = kP1 * kP2 / kLimbBase;
constexpr u64 kP12Low = kP1 * kP2 % kLimbBase;

struct GarnerConstants {
    u32 inv1mod2;   // p1^-1 mod p2, Montgomery form
    u32 inv12mod3;  // (p1 p2)^-1 mod p3, Montgomery form
    u32 inv2mod3;   // p2^-1 mod p3, Montgomery form
};

constexpr GarnerConstants kGarner = {
    kModuli[1].toMont(kModuli[1].inverse(static_cast<u32>(kP1 % kP2))),
    kModuli[2].toMont(kModuli[2].inverse(static_cast<u32>(kP1 * kP2 % kP3))),
    kModuli[2].toMont(kModuli[2].inverse(static_cast<u32>(kP2 % kP3))),
};

// r2[i] becomes a1 and r3[i] becomes a2; a0 is r1[i] itself.
void garner(const u32* r1, u32* r2, u32* r3, std::size_t from, std::size_t count)
{
    const Modulus& m2 = kModuli[1];
    const Modulus& m3 = kModuli[2];
    for (std::size_t i = from; i < count; ++i) {
        const u32 a0 = r1[i];
        // a0 < p1 < 2 p2 and a0 < 4 p3, so neither difference goes below zero.
        const u32 a1 = m2.strict(m2.mul(r2[i] + 2 * m2.p - a0, kGarner.inv1mod2));
        const u32 a2 = m3.strict(m3.lazy(m3.mul(r3[i] + 4 * m3.p - a0, kGarner.inv12mod3) + 2 * m3.p -
                                         m3.mul(a1, kGarner.inv2mod3)));
        r2[i] = a1;
        r3[i] = a2;
    }
}

#ifdef VY_NTT_VECTOR
VY_AVX2 std::size_t vgarner(const u32* r1, u32* r2, u32* r3, std::size_t count)
{
    const VecModulus m2 = vecModulus(kModuli[1]);
    const VecModulus m3 = vecModulus(kModuli[2]);
    const __m256i c12 = vbroadcast(kGarner.inv1mod2);
    const __m256i c123 = vbroadcast(kGarner.inv12mod3);
    const __m256i c23 = vbroadcast(kGarner.inv2mod3);
    const __m256i fourP3 = _mm256_add_epi32(m3.p2, m3.p2);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i a0 = vload(r1 + i);
        const __m256i a1 = vstrict(vmul(_mm256_sub_epi32(_mm256_add_epi32(vload(r2 + i), m2.p2), a0), c12, m2), m2);
        const __m256i t = vmul(_mm256_sub_epi32(_mm256_add_epi32(vload(r3 + i), fourP3), a0), c123, m3);
        const __m256i a2 = vstrict(vlazy(_mm256_sub_epi32(_mm256_add_epi32(t, m3.p2), vmul(a1, c23, m3)), m3), m3);
        vstore(r2 + i, a1);
        vstore(r3 + i, a2);
    }
    return i;
}
#endif

void recombine(const u32* r1, u32* r2, u32* r3, std::size_t count, u32* out, std::size_t outLength)
{
    std::size_t from = 0;
#ifdef VY_NTT_VECTOR
    if (haveVectorPath())
        from = vgarner(r1, r2, r3, count);
#endif
    garner(r1, r2, r3, from, count);

    u64 carry = 0;
    u64 pendingHigh = 0; // high piece of the previous coefficient, due at this limb
    for (std::size_t i = 0; i < outLength; ++i) {
        u64 low = 0, high = 0;
        if (i < count) {
            low = r1[i] + kP1 * r2[i] + kP12Low * r3[i];
            high = kP12High * r3[i];
        }
        const u64 s = low + pendingHigh + carry;
        out[i] = static_cast<u32>(s % kLimbBase);
        carry = s / kLimbBase;
        pendingHigh = high;
    }
}

void run(const u32* a, std::size_t la, const u32* b, std::size_t lb, u32* out)
{
    const std::size_t productLength = la + lb;
    if (la == 0 || lb == 0 || productLength > maxProductLength())
        throw std::length_error("product too long for the transform");
    // The cyclic convolution has la + lb - 1 coefficients; n must hold them all.
    const std::size_t n = transformLength(productLength - 1);
    std::vector<u32> residues(3 * n);
    std::vector<u32> scratch;
    for (std::size_t prime = 0; prime < 3; ++prime)
        convolve(prime, a, la, b == a && la == lb ? nullptr : b, lb, residues.data() + prime * n, scratch, n);
    recombine(residues.data(), residues.data() + n, residues.data() + 2 * n, productLength - 1, out,
              productLength);
}

} // namespace

std::size_t maxProductLength() noexcept { return std::size_t{1} << kMaxLog; }

void releaseLargeTables()
{
    // Products of up to 2^16 limbs keep their tables (a few megabytes in all).
    constexpr std::size_t kKeptHalf = std::size_t{1} << 16;
    for (std::size_t prime = 0; prime < kModuli.size(); ++prime)
        cacheFor(prime).trim(kKeptHalf);
}

void multiply(const u32* a, std::size_t la, const u32* b, std::size_t lb, u32* out) { run(a, la, b, lb, out); }

void square(const u32* a, std::size_t la, u32* out) { run(a, la, a, la, out); }

} // namespace vy::calc::ntt
