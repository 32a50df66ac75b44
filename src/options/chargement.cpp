// The dialog's load: every setting into its control (with its default when
// absent), the player, the sound controls, and the save button disabled.
// One trap covers every step: a failing step shows a warning and the load
// goes on with the next.
#include <functional>
#include <initializer_list>

#include "options/frmOptions.h"
#include "settings/types_images.h"
#include "settings/valeurs_texte.h"

namespace pixavue {
namespace {

constexpr int kSecondesProposees = 60;

// A setting read as a number, rounded to a 16-bit integer, halves to even.
int nombre16(const std::wstring& texte) {
  auto n = en_entier16(lire_nombre(texte));
  if (!n) throw echecs::depassement();
  return *n;
}

// The fixed background colour from its stored text.
Couleur couleur_stockee(const std::wstring& texte) {
  auto valeur = lire_entier32(texte);
  if (!valeur) throw echecs::types_incompatibles();
  if (*valeur < 0 || *valeur > 0xFFFFFF) throw echecs::valeur_non_valide();
  return Couleur::rgb(static_cast<std::uint32_t>(*valeur));
}

}  // namespace

void frmOptions::Form_Load() {
  const std::initializer_list<std::function<void()>> etapes = {
      [&] {
        const MesuresEcran ecran = s_.ecran.mesures();
        s_.fenetre.placer((ecran.largeur_twips - s_.fenetre.largeur_twips()) / 2,
                          (ecran.hauteur_twips - s_.fenetre.hauteur_twips()) / 2);
      },
      [&] { parametres_.ecrire_si_vide(cle::dossier_demarrage, s_.fichiers.dossier_windows()); },
      // The file check knows whether the tree counts before it first runs.
      [&] { File1.set_SousDossiers(parametres_.choix(cle::sous_dossiers)); },
      [&] { txtDossier.set_Text(parametres_.lire(cle::dossier_demarrage)); },
      [&] { File1.set_Path(txtDossier.Text()); },
      [&] {
        cboTemps.Clear();
        for (int i = 0; i < kSecondesProposees; ++i) cboTemps.AddItem(L" " + std::to_wstring(i + 1));
      },
      [&] {
        parametres_.ecrire_si_vide(cle::secondes, L"4");
        cboTemps.set_ListIndex(nombre16(parametres_.lire(cle::secondes)));
      },
      [&] {
        const std::wstring couleur = parametres_.lire(cle::couleur_fond);
        if (!couleur.empty()) optCouleur[1].set_Value(1);
        lblCouleur.set_Enabled(!couleur.empty());
        lblCouleur.set_BackColor(couleur.empty() ? Couleur::rgb(0) : couleur_stockee(couleur));
      },
      [&] {
        parametres_.ecrire_si_vide(cle::chemin_fichier, L"1");
        chkNomFichier.set_Value(nombre16(parametres_.lire(cle::chemin_fichier)));
      },
      [&] {
        motif_systeme_ = motif_du_systeme(s_.codecs.extensions());
        for (std::size_t i = 0; i < kTypesImages.size(); ++i) lstFiltres.AddItem(libelle_du_type(i, motif_systeme_));
      },
      [&] {
        parametres_.ecrire_si_vide(cle::type_fichier, L"0");
        lstFiltres.set_ListIndex(nombre16(parametres_.lire(cle::type_fichier)));
      },
      [&] {
        const std::wstring visualiseur =
            s_.magasin.lire_parametre(kApplicationVisualiseur, kSection, kCleDossierVisualiseur);
        cmdPixavue.set_Enabled(!visualiseur.empty());
      },
      [&] {
        parametres_.ecrire_si_vide(cle::taille, L"1");
        lstTaille.set_ListIndex(nombre16(parametres_.lire(cle::taille)));
      },
      [&] {
        parametres_.ecrire_si_vide(cle::informations, L"1");
        chkInfos.set_Value(nombre16(parametres_.lire(cle::informations)));
      },
      // Off unless they read as 1, as the run reads them; no default is written.
      [&] { chkSousDossiers.set_Value(File1.SousDossiers() ? 1 : 0); },
      [&] { chkAleatoire.set_Value(parametres_.choix(cle::ordre_aleatoire) ? 1 : 0); },
      [&] { s_.son.Lecteur = std::make_unique<DirectShow>(s_.media); },
      [&] {
        const std::wstring son = parametres_.lire(cle::son);
        chkSon.set_Enabled(true);
        if (!son.empty()) {
          chkSon.set_Value(1);  // its reaction opens the stored sound already
          cmdJouer.set_Enabled(true);
          cmdOuvrirSon.set_Enabled(true);
          cmdStopSon.set_Enabled(false);
          s_.son.FichierSon = son;
          ouvrir_son();
        } else {
          chkSon.set_Value(0);
          cmdJouer.set_Enabled(false);
          cmdOuvrirSon.set_Enabled(true);
          cmdStopSon.set_Enabled(false);
          s_.son.FichierSon.clear();
        }
      },
      [&] {
        if (s_.media.sorties_audio() >= 1) return;
        chkSon.set_Enabled(false);
        chkSon.set_Value(0);
        // The stored sound is kept, and a save writes it back: unplugged
        // headphones or a remote session must not lose the user's choice.
        son_sans_sortie_audio_ = parametres_.lire(cle::son);
        cmdJouer.set_Enabled(false);
        cmdOuvrirSon.set_Enabled(false);
        cmdStopSon.set_Enabled(false);
        s_.son.FichierSon.clear();
      },
      [&] { cmdEnregistrer.set_Enabled(false); },
  };
  for (const auto& etape : etapes) {
    try {
      etape();
    } catch (const Echec& echec) {
      s_.fenetre.boite_message(echec.description, L"Pixavue-SCR", Icone::avertissement);
    }
  }
}

}  // namespace pixavue
