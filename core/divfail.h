#pragma once
// The integer division failure: a whole number divided by zero. Reaches the
// general error box with the platform's text "Division by zero".
#include <stdexcept>

namespace vy {

class DivisionByZero : public std::domain_error {
public:
    DivisionByZero() : std::domain_error("Division by zero") {}
};

} // namespace vy
