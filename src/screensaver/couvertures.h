// The covers of a full-screen run: the monitors the slideshow's window
// leaves uncovered.
#pragma once

#include <vector>

#include "platform/ecran.h"

namespace pixavue {

// One rectangle per monitor but the primary, in the system's order. With one
// monitor, none.
std::vector<RectangleEcran> couvertures(const std::vector<Moniteur>& moniteurs);

}  // namespace pixavue
