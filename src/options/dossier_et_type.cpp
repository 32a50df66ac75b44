// The picture folder, typed or browsed, and the picture type: the hidden
// file list follows both, and its count says whether the choice can be saved.
#include "options/frmOptions.h"
#include "services/cDlgCom.h"
#include "settings/types_images.h"

namespace pixavue {
namespace {

constexpr std::wstring_view kAucunFichier = L"Aucun fichier, du type souhaité, trouvé dans le dossier spécifié.";

}  // namespace

// Runs at every keystroke: a prefix that names a folder already points the
// list there.
void frmOptions::txtDossier_Change() {
  try {
    if (s_.fichiers.existe(txtDossier.Text(), Recherche::toute_entree)) File1.set_Path(txtDossier.Text());
  } catch (const Echec& echec) {
    // A file, or a pattern that matches something: not a folder to list.
    if (echec.numero == echecs::chemin_introuvable().numero) cmdEnregistrer.set_Enabled(false);
  }
}

// The file check counts the whole tree, or the folder alone, again.
void frmOptions::chkSousDossiers_Click() {
  const bool arbre = chkSousDossiers.Value() == 1;
  if (arbre == File1.SousDossiers()) {
    marquer_modifie();
    return;
  }
  File1.set_SousDossiers(arbre);
  File1_Verifier();
}

void frmOptions::File1_Verifier() {
  if (File1.ListCount() < 1) {
    s_.fenetre.boite_message(kAucunFichier, L"Information", Icone::information);
    cmdEnregistrer.set_Enabled(false);
  } else {
    cmdEnregistrer.set_Enabled(true);
  }
}

void frmOptions::lstFiltres_Click() {
  const int index = lstFiltres.ListIndex();
  if (auto motif = motif_du_type(index, motif_systeme_)) File1.set_Pattern(*motif);
  File1.Refresh();
}

void frmOptions::cmdParcourir_Click() {
  cDlgCom dialogue(s_.dialogues);
  dialogue.set_DialogTitle(L"Sélectionnez un dossier de démarrage");
  dialogue.set_InitDir(s_.processus.dossier_programme());
  // Owned by this window, so that the dialog stays modal to it.
  dialogue.set_hdcOwner(static_cast<std::int32_t>(s_.fenetre.poignee()));
  dialogue.ShowOpenFolder();
  std::wstring dossier = dialogue.Folder();
  if (dossier.empty()) return;
  if (dossier.back() != L'\\') dossier += L'\\';
  txtDossier.set_Text(dossier);
  try {
    File1.set_Path(txtDossier.Text());
  } catch (const Echec&) {
    // Gone since it was chosen: the save's check will say so.
  }
  // Whatever the file check said.
  marquer_modifie();
}

std::wstring frmOptions::chemin_app() {
  std::wstring dossier = s_.processus.dossier_programme();
  if (dossier.empty() || dossier.back() != L'\\') dossier += L'\\';
  return dossier;
}

bool frmOptions::Verif_Fichier(const std::wstring& chemin) {
  return s_.fichiers.existe(chemin, Recherche::fichier_ordinaire);
}

}  // namespace pixavue
