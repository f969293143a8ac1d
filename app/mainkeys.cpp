#include "app/mainkeys.h"

#include <algorithm>
#include <iterator>

namespace vy::keys {

std::string_view FieldKeys::target(Arrow arrow) const
{
    switch (arrow) {
    case Arrow::Down:
        return down;
    case Arrow::Up:
        return up;
    case Arrow::Right:
        return right;
    case Arrow::Left:
        break;
    }
    return left;
}

namespace {

constexpr EnterAction Focus = EnterAction::FocusField;
constexpr EnterAction Compute = EnterAction::Compute;

// Rows top to bottom; in a pair Enter moves to the second field, and the last
// field of a row computes. Up anywhere in the quadratic row goes to Edit10.
constexpr FieldKeys kMainWindow[] = {
    {"Edit1", Compute, "Button1", "Edit2", "", "", ""},
    {"Edit2", Compute, "Button3", "Edit3", "Edit1", "", ""},
    {"Edit3", Compute, "Button4", "Edit15", "Edit2", "", ""},
    {"Edit15", Compute, "Button13", "Edit4", "Edit3", "", ""},
    {"Edit4", Focus, "Edit5", "Edit6", "Edit15", "Edit5", ""},
    {"Edit5", Compute, "Button6", "Edit6", "Edit15", "", "Edit4"},
    {"Edit6", Focus, "Edit7", "Edit8", "Edit4", "Edit7", ""},
    {"Edit7", Compute, "Button7", "Edit8", "Edit4", "", "Edit6"},
    {"Edit8", Focus, "Edit9", "Edit10", "Edit6", "Edit9", ""},
    {"Edit9", Compute, "Button8", "Edit10", "Edit6", "", "Edit8"},
    {"Edit10", Focus, "Edit11", "Edit12", "Edit8", "Edit11", ""},
    {"Edit11", Compute, "Button9", "Edit12", "Edit8", "", "Edit10"},
    {"Edit12", Focus, "Edit13", "", "Edit10", "Edit13", ""},
    {"Edit13", Focus, "Edit14", "", "Edit10", "Edit14", "Edit12"},
    {"Edit14", Compute, "Button10", "", "Edit10", "", "Edit13"},
};

} // namespace

std::span<const FieldKeys> mainWindowKeys() { return kMainWindow; }

const FieldKeys* mainWindowKeysFor(std::string_view field)
{
    const auto it = std::find_if(std::begin(kMainWindow), std::end(kMainWindow),
                                 [&](const FieldKeys& k) { return k.field == field; });
    return it == std::end(kMainWindow) ? nullptr : &*it;
}

} // namespace vy::keys
