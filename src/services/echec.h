// A failure inside one of the dialog's handlers, caught by that handler's
// trap: the number and the description that the handler may show.
#pragma once

#include <string>

namespace pixavue {

struct Echec {
  long numero = 0;
  std::wstring description;
};

namespace echecs {
inline Echec valeur_non_valide() { return {380, L"Valeur de propriété non valide."}; }
inline Echec chemin_introuvable() { return {76, L"Chemin d'accès introuvable."}; }
inline Echec depassement() { return {6, L"Dépassement de capacité."}; }
inline Echec types_incompatibles() { return {13, L"Incompatibilité de type."}; }
// What a cancelled common dialog reports when asked to fail on a cancel.
inline constexpr long kAnnulation = 32755;
inline Echec annulation() { return {kAnnulation, L"Annulation sélectionnée."}; }
}  // namespace echecs

}  // namespace pixavue
