#pragma once
// Where Enter and the arrow keys lead in the main window's fields.
#include "core/keyfilters.h"

#include <span>
#include <string_view>

namespace vy::keys {

enum class EnterAction { None, FocusField, Compute };

// One field's keys. The Enter character itself is still passed on to the field;
// the arrows only move the focus. An empty name means the key leads nowhere.
struct FieldKeys {
    std::string_view field;
    EnterAction enter = EnterAction::None;
    std::string_view enterTarget; // field to focus, or button whose computation runs
    std::string_view down, up, right, left;

    std::string_view target(Arrow arrow) const;
};

std::span<const FieldKeys> mainWindowKeys();
// nullptr for a name that is not one of the main window's fields.
const FieldKeys* mainWindowKeysFor(std::string_view field);

} // namespace vy::keys
