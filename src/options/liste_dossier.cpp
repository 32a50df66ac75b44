// The dialog's hidden file list.
#include "options/liste_dossier.h"

#include "services/echec.h"

namespace pixavue {

void ListeDossier::set_Path(const std::wstring& chemin) {
  if (!fichiers_.fichiers_du_dossier(chemin)) throw echecs::chemin_introuvable();
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

}  // namespace pixavue
