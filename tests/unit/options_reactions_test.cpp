// The settings dialog's reactions: the folder and the type, the music
// buttons' states, the colour, help and viewer, and the help line.
#include <gtest/gtest.h>

#include "faux_dialogue.h"

namespace pixavue {
namespace {

using test::BancOptions;
using test::Boite;

constexpr wchar_t kAucunFichier[] = L"Aucun fichier, du type souhaité, trouvé dans le dossier spécifié.";

struct Reactions : ::testing::Test {
  BancOptions banc;
  frmOptions* o = nullptr;
  void SetUp() override {
    banc.fichiers.dossiers[L"D:\\"] = {};
    banc.fichiers.dossiers[L"D:\\photos"] = {L"a.jpg", L"b.gif"};
    o = &banc.charger();
    banc.fenetre.boites.clear();
  }
};

TEST_F(Reactions, TypingFollowsEveryPrefixThatNamesAFolder) {
  for (const wchar_t* frappe : {L"D", L"D:", L"D:\\", L"D:\\p", L"D:\\photos"})
    o->txtDossier.par_l_utilisateur_Text(frappe);
  // "D:\" is a folder without pictures: told mid-typing; "D:\photos" then enables saving.
  EXPECT_EQ(banc.fenetre.boites, (std::vector<Boite>{{kAucunFichier, L"Information", Icone::information}}));
  EXPECT_EQ(o->File1.Path(), L"D:\\photos");
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());

  o->txtDossier.par_l_utilisateur_Text(L"D:\\photos\\a.jpg");  // a file: the list can't go there
  EXPECT_FALSE(o->cmdEnregistrer.Enabled());
  EXPECT_EQ(o->File1.Path(), L"D:\\photos");
  o->cmdEnregistrer.set_Enabled(true);
  o->txtDossier.par_l_utilisateur_Text(L"D:\\rien");  // nothing: nothing changes
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());
  EXPECT_EQ(banc.fenetre.boites.size(), 1u);
}

TEST_F(Reactions, ATypeWithoutFilesInTheFolderIsToldAndCantBeSaved) {
  o->txtDossier.set_Text(L"D:\\photos");
  o->lstFiltres.set_ListIndex(1);  // bitmaps: none
  EXPECT_EQ(banc.fenetre.boites.size(), 1u);
  EXPECT_FALSE(o->cmdEnregistrer.Enabled());
  o->lstFiltres.set_ListIndex(3);  // GIFs: one
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());
  EXPECT_EQ(o->File1.ListCount(), 1);
}

TEST_F(Reactions, BrowsingPutsTheFolderInAndAlwaysEnablesSaving) {
  o->cmdParcourir_Click();  // cancelled
  EXPECT_EQ(o->txtDossier.Text(), L"C:\\windows");
  EXPECT_FALSE(o->cmdEnregistrer.Enabled());
  EXPECT_EQ(banc.dialogues.consignes, std::vector<std::wstring>{L"Sélectionnez un dossier de démarrage"});
  EXPECT_EQ(banc.dialogues.drapeaux_dossier, std::vector<std::uint32_t>{3});
  EXPECT_EQ(banc.dialogues.proprietaires, std::vector<std::intptr_t>{0x1000});

  banc.dialogues.dossier = L"D:\\";  // a root: no second separator; no picture there
  o->cmdParcourir_Click();
  EXPECT_EQ(o->txtDossier.Text(), L"D:\\");
  EXPECT_EQ(banc.fenetre.boites.size(), 1u);
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());

  banc.dialogues.dossier = L"D:\\photos";
  o->cmdParcourir_Click();
  EXPECT_EQ(o->txtDossier.Text(), L"D:\\photos\\");
  EXPECT_EQ(banc.fenetre.boites.size(), 1u);
}

TEST_F(Reactions, TheSoundButtonsMoveBetweenOffNoFileReadyAndPlaying) {
  auto etat = [&] {
    return std::wstring(o->cmdOuvrirSon.Enabled() ? L"O" : L"-") + (o->cmdJouer.Enabled() ? L"J" : L"-") +
           (o->cmdStopSon.Enabled() ? L"S" : L"-");
  };
  EXPECT_EQ(etat(), L"O--");  // no file
  o->chkSon.set_Value(1);     // "son" stored empty: still no file
  EXPECT_EQ(etat(), L"O--");
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());

  banc.dialogues.fichier = {Issue::choisi, L"C:\\sons\\vent.mp3", L"vent.mp3", 0x81804};
  o->cmdOuvrirSon_Click();
  EXPECT_EQ(etat(), L"OJ-");  // ready
  EXPECT_EQ(banc.son.FichierSon, L"C:\\sons\\vent.mp3");
  const DemandeFichier& demande = banc.dialogues.demandes.back();
  EXPECT_EQ(demande.titre, L"Sélection d'un fichier multimédia...");
  EXPECT_EQ(demande.drapeaux, 0x81804u);
  EXPECT_EQ(demande.indice_filtre, 3);
  EXPECT_EQ(demande.dossier_initial, L"C:\\Programmes\\Pixavue\\");
  EXPECT_EQ(demande.filtre.substr(0, 36), std::wstring(L"Fichiers MIDI (*.rmi;*.mid;*.midi)\0*.", 36));
  EXPECT_EQ(demande.filtre.substr(demande.filtre.size() - 6), std::wstring(L"wvx\0\0\0", 6));

  o->cmdJouer_Click();
  EXPECT_EQ(etat(), L"O-S");  // playing
  EXPECT_TRUE(banc.media.en_lecture);
  o->chkSon.set_Value(0);
  EXPECT_EQ(etat(), L"---");  // off, and the music goes on
  EXPECT_TRUE(banc.media.en_lecture);
  o->chkSon.set_Value(1);
  o->cmdStopSon.set_Enabled(true);
  o->cmdStopSon_Click();
  EXPECT_EQ(etat(), L"OJ-");
  EXPECT_FALSE(banc.media.en_lecture);
  EXPECT_EQ(banc.media.position, 0);
}

TEST_F(Reactions, CheckingTheBoxReopensTheStoredSoundNotTheChosenOne) {
  banc.magasin.poser(L"son", L"C:\\sons\\stocke.wav");
  banc.dialogues.fichier = {Issue::choisi, L"C:\\sons\\choisi.wav", L"choisi.wav"};
  o->cmdOuvrirSon_Click();
  o->chkSon.set_Value(1);
  EXPECT_EQ(banc.son.FichierSon, L"C:\\sons\\stocke.wav");
  EXPECT_EQ(banc.media.appels_de(L"RenderFile").back(), L"2:RenderFile(C:\\sons\\stocke.wav)");
}

TEST_F(Reactions, TheSoundChooserCancelledSaysNothingAndFailingSaysSo) {
  banc.dialogues.fichier = {Issue::annule};
  o->cmdOuvrirSon_Click();
  EXPECT_TRUE(banc.fenetre.boites.empty());
  EXPECT_FALSE(o->cmdJouer.Enabled() || o->cmdEnregistrer.Enabled());

  banc.dialogues.fichier = {Issue::echec, L"", L"", 0, 0x3003};  // FNERR_BUFFERTOOSMALL
  o->cmdOuvrirSon_Click();
  ASSERT_EQ(banc.fenetre.boites.size(), 1u);
  EXPECT_EQ(banc.fenetre.boites[0].titre, L"Erreur");
  EXPECT_EQ(banc.fenetre.boites[0].icone, Icone::arret);
  EXPECT_EQ(banc.fenetre.boites[0].texte.rfind(L"Erreur inattendue dans le déroulement du programme:\r\n", 0), 0u);
  EXPECT_FALSE(o->cmdJouer.Enabled());
}

TEST_F(Reactions, TheColourOptionsAndTheSwatch) {
  o->lblCouleur_Click();  // disabled while random: nothing
  EXPECT_TRUE(banc.dialogues.couleurs_donnees.empty());

  o->optCouleur[1].set_Value(1);
  EXPECT_TRUE(o->lblCouleur.Enabled());
  EXPECT_EQ(o->optCouleur[0].Value(), 0);
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());

  o->cmdEnregistrer.set_Enabled(false);
  banc.dialogues.couleur = {Issue::annule};
  o->lblCouleur_Click();
  EXPECT_EQ(o->lblCouleur.BackColor(), Couleur::rgb(0));
  EXPECT_FALSE(o->cmdEnregistrer.Enabled());

  banc.dialogues.couleur = {Issue::choisi, 0x00FF00};
  o->lblCouleur_Click();
  EXPECT_EQ(o->lblCouleur.BackColor(), Couleur::rgb(0x00FF00));
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());
  o->cmdEnregistrer.set_Enabled(false);
  o->lblCouleur_Click();  // the same colour again still marks a change
  EXPECT_TRUE(o->cmdEnregistrer.Enabled());
  EXPECT_EQ(banc.dialogues.couleurs_donnees, (std::vector<std::uint32_t>{0, 0, 0x00FF00}));
  EXPECT_EQ(banc.dialogues.drapeaux_couleur.back(), 3u);

  o->optCouleur[0].set_Value(1);  // the swatch keeps its colour, disabled
  EXPECT_FALSE(o->lblCouleur.Enabled());
  EXPECT_EQ(o->lblCouleur.BackColor(), Couleur::rgb(0x00FF00));
}

TEST_F(Reactions, SizeIntervalAndCaptionsOnlyMarkAChange) {
  for (auto changer : std::initializer_list<std::function<void()>>{
           [&] { o->lstTaille.set_ListIndex(0); }, [&] { o->cboTemps.set_ListIndex(0); },
           [&] { o->chkInfos.set_Value(0); }, [&] { o->chkNomFichier.set_Value(0); }}) {
    o->cmdEnregistrer.set_Enabled(false);
    changer();
    EXPECT_TRUE(o->cmdEnregistrer.Enabled());
  }
  EXPECT_TRUE(banc.fenetre.boites.empty());
}

TEST_F(Reactions, F1OpensTheHelpPageOrSaysWhereItShouldBe) {
  o->Form_KeyDown(112);
  EXPECT_EQ(banc.fenetre.boites,
            (std::vector<Boite>{{L"Fichier d'aide [pixavuescr.htm] introuvable. Assurez-vous que celui-ci doit se "
                                 L"trouver dans le dossier:\r\nC:\\Programmes\\Pixavue\\",
                                 L"Fichier d'aide absent", Icone::arret}}));
  banc.fichiers.dossiers[L"C:\\Programmes\\Pixavue"] = {L"pixavuescr.htm"};
  o->Form_KeyDown(113);  // F2: nothing
  o->Form_KeyDown(112);
  EXPECT_EQ(banc.processus.documents, std::vector<std::wstring>{L"C:\\Programmes\\Pixavue\\pixavuescr.htm"});

  banc.fichiers.caches = {L"C:\\Programmes\\Pixavue\\pixavuescr.htm"};  // hidden counts as absent
  o->Form_KeyDown(112);
  EXPECT_EQ(banc.fenetre.boites.size(), 2u);

  banc.processus.dossier_du_programme = L"E:\\";  // a root: one separator
  EXPECT_EQ(o->chemin_app(), L"E:\\");
  o->cmdAide_Click();
  EXPECT_EQ(banc.fenetre.f1, 1);
}

TEST_F(Reactions, TheViewerStartsFromItsOwnSettingOrTheErrorIsShown) {
  banc.magasin.valeurs[{L"Pixavue", L"parametres", L"dossier application"}] = L"C:\\Pixavue\\";
  o->cmdPixavue_Click();
  EXPECT_EQ(banc.processus.lances, std::vector<std::wstring>{L"C:\\Pixavue\\Pixavue.exe"});
  EXPECT_TRUE(banc.fenetre.boites.empty());

  banc.processus.erreur_lancement = Processus::ErreurLancement{53, L"Fichier introuvable."};
  o->cmdPixavue_Click();
  EXPECT_EQ(banc.fenetre.boites,
            (std::vector<Boite>{{L"No: 53\r\nDescription:\r\nFichier introuvable.", L"Erreur...", Icone::arret}}));
}

TEST_F(Reactions, TheHelpLineTakesEachControlsHelpAndKeepsItElsewhere) {
  EXPECT_EQ(o->lblAide.Text(), L"Affichage des messages d'aide");
  o->Survol(o->txtDossier);
  EXPECT_EQ(o->lblAide.Text(), L"Dossier affiché à l'ouverture du programme");
  for (const ControleDialogue* sans : {&o->cboTemps, &o->lblAide, &o->Picture1}) o->Survol(*sans);
  EXPECT_EQ(o->lblAide.Text(), L"Dossier affiché à l'ouverture du programme");
  o->Survol(o->lstTaille);
  EXPECT_EQ(o->lblAide.Text(), L"Options de la taille des images");
  EXPECT_EQ(o->lstTaille.ToolTipText(), L"Options de taille des images");
  o->Survol(o->cmdAide);
  EXPECT_EQ(o->lblAide.Text(), L"Affiche le fichier d'aide");
  for (const ControleDialogue* couleur : {&o->optCouleur[0], &o->optCouleur[1], &o->lblCouleur}) {
    o->Survol(o->cmdFermer);
    o->Survol(*couleur);
    EXPECT_EQ(o->lblAide.Text(), L"Couleur du fond de l'écran de veille");
  }
  o->Survol(o->cmdPixavue);
  EXPECT_EQ(o->lblAide.Text(), L"Démarrer le visualiseur d'images");
}

}  // namespace
}  // namespace pixavue
