// The compiled path. The stages of the text path find their operations by
// searching the text, and what they find depends only on the formula, never on
// the values: a number text holds digits, a comma, '-' and an upper-case E, none
// of which a stage searches for. So the rewriting is carried out once, on a
// text whose marked numbers stand for values yet to be computed, and the
// operations it meets are recorded in the order it meets them. Evaluating at x
// replays that record. Every value is rounded through its number text where the
// text path reads it back, and a failure or an arithmetic error comes from the
// same operation at the same point of the sequence.
#include "formula/formula.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "formula/arith.h"
#include "formula/numround.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vy {

namespace {

using formula::Function;

enum class OpKind : unsigned char {
    CheckX,     // the number text of x converts back (else fail)
    ReadRun,    // a marked run with x in it, such as 2x: text built and converted
    RoundTrip,  // a stage result read back from its number text
    ReRead,     // the same for a value that already went through its number text
    Func,
    RoundedFunc, // Func read back from its number text at once (numround.h)
    Pow,
    PowWhole, // a known whole exponent of 1 .. kMultiplyLimit, kept in b
    Mul,
    Div,
    Sum,        // stage E: 0, then each term added or taken away in turn
    Fail,
    Throw,
    Return,
};

enum class ReadBack : unsigned char { None, RoundTrip, ReRead };

struct Op {
    OpKind kind;
    unsigned char arg; // Function or FloatFailure::Kind
    // The result is read back from its number text at once: the read of it
    // has been merged into the operation (see Recorder::read).
    ReadBack readBack = ReadBack::None;
    int dst;
    int a; // Sum: the first term
    int b; // Sum: the number of terms
};

struct Term {
    int slot;
    bool negative;
};

// A value of the record: a slot of the workspace, known at compile time or not.
struct Node {
    bool constant = false;
    // Came out of a read of a number text: reading its own text again gives it back.
    bool reread = false;
    int producer = -1; // the operation that computes it
};

// A marked number of the text being rewritten.
struct Source {
    enum class Kind { Literal, PlainX, XRun, Result } kind;
    std::string text; // Literal, XRun
    int node = -1;    // Result
};

// One character of the text; a marked number, markers and all, is one item.
struct Item {
    char c;
    int source; // >= 0 for a marked number
};
using Text = std::vector<Item>;

constexpr std::size_t npos = static_cast<std::size_t>(-1);

bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == ',' || c == 'x'; }

// Splits a prepared formula into items. False for a text that PrepareFormula
// cannot have made (an unmarked number, a stray or empty marker): such a text
// is left to the text path.
bool tokenize(const std::string& s, Text& items, std::vector<Source>& sources)
{
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '#') {
            const std::size_t close = s.find('#', i + 1);
            if (close == std::string::npos || close == i + 1)
                return false;
            std::string run = s.substr(i + 1, close - i - 1);
            for (char r : run)
                if (!isNumberChar(r))
                    return false;
            Source::Kind kind = Source::Kind::Literal;
            if (run == "x")
                kind = Source::Kind::PlainX;
            else if (run.find('x') != std::string::npos)
                kind = Source::Kind::XRun;
            sources.push_back(Source{kind, std::move(run), -1});
            items.push_back(Item{'#', static_cast<int>(sources.size() - 1)});
            i = close + 1;
            continue;
        }
        const bool exponentLetter = c == 'x' && i > 0 && s[i - 1] == 'e' && i + 1 < s.size() && s[i + 1] == 'p';
        if (isNumberChar(c) && !exponentLetter)
            return false;
        items.push_back(Item{c, -1});
        ++i;
    }
    return true;
}

std::size_t findChar(const Text& s, char c)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i].source < 0 && s[i].c == c)
            return i;
    return npos;
}

std::size_t findName(const Text& s, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (std::size_t i = 0; i + length <= s.size(); ++i) {
        std::size_t k = 0;
        while (k < length && s[i + k].source < 0 && s[i + k].c == name[k])
            ++k;
        if (k == length)
            return i;
    }
    return npos;
}

bool isMarked(const Text& s, std::size_t i) { return i < s.size() && s[i].source >= 0; }

// Known values are read with the reference conversion itself.
bool convert(const std::string& text, long double& value) { return TryStrToFloatExt(text, value); }

// The record of one formula.
struct Program {
    std::vector<Op> ops;
    std::vector<long double> initial; // the workspace with the constants in place
    std::vector<std::string> runs;
    std::vector<Term> terms;
    bool usesX = false;
};

constexpr int kXSlot = 0;

// Carries out the rewriting on items and records the operations.
class Recorder {
public:
    Recorder(Program& impl, std::vector<Source>& sources) : impl_(impl), sources_(sources)
    {
        addNode(false, 0.0L, true); // x, rounded through its text
    }

    // The node of the sum, or -1 once the record has ended in a failure.
    int evaluate(Text s, int depth)
    {
        if (!brackets(s, depth) || !functions(s) || !powers(s) || !products(s))
            return -1;
        return sum(s, depth);
    }

    void finish(int result)
    {
        if (result >= 0)
            emit(OpKind::Return, 0, -1, result);
    }

private:
    int addNode(bool constant, long double value, bool reread)
    {
        nodes_.push_back(Node{constant, reread, -1});
        impl_.initial.push_back(value);
        return static_cast<int>(nodes_.size() - 1);
    }

    void emit(OpKind kind, unsigned char arg, int dst, int a = -1, int b = -1)
    {
        impl_.ops.push_back(Op{kind, arg, ReadBack::None, dst, a, b});
    }

    int fail()
    {
        emit(OpKind::Fail, 0, -1);
        return -1;
    }

    bool constant(int node) const { return nodes_[static_cast<std::size_t>(node)].constant; }
    long double valueOf(int node) const { return impl_.initial[static_cast<std::size_t>(node)]; }

    // An operation on known values is done now; its failure or error becomes
    // the end of the record at this point.
    template <typename Compute>
    int fold(Compute compute)
    {
        long double value = 0;
        try {
            if (!compute(value))
                return fail();
        } catch (const FloatFailure& failure) {
            emit(OpKind::Throw, static_cast<unsigned char>(failure.kind()), -1);
            return -1;
        }
        return addNode(true, value, false);
    }

    int operation(OpKind kind, unsigned char arg, int a, int b, bool reread = false)
    {
        const int dst = addNode(false, 0.0L, reread);
        nodes_.back().producer = static_cast<int>(impl_.ops.size());
        emit(kind, arg, dst, a, b);
        return dst;
    }

    // Operations on values that came from number texts cannot leave the range
    // except these: a power, "exp" and "lg" of 0.
    static bool mayRaise(const Op& op)
    {
        return op.kind == OpKind::Pow || op.kind == OpKind::PowWhole || op.kind == OpKind::Throw ||
               (op.kind == OpKind::Func && (static_cast<Function>(op.arg) == Function::Exp ||
                                            static_cast<Function>(op.arg) == Function::Lg));
    }

    bool nothingRaisesAfter(std::size_t op) const
    {
        for (std::size_t i = op + 1; i < impl_.ops.size(); ++i)
            if (mayRaise(impl_.ops[i]))
                return false;
        return true;
    }

    int newSource(int node)
    {
        sources_.push_back(Source{Source::Kind::Result, {}, node});
        return static_cast<int>(sources_.size() - 1);
    }

    // A read of the marked number of the item; -1 if it fails.
    int read(const Item& item)
    {
        const Source& src = sources_[static_cast<std::size_t>(item.source)];
        switch (src.kind) {
        case Source::Kind::Literal: {
            const std::string text = src.text;
            return fold([&](long double& v) { return convert(text, v); });
        }
        case Source::Kind::PlainX:
            if (!impl_.usesX) {
                impl_.usesX = true;
                emit(OpKind::CheckX, 0, -1);
            }
            return kXSlot;
        case Source::Kind::XRun:
            impl_.runs.push_back(src.text);
            return operation(OpKind::ReadRun, 0, static_cast<int>(impl_.runs.size() - 1), -1);
        case Source::Kind::Result: {
            const int node = src.node;
            // x in brackets. Reading its value back from the text gives it again,
            // except that negative zero (from an x below the extended range)
            // becomes zero, and no operation can tell the two apart in what
            // it passes on: its result goes through a number text or a sum
            // that starts at zero.
            if (node == kXSlot)
                return kXSlot;
            if (constant(node)) {
                const long double v = valueOf(node);
                return fold([v](long double& out) { return convert(FloatToStr(v), out); });
            }
            Node& info = nodes_[static_cast<std::size_t>(node)];
            // Every result is read exactly once. A read can only fail, so it may
            // move up to the operation that made the value, provided nothing in
            // between can raise: the outcome is a failure either way.
            if (info.producer >= 0) {
                const auto producer = static_cast<std::size_t>(info.producer);
                Op& made = impl_.ops[producer];
                if (made.readBack == ReadBack::None && nothingRaisesAfter(producer)) {
                    made.readBack = info.reread ? ReadBack::ReRead : ReadBack::RoundTrip;
                    info.reread = true;
                    return node;
                }
            }
            return operation(info.reread ? OpKind::ReRead : OpKind::RoundTrip, 0, node, -1, true);
        }
        }
        return fail();
    }

    Item resultItem(int node) { return Item{'#', newSource(node)}; }

    bool brackets(Text& s, int depth)
    {
        for (std::size_t open = findChar(s, '('); open != npos; open = findChar(s, '(')) {
            std::size_t close = open + 1;
            for (int count = 1; close < s.size(); ++close) {
                if (s[close].source >= 0)
                    continue;
                if (s[close].c == '(')
                    ++count;
                else if (s[close].c == ')' && --count == 0)
                    break;
            }
            if (close == s.size())
                s.push_back(Item{')', -1});
            if (depth + 1 > formula::kMaxDepth)
                return fail() >= 0;
            const int inner = evaluate(Text(s.begin() + static_cast<std::ptrdiff_t>(open + 1),
                                            s.begin() + static_cast<std::ptrdiff_t>(close)),
                                       depth + 1);
            if (inner < 0)
                return false;
            s.erase(s.begin() + static_cast<std::ptrdiff_t>(open + 1),
                    s.begin() + static_cast<std::ptrdiff_t>(close + 1));
            s[open] = resultItem(inner);
        }
        return true;
    }

    bool functions(Text& s)
    {
        for (;;) {
            int found = -1;
            std::size_t at = npos;
            for (int f = 0; f < formula::kFunctionCount; ++f) {
                const std::size_t p = findName(s, formula::kFunctionNames[f]);
                if (p != npos) {
                    found = f;
                    at = p;
                }
            }
            if (found < 0)
                return true;
            const std::size_t length = std::strlen(formula::kFunctionNames[found]);
            // A name followed by anything but a marked number cannot convert.
            if (!isMarked(s, at + length))
                return fail() >= 0;
            const int argument = read(s[at + length]);
            if (argument < 0)
                return false;
            const auto f = static_cast<Function>(found);
            // The size of a value read from its text reads back the same.
            const bool reread = f == Function::Abs && nodes_[static_cast<std::size_t>(argument)].reread;
            const int result =
                constant(argument)
                    ? fold([&](long double& v) { return formula::applyFunction(f, valueOf(argument), v); })
                    : operation(OpKind::Func, static_cast<unsigned char>(found), argument, -1, reread);
            if (result < 0)
                return false;
            s.erase(s.begin() + static_cast<std::ptrdiff_t>(at + 1),
                    s.begin() + static_cast<std::ptrdiff_t>(at + length + 1));
            s[at] = resultItem(result);
        }
    }

    // An operator with a marked number on either side: reads the right one, then
    // the left one, as the text path does; -1 if either fails.
    bool operands(const Text& s, std::size_t op, int& left, int& right)
    {
        if (!isMarked(s, op + 1) || op == 0 || !isMarked(s, op - 1))
            return fail() >= 0;
        right = read(s[op + 1]);
        if (right < 0)
            return false;
        left = read(s[op - 1]);
        return left >= 0;
    }

    void replaceOperation(Text& s, std::size_t op, int result)
    {
        s.erase(s.begin() + static_cast<std::ptrdiff_t>(op), s.begin() + static_cast<std::ptrdiff_t>(op + 2));
        s[op - 1] = resultItem(result);
    }

    // The size of a known whole exponent that formula::power takes by repeated
    // multiplication, else 0: the conversion to an integer need not be made at
    // every point.
    int wholeExponent(int node) const
    {
        if (!constant(node))
            return 0;
        const long double e = valueOf(node);
        if (!(e >= 1 && e <= formula::kMultiplyLimit))
            return 0;
        const auto n = static_cast<std::uint32_t>(e);
        return static_cast<long double>(n) == e ? static_cast<int>(n) : 0;
    }

    bool powers(Text& s)
    {
        for (std::size_t op = findChar(s, '^'); op != npos; op = findChar(s, '^')) {
            int base = -1;
            int exponent = -1;
            if (!operands(s, op, base, exponent))
                return false;
            int result = -1;
            if (constant(base) && constant(exponent))
                result = fold([&](long double& v) { return formula::power(valueOf(base), valueOf(exponent), v); });
            else if (const int n = wholeExponent(exponent); n > 0)
                result = operation(OpKind::PowWhole, 0, base, n);
            else
                result = operation(OpKind::Pow, 0, base, exponent);
            if (result < 0)
                return false;
            replaceOperation(s, op, result);
        }
        return true;
    }

    bool products(Text& s)
    {
        for (;;) {
            const std::size_t times = findChar(s, '*');
            const std::size_t over = findChar(s, '/');
            const std::size_t op = times < over ? times : over;
            if (op == npos)
                return true;
            const bool quotient = op == over;
            int left = -1;
            int right = -1;
            if (!operands(s, op, left, right))
                return false;
            int result = -1;
            if (constant(left) && constant(right)) {
                const long double l = valueOf(left);
                const long double r = valueOf(right);
                result = quotient ? fold([&](long double& v) { return formula::divide(l, r, v); })
                                  : fold([&](long double& v) {
                                        v = formula::multiply(l, r);
                                        return true;
                                    });
            } else {
                result = operation(quotient ? OpKind::Div : OpKind::Mul, 0, left, right);
            }
            if (result < 0)
                return false;
            replaceOperation(s, op, result);
        }
    }

    // The reads come first and the additions after them: an addition neither
    // fails nor raises, so only the reads' order matters.
    int sum(const Text& s, int depth)
    {
        std::vector<Term> terms;
        std::size_t pos = 0;
        do {
            bool negative = false;
            for (; pos < s.size() && s[pos].source < 0; ++pos) {
                if (s[pos].c == '-')
                    negative = !negative;
                else if (s[pos].c != '+')
                    return fail();
            }
            if (pos == s.size())
                return fail(); // nothing left to read
            const int term = read(s[pos]);
            if (term < 0)
                return -1;
            terms.push_back(Term{term, negative});
            ++pos;
        } while (pos < s.size());

        bool known = true;
        for (const Term& t : terms)
            known = known && constant(t.slot);
        if (known) {
            long double total = 0.0L;
            for (const Term& t : terms)
                total = t.negative ? total - valueOf(t.slot) : total + valueOf(t.slot);
            return addNode(true, total, false);
        }
        // 0 + v and 0 - v of a value read from its text read back the same.
        const bool reread = terms.size() == 1 && nodes_[static_cast<std::size_t>(terms[0].slot)].reread;
        // Brackets around one such value, as in sin(x): reading 0 + v back from
        // its text gives what reading v back gives, negative zero included, so
        // the value itself stands for the bracket. Not at the top: there the sum
        // is the result and must be 0 + v itself.
        if (reread && depth > 0 && !terms[0].negative)
            return terms[0].slot;
        const int first = static_cast<int>(impl_.terms.size());
        impl_.terms.insert(impl_.terms.end(), terms.begin(), terms.end());
        return operation(OpKind::Sum, 0, first, static_cast<int>(terms.size()), reread);
    }

    Program& impl_;
    std::vector<Source>& sources_;
    std::vector<Node> nodes_;
};

// The text of a run with x in it, x written as its number text.
[[gnu::noinline]] bool readRun(const std::string& run, const char* xText, std::size_t xLength, long double& value)
{
    char small[128];
    std::string large;
    char* buffer = small;
    const std::size_t needed = run.size() * xLength + run.size();
    if (needed > sizeof small) {
        large.resize(needed);
        buffer = large.data();
    }
    std::size_t n = 0;
    for (char c : run) {
        if (c == 'x') {
            std::memcpy(buffer + n, xText, xLength);
            n += xLength;
        } else {
            buffer[n++] = c;
        }
    }
    return formula::readNumber(std::string_view(buffer, n), value);
}

// Reading back a value that came out of a read: its own value, except negative
// zero and values below the range that reads are sure to return unchanged.
bool reread(long double v, long double& out)
{
    if (v != 0 ? std::fabs(v) >= 1e-4000L : !std::signbit(v)) {
        out = v;
        return true;
    }
    return formula::roundTrip(v, out);
}

} // namespace

struct CompiledFormula::Impl {
    std::string prepared;
    bool textPath = false; // not a prepared formula: evaluate it as text
    Program program;
};

CompiledFormula::CompiledFormula(const std::string& prepared) : impl_(std::make_unique<Impl>())
{
    impl_->prepared = prepared;
    Text items;
    std::vector<Source> sources;
    if (!tokenize(prepared, items, sources)) {
        impl_->textPath = true;
        return;
    }
    Recorder recorder(impl_->program, sources);
    recorder.finish(recorder.evaluate(std::move(items), 0));
    for (Op& op : impl_->program.ops) {
        if (op.kind == OpKind::Func && op.readBack == ReadBack::RoundTrip) {
            op.kind = OpKind::RoundedFunc;
            op.readBack = ReadBack::None;
        }
    }
}

CompiledFormula::~CompiledFormula() = default;
CompiledFormula::CompiledFormula(CompiledFormula&&) noexcept = default;
CompiledFormula& CompiledFormula::operator=(CompiledFormula&&) noexcept = default;

bool CompiledFormula::usesTextPath() const noexcept { return impl_->textPath; }

bool CompiledFormula::evaluate(long double x, long double& value) const
{
    if (impl_->textPath)
        return EvaluateFormula(SubstituteVariable(impl_->prepared, x), value);
    const Program& impl = impl_->program;

    constexpr std::size_t kInline = 64;
    long double inlineSlots[kInline];
    std::vector<long double> heapSlots;
    long double* slot = inlineSlots;
    const std::size_t count = impl.initial.size();
    if (count > kInline) {
        heapSlots = impl.initial;
        slot = heapSlots.data();
    } else {
        std::memcpy(inlineSlots, impl.initial.data(), count * sizeof(long double));
    }

    bool xReadable = true;
    if (impl.usesX)
        xReadable = formula::roundTrip(x, slot[kXSlot]);
    char xText[formula::kNumberTextCapacity];
    std::size_t xLength = 0;

    // The last result stays at hand: most operations take it as an operand, and
    // an extended value read back from memory right after storing it is slow.
    long double last = 0;
    int lastSlot = -1;
    auto in = [&](int s) { return s == lastSlot ? last : slot[s]; };
    for (const Op& op : impl.ops) {
        long double r;
        switch (op.kind) {
        case OpKind::CheckX:
            if (!xReadable)
                return false;
            continue;
        case OpKind::ReadRun:
            if (xLength == 0)
                xLength = formula::numberText(x, xText);
            if (!readRun(impl.runs[static_cast<std::size_t>(op.a)], xText, xLength, r))
                return false;
            break;
        case OpKind::RoundTrip:
            if (!formula::roundTrip(in(op.a), r))
                return false;
            break;
        case OpKind::ReRead:
            if (!reread(in(op.a), r))
                return false;
            break;
        case OpKind::Func:
            if (!formula::applyFunction(static_cast<Function>(op.arg), in(op.a), r))
                return false;
            break;
        case OpKind::RoundedFunc:
            if (!formula::roundedFunction(static_cast<Function>(op.arg), in(op.a), r))
                return false;
            break;
        case OpKind::Pow:
            if (!formula::power(in(op.a), in(op.b), r))
                return false;
            break;
        case OpKind::PowWhole:
            r = formula::smallWholePower(in(op.a), static_cast<std::uint32_t>(op.b));
            break;
        case OpKind::Mul:
            r = formula::multiply(in(op.a), in(op.b));
            break;
        case OpKind::Div:
            if (!formula::divide(in(op.a), in(op.b), r))
                return false;
            break;
        case OpKind::Sum: {
            r = 0.0L;
            const Term* term = impl.terms.data() + op.a;
            for (const Term* end = term + op.b; term != end; ++term)
                r = term->negative ? r - in(term->slot) : r + in(term->slot);
            break;
        }
        case OpKind::Fail:
            return false;
        case OpKind::Throw:
            throw FloatFailure(static_cast<FloatFailure::Kind>(op.arg));
        case OpKind::Return:
            value = in(op.a);
            return true;
        }
        if (op.readBack == ReadBack::RoundTrip ? !formula::roundTrip(r, r)
                                               : op.readBack == ReadBack::ReRead && !reread(r, r))
            return false;
        slot[op.dst] = r;
        last = r;
        lastSlot = op.dst;
    }
    return false;
}

} // namespace vy
