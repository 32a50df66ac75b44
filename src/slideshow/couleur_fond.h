// The background colour of each picture and the path caption's colour.
#pragma once

#include <string_view>

#include "slideshow/diaporama.h"

namespace pixavue {

// Draws three random numbers, always, then sets the window's background: the
// random colour when the setting is empty, else the setting's colour value.
// False, the background unchanged, when the setting is no colour value.
bool appliquer_couleur_fond(Diaporama& diaporama, std::wstring_view couleur_fond);

// White on a black background, black on any other.
Couleur couleur_legende(Couleur fond);

}  // namespace pixavue
