// The save: two checks, then all ten settings in one go. The window stays
// open; the save button, the mark of unsaved changes, goes off.
#include "options/frmOptions.h"
#include "settings/valeurs_texte.h"

namespace pixavue {

void frmOptions::cmdEnregistrer_Click() {
  // An empty text means the Windows folder to the screensaver; anything else
  // must be a folder. A file or a wildcard pattern would pass a plain search
  // and then show nothing.
  const std::wstring dossier = txtDossier.Text();
  if (!dossier.empty() && !s_.fichiers.existe(dossier, Recherche::dossier)) {
    s_.fenetre.boite_message(L"Le dossier à afficher au démarrage ne semble pas un dossier valide.",
                             L"Dossier de démarrage...", Icone::information);
    const SelectionTexte selection = s_.fenetre.selection(txtDossier);
    s_.fenetre.selectionner(txtDossier, {selection.debut, static_cast<int>(dossier.size())});
    s_.fenetre.donner_focus(txtDossier);
    return;
  }
  if (lstFiltres.ListIndex() < 0) {
    s_.fenetre.boite_message(L"Sélectionnez un type de fichier.", L"Type de fichier", Icone::information);
    s_.fenetre.donner_focus(lstFiltres);
    return;
  }

  std::wstring son;
  if (chkSon.Enabled() && chkSon.Value() == 1)
    son = s_.son.FichierSon;
  else if (son_sans_sortie_audio_)
    son = *son_sans_sortie_audio_;
  const std::wstring couleur =
      optCouleur[0].Value() == 1 ? L"" : texte_entier(static_cast<std::int32_t>(lblCouleur.BackColor().valeur));

  parametres_.ecrire(cle::informations, texte_entier(chkInfos.Value()));
  parametres_.ecrire(cle::secondes, texte_entier(cboTemps.ListIndex()));
  parametres_.ecrire(cle::dossier_demarrage, dossier);
  parametres_.ecrire(cle::type_fichier, texte_entier(lstFiltres.ListIndex()));
  parametres_.ecrire(cle::couleur_fond, couleur);
  parametres_.ecrire(cle::chemin_fichier, texte_entier(chkNomFichier.Value()));
  parametres_.ecrire(cle::taille, texte_entier(lstTaille.ListIndex()));
  parametres_.ecrire(cle::son, son);
  parametres_.ecrire(cle::sous_dossiers, texte_entier(chkSousDossiers.Value() == 1));
  parametres_.ecrire(cle::ordre_aleatoire, texte_entier(chkAleatoire.Value() == 1));
  cmdEnregistrer.set_Enabled(false);
}

}  // namespace pixavue
