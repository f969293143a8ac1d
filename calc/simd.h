#pragma once
// Whether this processor runs the AVX2 kernels of the long arithmetic. The
// kernels are compiled for AVX2 alone (a target attribute), the rest of the
// program for the baseline, so one binary serves every x86-64 machine.
#include <atomic>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vy::calc {

// Tests switch the kernels off to check the plain code against them; nothing
// else does, and never while a multiplication runs.
inline std::atomic<bool>& avx2SwitchedOff()
{
    static std::atomic<bool> off{false};
    return off;
}

#if defined(__x86_64__)
#define VY_CALC_AVX2 1
#define VY_AVX2_KERNEL __attribute__((target("avx2")))
inline bool hasAvx2()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have && !avx2SwitchedOff().load(std::memory_order_relaxed);
}
#else
inline bool hasAvx2() { return false; }
#endif

} // namespace vy::calc
