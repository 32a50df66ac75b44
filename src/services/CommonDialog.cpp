// The common-dialog object's two choosers and how they report a cancel.
#include "services/CommonDialog.h"

#include "services/cDlgCom.h"
#include "services/echec.h"

namespace pixavue {
namespace {

constexpr int kTamponFichier = 260;

// A cancel is silent unless the caller asked for it to fail.
void rendre_compte(Issue issue, std::uint32_t erreur, bool echec_si_annule) {
  if (issue == Issue::annule && echec_si_annule) throw echecs::annulation();
  if (issue == Issue::echec)
    throw Echec{static_cast<long>(erreur), L"Erreur de la boîte de dialogue commune " + std::to_wstring(erreur) + L"."};
}

}  // namespace

void CommonDialog::ShowOpen() {
  const DemandeFichier demande{
      .proprietaire = proprietaire_,
      .filtre = filtre_systeme(Filter),
      .indice_filtre = FilterIndex,
      .fichier = FileName,
      .capacite_fichier = kTamponFichier,
      .capacite_titre = kTamponFichier,
      .dossier_initial = InitDir,
      .titre = titre_ou_rien(DialogTitle),
      .drapeaux = static_cast<std::uint32_t>(Flags),
  };
  ReponseFichier reponse = dialogues_.choisir_fichier(SorteFichier::ouvrir, demande);
  rendre_compte(reponse.issue, reponse.erreur, CancelError);
  if (reponse.issue != Issue::choisi) return;
  FileName = reponse.fichier;
  Flags = static_cast<std::int32_t>(reponse.drapeaux);
}

void CommonDialog::ShowColor() {
  ReponseCouleur reponse = dialogues_.choisir_couleur(proprietaire_, Color, static_cast<std::uint32_t>(Flags));
  rendre_compte(reponse.issue, reponse.erreur, CancelError);
  if (reponse.issue == Issue::choisi) Color = reponse.couleur;
}

}  // namespace pixavue
