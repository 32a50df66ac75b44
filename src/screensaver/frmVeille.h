// The screensaver window: its controls, the state the slideshow keeps in it,
// and its event handlers. The real window (src/win32) turns messages into
// calls on these handlers and paints the controls from the fields below.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/codecs.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "platform/fichiers.h"
#include "platform/images.h"
#include "platform/magasin_parametres.h"
#include "platform/media.h"
#include "platform/processus.h"
#include "services/son_partage.h"
#include "settings/parametres.h"
#include "slideshow/diaporama.h"
#include "slideshow/listage_en_fond.h"

namespace pixavue {

// What the start-up leaves the program to do.
enum class SuiteDemarrage {
  fin,      // end at once: preview, or another copy already runs
  options,  // show the options dialog modally, then end
  fenetre,  // show this window until the user ends the run
};

class frmVeille : public Diaporama {
 public:
  struct Services {
    MagasinParametres& magasin;
    Processus& processus;
    Ecran& ecran;
    Fichiers& fichiers;
    Fenetre& fenetre;
    Minuterie& minuterie;
    Images& images;
    MoteurMedia& media;
    SonPartage& son;
    CodecsSysteme& codecs;
  };

  // Lays the controls out at the screen's dots per inch.
  frmVeille(Services services, double points_par_pouce);

  SuiteDemarrage Form_Load();
  void Form_KeyDown();
  void Form_MouseMove();
  // Restores the cursor, releases the sound and ends the program.
  void Form_Unload();
  // Until the start-up's listing is whole, a tick leaves the screen as it is.
  void Timer1_Timer();
  // The monitors changed: the covers are laid out over the new set.
  void Form_DisplayChange();
  // The start-up's listing is whole: the list is taken, and its first
  // picture prepared for the next tick.
  void Listage_Termine();

  Controle Picture1, lblCopyright, lblCliquez;
  // A full-screen run covers every monitor but the primary, which this
  // window takes, with a window of the slideshow's background colour.
  std::vector<RectangleEcran> Couvertures;

  std::int16_t CompteurTouches = 0;
  std::int16_t CompteurSouris = 0;
  bool ListePrete = false;

 private:
  void preparer_plein_ecran();
  void couvrir_les_autres_moniteurs();
  void demarrer_son_fond();
  void verifier_son_fond();

  Services s_;
  Parametres parametres_;
  bool plein_ecran_ = false;
  std::unique_ptr<ListageEnFond> listage_;  // a full-screen run's
};

}  // namespace pixavue
