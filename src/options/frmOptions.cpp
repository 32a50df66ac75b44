// The settings dialog's controls and which handler each change reaches.
#include "options/frmOptions.h"

namespace pixavue {

frmOptions::frmOptions(Services services)
    : chkSousDossiers(kDispositionOptions, L"chkSousDossiers"),
      txtDossier(kDispositionOptions, L"txtDossier"),
      cmdParcourir(kDispositionOptions, L"cmdParcourir"),
      chkAleatoire(kDispositionOptions, L"chkAleatoire"),
      lstFiltres(kDispositionOptions, L"lstFiltres"),
      cboTemps(kDispositionOptions, L"cboTemps"),
      optCouleur{{kDispositionOptions, L"optCouleur", 0}, {kDispositionOptions, L"optCouleur", 1}},
      lblCouleur(kDispositionOptions, L"lblCouleur"),
      lstTaille(kDispositionOptions, L"lstTaille"),
      chkNomFichier(kDispositionOptions, L"chkNomFichier"),
      chkInfos(kDispositionOptions, L"chkInfos"),
      chkSon(kDispositionOptions, L"chkSon"),
      cmdOuvrirSon(kDispositionOptions, L"cmdOuvrirSon"),
      cmdJouer(kDispositionOptions, L"cmdJouer"),
      cmdStopSon(kDispositionOptions, L"cmdStopSon"),
      cmdPixavue(kDispositionOptions, L"cmdPixavue"),
      cmdEnregistrer(kDispositionOptions, L"cmdEnregistrer"),
      cmdFermer(kDispositionOptions, L"cmdFermer"),
      cmdAide(kDispositionOptions, L"cmdAide"),
      lblAide(kDispositionOptions, L"lblAide"),
      Picture1(kDispositionOptions, L"Picture1"),
      File1(services.fichiers),
      CDL(services.dialogues, services.fenetre.poignee()),
      s_(services),
      parametres_(services.magasin) {
  optCouleur[0].grouper_avec(optCouleur[1]);
  optCouleur[1].grouper_avec(optCouleur[0]);

  txtDossier.reaction = [this] { txtDossier_Change(); };
  chkSousDossiers.reaction = [this] { chkSousDossiers_Click(); };
  File1.PathChange = File1.PatternChange = [this] { File1_Verifier(); };
  lstFiltres.reaction = [this] { lstFiltres_Click(); };
  chkSon.reaction = [this] { chkSon_Click(); };
  for (int i = 0; i < 2; ++i) optCouleur[i].reaction = [this, i] { optCouleur_Click(i); };
  for (ControleDialogue* simple : {&cboTemps, &lstTaille, &chkInfos, &chkNomFichier, &chkAleatoire})
    simple->reaction = [this] { marquer_modifie(); };

  cmdParcourir.reaction = [this] { cmdParcourir_Click(); };
  cmdEnregistrer.reaction = [this] { cmdEnregistrer_Click(); };
  cmdFermer.reaction = [this] { cmdFermer_Click(); };
  cmdOuvrirSon.reaction = [this] { cmdOuvrirSon_Click(); };
  cmdJouer.reaction = [this] { cmdJouer_Click(); };
  cmdStopSon.reaction = [this] { cmdStopSon_Click(); };
  lblCouleur.reaction = [this] { lblCouleur_Click(); };
  cmdAide.reaction = [this] { cmdAide_Click(); };
  cmdPixavue.reaction = [this] { cmdPixavue_Click(); };

  pour_chaque_controle([&](ControleDialogue& c) { c.montrer_dans(&services.fenetre); });
}

// Music that plays stops with the program; the engine is let go first.
void frmOptions::Form_Unload() {
  s_.son.liberer();
  s_.processus.terminer();
}

}  // namespace pixavue
