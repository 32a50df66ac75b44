// F1 and "&Aide" open the help page beside the program, or say that it is
// missing; the viewer button starts the companion viewer from its setting.
#include "options/frmOptions.h"

namespace pixavue {
namespace {

constexpr int kToucheF1 = 112;
constexpr std::wstring_view kPageAide = L"pixavuescr.htm";
constexpr std::wstring_view kProgrammeVisualiseur = L"Pixavue.exe";

}  // namespace

// Shift, Ctrl and Alt don't matter: only the key.
void frmOptions::Form_KeyDown(int code_touche) {
  if (code_touche == kToucheF1) afficher_aide();
}

void frmOptions::afficher_aide() {
  const std::wstring page = chemin_app() + std::wstring(kPageAide);
  if (!Verif_Fichier(page)) {
    s_.fenetre.boite_message(
        L"Fichier d'aide [pixavuescr.htm] introuvable. Assurez-vous que celui-ci doit se "
        L"trouver dans le dossier:\r\n" +
            chemin_app(),
        L"Fichier d'aide absent", Icone::arret);
    return;
  }
  s_.processus.ouvrir_document(s_.fenetre.poignee(), page);
}

// Through the input queue: the key arrives after this click is over.
void frmOptions::cmdAide_Click() { s_.fenetre.envoyer_f1(); }

// The folder is used as stored: it must end with its separator.
void frmOptions::cmdPixavue_Click() {
  const std::wstring dossier = s_.magasin.lire_parametre(kApplicationVisualiseur, kSection, kCleDossierVisualiseur);
  if (auto erreur = s_.processus.lancer(dossier + std::wstring(kProgrammeVisualiseur))) {
    s_.fenetre.boite_message(L"No: " + std::to_wstring(erreur->numero) + L"\r\nDescription:\r\n" + erreur->description,
                             L"Erreur...", Icone::arret);
  }
}

}  // namespace pixavue
