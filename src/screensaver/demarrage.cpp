// Start-up of the screensaver window: one copy only, first-run defaults, the
// run mode from the switch, and the preparation of a full-screen run.
#include <cmath>

#include "screensaver/frmVeille.h"
#include "screensaver/mode_lancement.h"
#include "settings/types_images.h"
#include "settings/valeurs_texte.h"
#include "slideshow/ajustement.h"

namespace pixavue {
namespace {

// The screen's size in pixels, from its size in twips and the factor.
std::optional<std::int16_t> en_pixels_ecran(double twips, double twips_par_pixel) {
  double entier = arrondi_pair(twips);
  double facteur = arrondi_pair(twips_par_pixel);
  // A whole factor (15 at 96 dpi, 12 at 120, 10 at 144) divides exactly as
  // integers. At 168 or 192 dpi the factor has a fraction, and rounding it
  // first would give a wrong size, so the real factor divides there.
  if (facteur == twips_par_pixel && facteur != 0) return en_entier16(std::trunc(entier / facteur));
  if (twips_par_pixel <= 0) return std::nullopt;
  return en_entier16(entier / twips_par_pixel);
}

}  // namespace

SuiteDemarrage frmVeille::Form_Load() {
  if (s_.processus.autre_instance()) return SuiteDemarrage::fin;

  // First-run defaults, in this order. "son" belongs to the full-screen run.
  parametres_.ecrire_si_vide(cle::dossier_demarrage, s_.fichiers.dossier_windows());
  parametres_.ecrire_si_vide(cle::secondes, L"4");
  parametres_.ecrire_si_vide(cle::chemin_fichier, L"1");
  parametres_.ecrire_si_vide(cle::type_fichier, L"0");
  parametres_.ecrire_si_vide(cle::couleur_fond, L"");
  parametres_.ecrire_si_vide(cle::informations, L"1");
  parametres_.ecrire_si_vide(cle::taille, L"1");

  switch (mode_lancement(reduire_commutateur(s_.processus.argument()))) {
    case ModeLancement::apercu:
      return SuiteDemarrage::fin;
    case ModeLancement::configuration:
      return SuiteDemarrage::options;
    case ModeLancement::plein_ecran:
      preparer_plein_ecran();
      return SuiteDemarrage::fenetre;
    case ModeLancement::fenetre_nue:
      break;
  }
  return SuiteDemarrage::fenetre;
}

// Each step that can't be done is skipped and the next one runs.
void frmVeille::preparer_plein_ecran() {
  s_.fenetre.plein_ecran();

  MesuresEcran ecran = s_.ecran.mesures();
  if (auto largeur = en_pixels_ecran(ecran.largeur_twips, ecran.twips_par_pixel_x)) LargeurEcran = *largeur;
  if (auto hauteur = en_pixels_ecran(ecran.hauteur_twips, ecran.twips_par_pixel_y)) HauteurEcran = *hauteur;

  txtInfos.Left = (LargeurEcran - txtInfos.Width) / 2;
  txtInfos.Top = (HauteurEcran - txtInfos.Height) / 2;

  lblInfo.Top = 5;
  lblInfo.Left = 5;
  lblInfo.Caption.clear();
  if (auto visible = lire_booleen(parametres_.lire(cle::chemin_fichier))) lblInfo.Visible = *visible;

  if (auto visible = lire_booleen(parametres_.lire(cle::informations))) lblCopyright.Visible = *visible;
  if (auto visible = lire_booleen(parametres_.lire(cle::informations))) lblCliquez.Visible = *visible;
  lblCopyright.Left = 5;
  lblCliquez.Left = LargeurEcran - (lblCliquez.Width + 10);
  lblCopyright.Top = HauteurEcran - 20;
  lblCliquez.Top = HauteurEcran - 20;

  s_.fenetre.premier_plan();
  s_.ecran.afficher_curseur(false);
  plein_ecran_ = true;
  couvrir_les_autres_moniteurs();

  ListeFichiers.Path = parametres_.lire(cle::dossier_demarrage);
  ListeFichiers.SousDossiers = parametres_.choix(cle::sous_dossiers);
  OrdreAleatoire = parametres_.choix(cle::ordre_aleatoire);
  // Listed meanwhile: the window shows and takes input at once.
  const double type = lire_nombre(parametres_.lire(cle::type_fichier));
  listage_ = std::make_unique<ListageEnFond>(
      s_.fichiers, ListeFichiers,
      [this, type] { return motif_du_type(type, motif_du_systeme(s_.codecs.extensions())); },
      [this] { s_.fenetre.reveiller(); });
  IndexImage = 0;
  NombreImages = 0;

  s_.minuterie.activer(true);
  s_.minuterie.fixer_intervalle(arrondi_pair((lire_nombre(parametres_.lire(cle::secondes)) + 1) * 1000));

  demarrer_son_fond();
}

void frmVeille::Listage_Termine() {
  std::optional<pixavue::ListeFichiers> liste = listage_ ? listage_->prendre() : std::nullopt;
  if (!liste) return;
  ListeFichiers = std::move(*liste);
  IndexImage = 0;
  NombreImages = ListeFichiers.ListCount();
  ListePrete = true;
  nouveau_tour();
  // The first tick's picture is decoded meanwhile, for the box that tick will
  // have, as each tick has its next one decoded: the first comes as fast.
  if (NombreImages > 0) {
    const std::int16_t mode = en_entier16(lire_nombre(parametres_.lire(cle::taille))).value_or(0);
    s_.images.anticiper(chemin_au_rang(0), cadre_du_mode(mode, LargeurEcran, HauteurEcran));
  }
}

}  // namespace pixavue
