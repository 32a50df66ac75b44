// The help line: the control under the mouse puts its help there, which
// stays until the mouse reaches another control that has one.
#include "options/frmOptions.h"

namespace pixavue {

void frmOptions::Survol(const ControleDialogue& controle) {
  // Two controls say something other than their tool tips.
  struct TexteFixe {
    const ControleDialogue* controle;
    std::wstring_view texte;
  };
  const TexteFixe fixes[] = {
      {&lstTaille, L"Options de la taille des images"},
      {&cmdAide, L"Affiche le fichier d'aide"},
  };
  for (const auto& fixe : fixes) {
    if (fixe.controle != &controle) continue;
    lblAide.set_Text(std::wstring(fixe.texte));
    return;
  }
  const ControleDialogue* avec_aide[] = {&chkSousDossiers, &txtDossier,    &cmdParcourir, &chkAleatoire,  &lstFiltres,
                                         &optCouleur[0],   &optCouleur[1], &lblCouleur,   &chkNomFichier, &chkInfos,
                                         &chkSon,          &cmdOuvrirSon,  &cmdJouer,     &cmdStopSon,    &cmdPixavue,
                                         &cmdEnregistrer,  &cmdFermer};
  for (const ControleDialogue* c : avec_aide)
    if (c == &controle) lblAide.set_Text(std::wstring(controle.ToolTipText()));
}

}  // namespace pixavue
