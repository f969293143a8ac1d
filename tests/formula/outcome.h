#pragma once
// The outcome of one evaluation, comparable between the two paths: the value to
// the bit, an ordinary failure, or the kind of arithmetic error.
#include "core/floatfail.h"
#include "core/numtext.h"
#include "formula/formula.h"

#include <cmath>
#include <cstring>
#include <string>

namespace vy::test {

struct Outcome {
    enum class Kind { Value, Failure, Error } kind = Kind::Failure;
    long double value = 0;
    FloatFailure::Kind error = FloatFailure::Kind::Overflow;

    bool operator==(const Outcome& other) const
    {
        if (kind != other.kind)
            return false;
        if (kind == Kind::Error)
            return error == other.error;
        if (kind == Kind::Failure)
            return true;
        // Values are never NaN; equal with the same sign is the same bits.
        return value == other.value && std::signbit(value) == std::signbit(other.value);
    }
};

template <typename Evaluate>
Outcome outcomeOf(Evaluate evaluate)
{
    Outcome o;
    try {
        long double v = 0;
        if (evaluate(v)) {
            o.kind = Outcome::Kind::Value;
            o.value = v;
        }
    } catch (const FloatFailure& failure) {
        o.kind = Outcome::Kind::Error;
        o.error = failure.kind();
    }
    return o;
}

inline Outcome textOutcome(const std::string& prepared, long double x)
{
    return outcomeOf([&](long double& v) { return EvaluateFormula(SubstituteVariable(prepared, x), v); });
}

inline Outcome compiledOutcome(const CompiledFormula& compiled, long double x)
{
    return outcomeOf([&](long double& v) { return compiled.evaluate(x, v); });
}

inline std::string describe(const Outcome& o)
{
    switch (o.kind) {
    case Outcome::Kind::Value: {
        char bits[64];
        unsigned char raw[10];
        std::memcpy(raw, &o.value, sizeof raw);
        int n = 0;
        for (int i = 9; i >= 0; --i)
            n += std::snprintf(bits + n, sizeof bits - static_cast<std::size_t>(n), "%02x", raw[i]);
        return "value " + FloatToStr(o.value) + " [" + bits + "]";
    }
    case Outcome::Kind::Failure:
        return "failure";
    case Outcome::Kind::Error:
        return std::string("error ") + FloatFailure::messageFor(o.error);
    }
    return "?";
}

} // namespace vy::test
