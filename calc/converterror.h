#pragma once
// The unit converter's own failure: an amount that one unit cannot express in
// another (a Julian date outside the calendar the date-time covers).
#include <stdexcept>
#include <string>

namespace vy::units {

class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace vy::units
