// What happens when wxWidgets finds an internal error.
#pragma once

namespace platform::wx {

// Writes wxWidgets assertion failures to the standard error stream instead of opening a
// dialog about them: a modal box nobody expects would stop a screen reader user (and an
// unattended test) in its tracks.
void LogAssertionsInsteadOfAsking();

}  // namespace platform::wx
