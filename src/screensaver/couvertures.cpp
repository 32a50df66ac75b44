// The covers of a full-screen run, laid out at the start-up and again on
// every display change.
#include "screensaver/frmVeille.h"

namespace pixavue {

// One rectangle per monitor but the primary, in the system's order: with one
// monitor, none.
void frmVeille::couvrir_les_autres_moniteurs() {
  Couvertures.clear();
  for (const Moniteur& moniteur : s_.ecran.moniteurs())
    if (!moniteur.principal && moniteur.zone.largeur > 0 && moniteur.zone.hauteur > 0)
      Couvertures.push_back(moniteur.zone);
}

// The window itself keeps the size the start-up measured: only the covers
// follow the monitors.
void frmVeille::Form_DisplayChange() {
  if (plein_ecran_) couvrir_les_autres_moniteurs();
}

}  // namespace pixavue
