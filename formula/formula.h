#pragma once
// Formula evaluator for formulas in x. The text path rewrites the formula text
// stage by stage; CompiledFormula gives the same outcome for every x, faster.
// Arithmetic faults throw vy::FloatFailure; an ordinary failure is a false result.
#include <memory>
#include <string>

namespace vy {

// Normalises the formula and marks every number and x with '#'. Never fails.
std::string PrepareFormula(const std::string& text);
// Replaces each variable x by the number text of the value.
std::string SubstituteVariable(const std::string& prepared, long double x);
// Evaluates a substituted prepared formula. Returns false on an ordinary failure
// (value then undefined); throws FloatFailure on an arithmetic error.
bool EvaluateFormula(const std::string& text, long double& value);

// Made once from a prepared formula; evaluate(x) has the outcome of
// EvaluateFormula(SubstituteVariable(prepared, x)) bit for bit.
class CompiledFormula {
public:
    explicit CompiledFormula(const std::string& prepared);
    ~CompiledFormula();
    CompiledFormula(CompiledFormula&&) noexcept;
    CompiledFormula& operator=(CompiledFormula&&) noexcept;
    bool evaluate(long double x, long double& value) const;
    // True for a text that PrepareFormula cannot have produced; such a text is
    // evaluated by the text path at every x.
    bool usesTextPath() const noexcept;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vy
