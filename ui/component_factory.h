#pragma once
// Makes a component of a kind named by the layout.

#include <memory>
#include <string>
#include <string_view>

#include "ui/component.h"

namespace ui {

// A new component of that kind owned by `form`, or null for a kind this layer does not know.
std::unique_ptr<Component> Make_Component(std::string_view kind, Form& form, std::string name);

}  // namespace ui
