// The background sound of a full-screen run: started at the end of the
// start-up, restarted by the tick once it has played to its end, released
// when the run ends.
#include <utility>

#include "screensaver/frmVeille.h"
#include "settings/valeurs_texte.h"

namespace pixavue {

// Every step runs under the start-up's rule; the player itself never fails.
void frmVeille::demarrer_son_fond() {
  SonPartage& son = s_.son;
  // The key exists after every full-screen start, empty when no sound is set.
  parametres_.ecrire_si_vide(cle::son, L"");
  son.DureeSon = 0;
  // Made whether or not a sound will play: the unload releases it.
  son.Lecteur = std::make_unique<DirectShow>(s_.media);

  // The audio outputs are counted only for a chosen sound: counting them
  // loads the system's audio driver, a moment of the start-up for nothing.
  std::wstring choisi = parametres_.lire(cle::son);
  if (choisi.empty() || s_.media.sorties_audio() == 0) return;
  son.FichierSon = std::move(choisi);
  // A video stream goes to the picture box, which is never shown. A size
  // beyond 16 bits skips the opening; the steps after it still run.
  auto largeur = en_entier16(Picture1.Width), hauteur = en_entier16(Picture1.Height);
  if (largeur && hauteur) son.Lecteur->Ouvrir(son.FichierSon, 0, 0, *largeur, *hauteur, s_.fenetre.poignee_picture1());
  son.DureeSon = son.Lecteur->obtient_duree();
  son.Lecteur->jouer();
}

// At the end of every tick: a sound that has played to its end starts again.
// Its end is the duration taken at start, never read again.
void frmVeille::verifier_son_fond() {
  SonPartage& son = s_.son;
  if (!(son.DureeSon > 0) || !son.Lecteur) return;
  if (son.Lecteur->obtient_position() >= son.DureeSon) {
    double debut = 0;
    son.Lecteur->fixe_position(debut);
    son.Lecteur->jouer();
  }
}

}  // namespace pixavue
