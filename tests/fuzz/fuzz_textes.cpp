// The readers of setting texts, the switch and the file patterns, on
// arbitrary text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "slideshow/liste_fichiers.h"
#include "screensaver/mode_lancement.h"
#include "settings/types_images.h"
#include "settings/valeurs_texte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  std::wstring texte;
  for (std::size_t i = 0; i + 1 < taille; i += 2) texte += static_cast<wchar_t>(donnees[i] | donnees[i + 1] << 8);
  using namespace pixavue;
  const double nombre = lire_nombre(texte);
  if (std::isnan(nombre)) std::abort();
  (void)lire_booleen(texte);
  if (auto entier = lire_entier32(texte); entier && !est_numerique(texte)) std::abort();
  (void)en_entier16(nombre);
  (void)motif_du_type(nombre);
  if (reduire_commutateur(texte).size() > 2) std::abort();
  (void)mode_lancement(texte);
  const std::size_t milieu = texte.size() / 2;
  (void)correspond_au_motif(texte.substr(0, milieu), texte.substr(milieu));
  return 0;
}
