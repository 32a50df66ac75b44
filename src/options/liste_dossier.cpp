// The dialog's hidden file list.
#include "options/liste_dossier.h"

#include "services/echec.h"

namespace pixavue {

void ListeDossier::set_Path(const std::wstring& chemin) {
  if (!fichiers_.lire_dossier(chemin)) throw echecs::chemin_introuvable();
  if (chemin == liste_.Path) return;
  liste_.Path = chemin;
  Refresh();
  if (PathChange) PathChange();
}

void ListeDossier::set_Pattern(const std::wstring& motif) {
  if (motif == liste_.Pattern) return;
  liste_.Pattern = motif;
  Refresh();
  if (PatternChange) PatternChange();
}

void ListeDossier::set_SousDossiers(bool sous_dossiers) {
  if (sous_dossiers == liste_.SousDossiers) return;
  liste_.SousDossiers = sous_dossiers;
  Refresh();
}

void ListeDossier::Refresh() {
  if (liste_.SousDossiers) {
    compte_ = contient_un_fichier(fichiers_, liste_.Path, liste_.Pattern, true) ? 1 : 0;
    return;
  }
  liste_.Refresh(fichiers_);
  compte_ = liste_.ListCount();
}

}  // namespace pixavue
