// The slideshow tick: the next file of the list is loaded, fitted, placed
// over the background colour with its path caption. A failing step shows the
// error text and the tick goes on with the step after it.
#include <cmath>

#include "settings/valeurs_texte.h"
#include "slideshow/ajustement.h"
#include "slideshow/couleur_fond.h"
#include "slideshow/diaporama.h"

namespace pixavue {
namespace {

constexpr std::wstring_view kAucunFichier = L"Aucuns fichiers à visionner...";
constexpr std::wstring_view kErreurLecture = L"Erreur lors de la lecture du fichier";
constexpr std::int16_t kTicksVidesAvantFin = 20;
constexpr Couleur kNoir = Couleur::rgb(0x000000);
constexpr Couleur kRouge = Couleur::rgb(0x0000FF);

}  // namespace

// Stopping and restarting the timer makes the next tick come one full
// interval after the failure.
void Diaporama::afficher_erreur(Minuterie& minuterie) {
  minuterie.activer(false);
  txtInfos.Visible = true;
  txtInfos.Caption = kErreurLecture;
  minuterie.activer(true);
}

Diaporama::Suite Diaporama::Timer1_Timer(Images& images, Minuterie& minuterie, Parametres& parametres) {
  // A picture still being decoded away from the process: the screen stays as
  // it is until a tick finds it ready, or failed.
  if (const int rang = IndexImage == NombreImages ? 0 : IndexImage; rang >= 0 && rang < ListeFichiers.ListCount()) {
    const auto mode = en_entier16(lire_nombre(parametres.lire(cle::taille)));
    if (mode && images.en_cours(chemin_au_rang(rang), cadre_du_mode(*mode, LargeurEcran, HauteurEcran)))
      return Suite::continuer;
  }

  txtInfos.Visible = false;
  const std::wstring CouleurFond = parametres.lire(cle::couleur_fond);

  if (NombreImages == 0) {
    BackColor = kNoir;
    txtInfos.BackColor = kNoir;
    txtInfos.ForeColor = kRouge;
    txtInfos.Font.gras = true;
    txtInfos.Font.points = 14;
    txtInfos.Visible = true;
    txtInfos.Caption = kAucunFichier;
    if (CompteurVide < kTicksVidesAvantFin) ++CompteurVide;
    return CompteurVide >= kTicksVidesAvantFin ? Suite::fin : Suite::continuer;
  }

  if (IndexImage == NombreImages) IndexImage = 0;

  std::wstring CheminImage = avec_separateur(ListeFichiers.Path);
  if (IndexImage >= 0 && IndexImage < ListeFichiers.ListCount())
    CheminImage = chemin_au_rang(IndexImage);
  else
    afficher_erreur(minuterie);

  std::int16_t ModeTaille = 0;
  if (auto mode = en_entier16(lire_nombre(parametres.lire(cle::taille))))
    ModeTaille = *mode;
  else
    afficher_erreur(minuterie);

  Image1[1].Visible = false;
  Image1[0].Visible = false;
  Controle& travail = Image1[0];
  travail.Stretch = false;
  if (travail.Picture) {
    Taille naturelle = travail.Picture->taille_naturelle();
    travail.Width = naturelle.largeur;
    travail.Height = naturelle.hauteur;
  }
  const std::optional<Cadre> cadre = cadre_du_mode(ModeTaille, LargeurEcran, HauteurEcran);
  if (auto image = images.charger(CheminImage, cadre)) {
    Taille naturelle = image->taille_naturelle();
    travail.Picture = std::move(image);
    travail.Width = naturelle.largeur;
    travail.Height = naturelle.hauteur;
  } else {
    afficher_erreur(minuterie);
  }

  if (!ajuster(travail, ModeTaille, LargeurEcran, HauteurEcran)) afficher_erreur(minuterie);

  lblInfo.Caption = CheminImage;

  if (!appliquer_couleur_fond(*this, CouleurFond)) afficher_erreur(minuterie);
  lblInfo.ForeColor = couleur_legende(BackColor);

  placer(Image1[1], travail, LargeurEcran, HauteurEcran);
  ++IndexImage;
  // The round's last: the next round's order is drawn now, so that its
  // first picture can be prepared.
  if (IndexImage == NombreImages) nouveau_tour();
  // The next tick's file may be decoded meanwhile, for the box of this one.
  const int suivante = IndexImage == NombreImages ? 0 : IndexImage;
  if (suivante >= 0 && suivante < ListeFichiers.ListCount()) images.anticiper(chemin_au_rang(suivante), cadre);
  return Suite::continuer;
}

void Diaporama::nouveau_tour() {
  if (!OrdreAleatoire) return;
  Ordre = Melangeur.tour(NombreImages, Ordre.empty() ? std::nullopt : std::optional(Ordre.back()));
}

}  // namespace pixavue
