// The program's icon resources.
#pragma once

#include "platform/dialog/dialog_template.h"

namespace res {

// The about box's picture and the program icon.
extern const platform::IconResource kIcons[2];

}  // namespace res
