// The settings dialog: its controls, and the handlers that load the settings
// into them, react to the user and save. The real window (src/win32) shows
// the controls and turns messages into calls on these handlers.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "layouts/frmOptions.h"
#include "options/controles.h"
#include "options/liste_dossier.h"
#include "platform/codecs.h"
#include "platform/dialogue.h"
#include "platform/dialogues_systeme.h"
#include "platform/ecran.h"
#include "platform/fichiers.h"
#include "platform/magasin_parametres.h"
#include "platform/media.h"
#include "platform/processus.h"
#include "services/CommonDialog.h"
#include "services/son_partage.h"
#include "settings/parametres.h"

namespace pixavue {

class frmOptions {
 public:
  struct Services {
    MagasinParametres& magasin;
    Processus& processus;
    Ecran& ecran;
    Fichiers& fichiers;
    FenetreDialogue& fenetre;
    DialoguesSysteme& dialogues;
    MoteurMedia& media;
    SonPartage& son;
    CodecsSysteme& codecs;
  };

  explicit frmOptions(Services services);
  frmOptions(const frmOptions&) = delete;
  frmOptions& operator=(const frmOptions&) = delete;

  // Before the window first shows.
  void Form_Load();
  // Sees every key before the control that has the focus.
  void Form_KeyDown(int code_touche);
  // Any close request: the program ends, nothing is saved.
  void Form_Unload();
  // The mouse moved over a control: its help goes on the help line.
  void Survol(const ControleDialogue& controle);

  // The dialog's controls, in layout order; the labels that never change
  // are the window's alone.
  ControleDialogue chkSousDossiers, txtDossier, cmdParcourir, chkAleatoire, lstFiltres, cboTemps;
  ControleDialogue optCouleur[2];
  ControleDialogue lblCouleur, lstTaille, chkNomFichier, chkInfos, chkSon;
  ControleDialogue cmdOuvrirSon, cmdJouer, cmdStopSon, cmdPixavue, cmdEnregistrer, cmdFermer, cmdAide, lblAide,
      Picture1;
  ListeDossier File1;
  CommonDialog CDL;

  // Every control above, for the real window to find them by name.
  template <typename F>
  void pour_chaque_controle(F&& f) {
    for (ControleDialogue* c :
         {&chkSousDossiers, &txtDossier,    &cmdParcourir, &chkAleatoire, &lstFiltres,    &cboTemps,
          &optCouleur[0],   &optCouleur[1], &lblCouleur,   &lstTaille,    &chkNomFichier, &chkInfos,
          &chkSon,          &cmdOuvrirSon,  &cmdJouer,     &cmdStopSon,   &cmdPixavue,    &cmdEnregistrer,
          &cmdFermer,       &cmdAide,       &lblAide,      &Picture1})
      f(*c);
  }

  // Clicks of the buttons and the swatch, as the user makes them.
  void cmdParcourir_Click();
  void cmdEnregistrer_Click();
  void cmdFermer_Click() { Form_Unload(); }
  void cmdOuvrirSon_Click();
  void cmdJouer_Click();
  void cmdStopSon_Click();
  void lblCouleur_Click();
  void cmdAide_Click();
  void cmdPixavue_Click();

  // The program's folder with a trailing "\".
  std::wstring chemin_app();
  // An ordinary file of that name exists; hidden and system files don't count.
  bool Verif_Fichier(const std::wstring& chemin);

 private:
  // Reactions to a change of value, from the user or from code.
  void txtDossier_Change();
  void chkSousDossiers_Click();
  void File1_Verifier();
  void lstFiltres_Click();
  void chkSon_Click();
  void optCouleur_Click(int index);
  void marquer_modifie() { cmdEnregistrer.set_Enabled(true); }

  void ouvrir_son();
  void afficher_aide();

  Services s_;
  Parametres parametres_;
  std::wstring motif_systeme_;  // the system's pictures', asked at load
  // The stored sound when the load found no audio output: saved back as it was.
  std::optional<std::wstring> son_sans_sortie_audio_;
};

}  // namespace pixavue
