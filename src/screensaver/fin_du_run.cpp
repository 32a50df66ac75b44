// End of the run: the sixth key press or the sixth mouse move unloads the
// window, which shows the cursor again, releases the sound and ends.
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

// The run ends on the event that takes a counter above this.
constexpr std::int16_t kEvenementsToleres = 5;

}  // namespace

void frmVeille::Form_KeyDown() {
  // Never reset, so it stops at the threshold instead of wrapping round.
  if (CompteurTouches <= kEvenementsToleres) ++CompteurTouches;
  if (CompteurTouches > kEvenementsToleres) Form_Unload();
}

void frmVeille::Form_MouseMove() {
  if (CompteurSouris <= kEvenementsToleres) ++CompteurSouris;
  if (CompteurSouris > kEvenementsToleres) Form_Unload();
}

void frmVeille::Form_Unload() {
  // Off the screen first: the process may be held a long while by a listing
  // that waits on its file system, which nothing waits for.
  s_.fenetre.retirer();
  if (listage_) listage_->abandonner();
  // Undoes the full-screen start-up's one hiding; after a bare start it only
  // raises the display count, which is harmless.
  s_.ecran.afficher_curseur(true);
  s_.son.liberer();
  s_.processus.terminer();
}

}  // namespace pixavue
