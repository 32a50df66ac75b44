// The run mode that the command-line switch asks for.
#include "screensaver/mode_lancement.h"

#include <array>
#include <utility>

namespace pixavue {

std::wstring reduire_commutateur(std::wstring_view argument) {
  std::wstring commutateur(argument.substr(0, 2));
  for (wchar_t& c : commutateur)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
  while (!commutateur.empty() && commutateur.back() == L' ') commutateur.pop_back();
  while (!commutateur.empty() && commutateur.front() == L' ') commutateur.erase(0, 1);
  return commutateur;
}

ModeLancement mode_lancement(std::wstring_view commutateur) {
  static constexpr std::array<std::pair<std::wstring_view, ModeLancement>, 4> kModes{{
      {L"/p", ModeLancement::apercu},
      {L"/c", ModeLancement::configuration},
      {L"/s", ModeLancement::plein_ecran},
      // Windows starts a screensaver without argument when the user picks
      // "Configure" on the file, and expects the settings then.
      {L"", ModeLancement::configuration},
  }};
  for (auto [texte, mode] : kModes)
    if (commutateur == texte) return mode;
  return ModeLancement::fenetre_nue;
}

}  // namespace pixavue
