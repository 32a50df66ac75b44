// Colours and fonts of the layouts, as GDI wants them.
#pragma once

#include <windows.h>

#include "layouts/disposition.h"
#include "win32/poignees.h"

namespace pixavue::win32 {

using PoigneePolice = PoigneeGdi<HFONT>;
using PoigneePinceau = PoigneeGdi<HBRUSH>;
using PoigneeStylo = PoigneeGdi<HPEN>;

// A colour value is already a COLORREF (0x00BBGGRR); system colours are read
// when asked for, so that they follow the user's theme.
COLORREF couleur_gdi(Couleur couleur, COLORREF sinon);

// A font of a layout at the screen's dots per inch; a control without a face
// of its own gets the given one.
PoigneePolice creer_police(const Police& police, double points_par_pouce, const Police& defaut);

}  // namespace pixavue::win32
