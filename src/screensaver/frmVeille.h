// The screensaver window: its controls, the state the slideshow keeps in it,
// and its event handlers. The real window (src/win32) turns messages into
// calls on these handlers and paints the controls from the fields below.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "layouts/disposition.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "platform/fichiers.h"
#include "platform/images.h"
#include "platform/magasin_parametres.h"
#include "platform/media.h"
#include "platform/processus.h"
#include "screensaver/liste_fichiers.h"
#include "services/son_partage.h"
#include "settings/parametres.h"
#include "slideshow/aleatoire.h"

namespace pixavue {

// A control of the window, in pixels; fractions are kept.
struct Controle {
  double Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = false;
  std::wstring Caption;
  Couleur BackColor, ForeColor;
  Police Font;
  // Picture controls only. With stretching off the control takes its
  // picture's natural size; on, it draws the picture scaled into itself.
  bool Stretch = false;
  std::shared_ptr<const Image> Picture;
};

// What the start-up leaves the program to do.
enum class SuiteDemarrage {
  fin,      // end at once: preview, or another copy already runs
  options,  // show the options dialog modally, then end
  fenetre,  // show this window until the user ends the run
};

class frmVeille {
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
  };

  // Lays the controls out at the screen's dots per inch.
  frmVeille(Services services, double points_par_pouce);

  SuiteDemarrage Form_Load();
  void Form_KeyDown();
  void Form_MouseMove();
  // Restores the cursor, releases the sound and ends the program.
  void Form_Unload();
  void Timer1_Timer();

  Controle txtInfos, Picture1, lblInfo, lblCopyright, lblCliquez;
  Controle Image1[2];
  pixavue::ListeFichiers ListeFichiers;
  Couleur BackColor = Couleur::systeme(Couleur::Source::face_bouton);

  std::int32_t IndexImage = 0;
  std::int32_t NombreImages = 0;
  std::int16_t LargeurEcran = 0;
  std::int16_t HauteurEcran = 0;
  std::int16_t CompteurVide = 0;
  std::int16_t CompteurTouches = 0;
  std::int16_t CompteurSouris = 0;
  Aleatoire Rnd;

 private:
  void preparer_plein_ecran();
  void demarrer_son_fond();
  void verifier_son_fond();
  void afficher_erreur();

  Services s_;
  Parametres parametres_;
};

}  // namespace pixavue
