// The background colour of each picture and the path caption's colour.
#include "slideshow/couleur_fond.h"

#include "settings/valeurs_texte.h"

namespace pixavue {
namespace {

std::uint32_t composante(float aleatoire) {
  // 0 and 255 come up half as often as the others: that is the rounding.
  return static_cast<std::uint32_t>(arrondi_pair(aleatoire * 255.0f));
}

}  // namespace

bool appliquer_couleur_fond(Diaporama& diaporama, std::wstring_view couleur_fond) {
  const float r1 = diaporama.Rnd.Rnd(), r2 = diaporama.Rnd.Rnd(), r3 = diaporama.Rnd.Rnd();
  if (couleur_fond.empty()) {
    diaporama.BackColor = Couleur::rgb(composante(r1) + 256 * composante(r2) + 65536 * composante(r3));
    return true;
  }
  auto valeur = lire_entier32(couleur_fond);
  if (!valeur || *valeur < 0 || *valeur > 0xFFFFFF) return false;
  diaporama.BackColor = Couleur::rgb(static_cast<std::uint32_t>(*valeur));
  return true;
}

Couleur couleur_legende(Couleur fond) {
  return fond == Couleur::rgb(0) ? Couleur::rgb(0xFFFFFF) : Couleur::rgb(0x000000);
}

}  // namespace pixavue
