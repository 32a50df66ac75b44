// The choices that need no check: the background colour, random or chosen
// in the colour chooser from the swatch; the size mode, the interval and the
// captions only mark the settings as changed.
#include "options/frmOptions.h"

namespace pixavue {
namespace {

constexpr std::int32_t kCouleurDonneeEtPersonnalisee = 1 | 2;  // CC_RGBINIT | CC_FULLOPEN

}  // namespace

// The swatch keeps its colour either way.
void frmOptions::optCouleur_Click(int index) {
  lblCouleur.set_Enabled(index == 1);
  marquer_modifie();
}

// Any failure, a cancel included, ends the click with nothing changed.
void frmOptions::lblCouleur_Click() {
  if (!lblCouleur.Enabled()) return;
  try {
    CDL.CancelError = true;
    CDL.Flags = kCouleurDonneeEtPersonnalisee;
    CDL.Color = lblCouleur.BackColor().valeur;
    CDL.ShowColor();
    lblCouleur.set_BackColor(Couleur::rgb(CDL.Color & 0xFFFFFF));
    marquer_modifie();
  } catch (const Echec&) {
  }
}

}  // namespace pixavue
