#pragma once
// The range failure: a value read or indexed outside the range its type allows.
// Reaches the general error box with the platform's text "Range check error".
#include <stdexcept>

namespace vy {

class RangeFailure : public std::range_error {
public:
    RangeFailure() : std::range_error("Range check error") {}
};

} // namespace vy
