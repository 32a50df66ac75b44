// The slideshow tick: one picture every interval.
#include "screensaver/frmVeille.h"

namespace pixavue {

void frmVeille::Timer1_Timer() {
  // Chooses, loads, fits and shows the next picture of ListeFichiers.
}

}  // namespace pixavue
