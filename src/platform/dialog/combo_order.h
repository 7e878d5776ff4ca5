// The order of a sorted combo box list: letters compared without regard to case, then
// byte order. Both hosts sort by this rule, so the list is the same in every window.
#pragma once

#include <string_view>

namespace platform {

bool ComboItemLess(std::string_view a, std::string_view b);

}  // namespace platform
