#pragma once
// The text of the general error box, which reports any failure a handler does
// not catch itself: the failure's message, with a full stop appended when the
// message's last character sorts after "." in Windows-1251. So messages ending
// in a letter or a digit get one; those ending in "!", ")", "." or a blank do not.
#include <exception>
#include <string>
#include <string_view>

namespace vy {

std::string generalErrorText(std::string_view message);
std::string generalErrorText(const std::exception& failure);

} // namespace vy
