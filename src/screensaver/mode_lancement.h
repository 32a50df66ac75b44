// The run mode that the command-line switch asks for.
#pragma once

#include <string>
#include <string_view>

namespace pixavue {

enum class ModeLancement { apercu, configuration, plein_ecran, fenetre_nue };

// The switch: the argument's first two characters, in lower case, then
// trimmed of blanks. So "/S" and "/s:123" give "/s", but " /s" gives "/".
std::wstring reduire_commutateur(std::wstring_view argument);

ModeLancement mode_lancement(std::wstring_view commutateur);

}  // namespace pixavue
