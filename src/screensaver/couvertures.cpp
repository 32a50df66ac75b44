// The covers of a full-screen run, laid out at the start-up and again on
// every display change.
#include "screensaver/couvertures.h"

#include "screensaver/frmVeille.h"

namespace pixavue {

std::vector<RectangleEcran> couvertures(const std::vector<Moniteur>& moniteurs) {
  std::vector<RectangleEcran> zones;
  for (const Moniteur& moniteur : moniteurs)
    if (!moniteur.principal && moniteur.zone.largeur > 0 && moniteur.zone.hauteur > 0) zones.push_back(moniteur.zone);
  return zones;
}

// The window itself keeps the size the start-up measured: only the covers
// follow the monitors.
void frmVeille::Form_DisplayChange() {
  if (plein_ecran_) Couvertures = couvertures(s_.ecran.moniteurs());
}

}  // namespace pixavue
