// The slideshow a full-screen run shows: the controls a tick paints, the list
// it walks and where it stands in it, and the tick itself. The run's form is
// one; the slideshow knows nothing of the form around it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layouts/disposition.h"
#include "platform/fenetre.h"
#include "platform/images.h"
#include "settings/parametres.h"
#include "slideshow/aleatoire.h"
#include "slideshow/liste_fichiers.h"
#include "slideshow/melange.h"

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

class Diaporama {
 public:
  // What a tick leaves its caller to do.
  enum class Suite {
    continuer,
    fin,  // the folder stayed empty for twenty ticks: the run ends
  };

  Diaporama(Controle txtInfos, Controle lblInfo, Controle image0, Controle image1)
      : txtInfos(std::move(txtInfos)), lblInfo(std::move(lblInfo)), Image1{std::move(image0), std::move(image1)} {}

  // Shows the next file of the list, or the empty folder's text. Reads the
  // background and the size mode afresh from the settings each time.
  Suite Timer1_Timer(Images& images, Minuterie& minuterie, Parametres& parametres);

  // With the shuffle on, a new round's order is drawn for it.
  void nouveau_tour();
  // The list's index of the picture at that place of the round.
  std::int32_t au_rang(std::int32_t rang) const { return Ordre.empty() ? rang : Ordre[std::size_t(rang)]; }
  // The full path of the picture at that place of the round.
  std::wstring chemin_au_rang(std::int32_t rang) const {
    return avec_separateur(ListeFichiers.Path) + ListeFichiers.List(au_rang(rang));
  }

  Controle txtInfos, lblInfo;
  Controle Image1[2];
  pixavue::ListeFichiers ListeFichiers;
  bool OrdreAleatoire = false;
  std::vector<std::int32_t> Ordre;  // the round's, with the shuffle on: the list's indexes
  Melange Melangeur;
  // The window's background. The other monitors' covers take it too, so a
  // tick that changes it colours every monitor at once.
  Couleur BackColor = Couleur::systeme(Couleur::Source::face_bouton);

  std::int32_t IndexImage = 0;
  std::int32_t NombreImages = 0;
  std::int16_t LargeurEcran = 0;
  std::int16_t HauteurEcran = 0;
  std::int16_t CompteurVide = 0;
  Aleatoire Rnd;

 private:
  void afficher_erreur(Minuterie& minuterie);
};

}  // namespace pixavue
