// The settings dialog's logic: its load, the saves it refuses, and its
// reactions to the folder, the type, the music, the colour, help and viewer.
#include <gtest/gtest.h>

#include "faux_dialogue.h"
#include "services/cDlgCom.h"

namespace pixavue::test {
namespace {

const std::wstring kNonValide = L"[! Pixavue-SCR: Valeur de propriété non valide.]";

// An empty store gets its six defaults, and the controls show them; each
// stored value and its edges, shown.
TEST(ChargementOptions, StoredValuesAndTheirEdges) {
  struct Cas {
    std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> reglages;
    const wchar_t* montres;
    std::wstring etat;
  } cas[] = {
      {{},
       L"",
       L"chkSousDossiers=0 txtDossier=C:\\windows chkAleatoire=0 lstFiltres=0 cboTemps=4 optCouleur0=1 "
       L"optCouleur1=0 -lblCouleur=0 lstTaille=1 chkNomFichier=1 chkInfos=1 chkSon=0 -cmdJouer -cmdStopSon "
       L"-cmdPixavue -cmdEnregistrer File1=C:\\windows/2 son="},
      {{{L"secondes", L"59"}}, L"cboTemps", L"cboTemps=59"},
      {{{L"secondes", L"60"}}, L"cboTemps", L"cboTemps=-1 " + kNonValide},
      {{{L"secondes", L"4.5"}}, L"cboTemps", L"cboTemps=4"},  // halves to even
      {{{L"couleur fond", L"255"}, {L"type fichier", L"11"}},
       L"lstFiltres optCouleur0 lblCouleur cmdEnregistrer",
       L"lstFiltres=-1 optCouleur0=0 lblCouleur=255 -cmdEnregistrer " + kNonValide},
      // The swatch stays black, but the option and the swatch are already on;
      // a state beyond 2 leaves the box as laid out.
      {{{L"couleur fond", L"bleu"}, {L"informations", L"7"}},
       L"optCouleur1 lblCouleur chkInfos",
       L"optCouleur1=1 lblCouleur=0 chkInfos=0 [! Pixavue-SCR: Incompatibilité de type.] " + kNonValide},
      // A folder that is gone: the list stays on the working folder.
      {{{L"dossier demarrage", L"D:\\parti"}},
       L"txtDossier File1",
       L"txtDossier=D:\\parti File1=C:\\courant/0 [! Pixavue-SCR: Chemin d'accès introuvable.] " + kAucunFichier},
      {{{L"type fichier", L"3"}}, L"File1", L"File1=C:\\windows/0 " + kAucunFichier},
      // On only when they read as 1, as the run reads them.
      {{{L"sous dossiers", L"1"}, {L"ordre aleatoire", L"2"}},
       L"chkSousDossiers chkAleatoire",
       L"chkSousDossiers=1 chkAleatoire=0"},
  };
  for (const auto& [reglages, montres, etat] : cas) {
    BancOptions banc;
    banc.charger(reglages);
    EXPECT_EQ(banc.etat(montres), etat);
    if (reglages.size() == 0) {  // what it wrote; the window centred, in twips, on the 1024 x 768 screen
      EXPECT_EQ(std::tuple(banc.reglages(), banc.fenetre.gauche, banc.fenetre.haut),
                std::tuple(L"chemin fichier=1 dossier demarrage=C:\\windows informations=1 secondes=4 taille=1 "
                           L"type fichier=0 ",
                           (1024 * 15 - 5175) / 2.0, (768 * 15 - 5985) / 2.0));
    }
  }
}

TEST(ChargementOptions, WithoutAudioOutputTheSoundControlsAreOffAndTheStoredSoundIsSavedBack) {
  BancOptions banc;
  banc.media.sorties = 0;
  frmOptions& o = banc.charger({{L"son", L"C:\\sons\\pluie.wav"}});
  banc.magasin.valeurs.clear();
  o.cmdEnregistrer_Click();
  EXPECT_EQ(banc.etat(L"chkSon cmdOuvrirSon cmdJouer cmdStopSon son") + L", saved " +
                banc.magasin.lire_parametre(L"PixavueSCR", L"parametres", L"son"),
            L"-chkSon=0 -cmdOuvrirSon -cmdJouer -cmdStopSon son=, saved C:\\sons\\pluie.wav");
}

// Nothing is written; the folder text is focused and selected to its end from
// where its selection started.
TEST(EnregistrementOptions, AFolderTextThatIsNoFolderOrNoTypeIsRefused) {
  const std::wstring pas_un_dossier =
      L"cmdEnregistrer [i Dossier de démarrage...: Le dossier à afficher au démarrage ne semble pas un dossier "
      L"valide.] txtDossier 2+";
  struct Cas {
    const wchar_t *type, *texte;
    std::wstring etat;
  } cas[] = {
      {L"0", L"D:\\rien", pas_un_dossier + L"7"},
      {L"0", L"C:\\windows\\a.bmp", pas_un_dossier + L"16"},
      {L"0", L"C:\\win*", pas_un_dossier + L"7"},
      {L"11", L"C:\\windows", L"cmdEnregistrer [i Type de fichier: Sélectionnez un type de fichier.] lstFiltres 2+0"}};
  for (const auto& [type, texte, etat] : cas) {
    BancOptions banc;
    frmOptions& o = banc.charger({{L"type fichier", type}});
    o.txtDossier.par_l_utilisateur_Text(texte);
    banc.fenetre.boites.clear();
    banc.magasin.ecritures.clear();
    o.cmdEnregistrer.set_Enabled(true);
    o.cmdEnregistrer_Click();
    const SelectionTexte& selection = banc.fenetre.selection_texte;
    EXPECT_EQ(banc.etat(L"cmdEnregistrer") + L" " + banc.fenetre.focus + L" " + std::to_wstring(selection.debut) +
                  L"+" + std::to_wstring(selection.longueur),
              etat);
    EXPECT_TRUE(banc.magasin.ecritures.empty());
  }
}

struct Reactions : ::testing::Test {
  BancOptions banc;
  frmOptions* o = &banc.charger();
  // Runs each step in turn, comparing the named controls' state after it.
  void etapes(const wchar_t* montres, std::initializer_list<std::pair<std::function<void()>, std::wstring>> liste) {
    for (const auto& [faire, attendu] : liste) {
      faire();
      EXPECT_EQ(banc.etat(montres), attendu);
    }
  }
};

// The hidden file list follows every prefix that names a folder, and its
// count says whether there is anything to save; browsing always enables
// saving, with a separator after the folder chosen.
TEST_F(Reactions, TheFolderTypedOrBrowsedAndTheTypeSayWhetherThereIsAnythingToSave) {
  const std::wstring photos = L" File1=D:\\photos/2 " + kAucunFichier;
  for (auto frappe : {L"D", L"D:", L"D:\\", L"D:\\p", L"D:\\photos"}) o->txtDossier.par_l_utilisateur_Text(frappe);
  etapes(L"txtDossier cmdEnregistrer File1",
         {{[] {}, L"txtDossier=D:\\photos cmdEnregistrer" + photos},  // "D:\" holds no picture: told mid-typing
          {[&] { o->txtDossier.par_l_utilisateur_Text(L"D:\\rien"); }, L"txtDossier=D:\\rien cmdEnregistrer" + photos},
          {[&] { o->txtDossier.par_l_utilisateur_Text(L"D:\\photos\\a.jpg"); },  // a file: no list there
           L"txtDossier=D:\\photos\\a.jpg -cmdEnregistrer" + photos},
          {[&] { o->lstFiltres.set_ListIndex(1); },  // bitmaps: none
           L"txtDossier=D:\\photos\\a.jpg -cmdEnregistrer File1=D:\\photos/0 " + kAucunFichier + L" " + kAucunFichier},
          {[&] { o->lstFiltres.set_ListIndex(3); },  // GIFs: one
           L"txtDossier=D:\\photos\\a.jpg cmdEnregistrer File1=D:\\photos/1 " + kAucunFichier + L" " + kAucunFichier}});
  banc.fenetre.boites.clear();
  o->cmdEnregistrer.set_Enabled(false);
  etapes(L"txtDossier cmdEnregistrer",
         {{[&] { o->cmdParcourir_Click(); }, L"txtDossier=D:\\photos\\a.jpg -cmdEnregistrer"},  // cancelled
          {[&] { banc.dialogues.dossier = L"D:\\", o->cmdParcourir_Click(); },  // a root, without pictures
           L"txtDossier=D:\\ cmdEnregistrer " + kAucunFichier},
          {[&] { banc.dialogues.dossier = L"D:\\photos", o->cmdParcourir_Click(); },
           L"txtDossier=D:\\photos\\ cmdEnregistrer " + kAucunFichier}});
}

// Ticked, the tree box makes the check count the sub-folders' pictures too,
// up to the first it finds; ticking or unticking runs the check again. Both
// boxes are saved after the eight other keys.
TEST_F(Reactions, TheTreeBoxMakesTheCheckCountTheSubFoldersUpToTheFirstPicture) {
  banc.fichiers.dossiers.insert({{L"D:\\arbre", {}}, {L"D:\\arbre\\a", {L"1.jpg"}}, {L"D:\\arbre\\b", {L"2.jpg"}}});
  std::vector<std::wstring> lus;
  banc.fichiers.avant_lecture = [&](const std::wstring& dossier) { lus.push_back(dossier); };
  o->txtDossier.par_l_utilisateur_Text(L"D:\\arbre");
  lus.clear();
  etapes(L"chkSousDossiers cmdEnregistrer",
         {{[] {}, L"chkSousDossiers=0 -cmdEnregistrer " + kAucunFichier},
          {[&] { banc.fenetre.boites.clear(), o->chkSousDossiers.set_Value(1); }, L"chkSousDossiers=1 cmdEnregistrer"},
          {[&] { o->chkSousDossiers.set_Value(0); }, L"chkSousDossiers=0 -cmdEnregistrer " + kAucunFichier}});
  EXPECT_EQ(lus, (std::vector<std::wstring>{L"D:\\arbre", L"D:\\arbre\\a", L"D:\\arbre"}));
  o->chkSousDossiers.set_Value(1);
  o->chkAleatoire.set_Value(1);
  banc.magasin.ecritures.clear();
  o->cmdEnregistrer_Click();
  EXPECT_EQ(std::vector(banc.magasin.ecritures.end() - 3, banc.magasin.ecritures.end()),
            (std::vector<std::pair<std::wstring, std::wstring>>{
                {L"son", L""}, {L"sous dossiers", L"1"}, {L"ordre aleatoire", L"1"}}));
}

// The last type lists what the system's decoders take beyond the program's
// own types, each once, and names them, shortened when long.
TEST(TypesOptions, TheSystemsTypeListsAndNamesTheExtensionsBeyondTheProgramsOwn) {
  BancOptions banc;
  banc.codecs.noms = {L".tif", L".TIFF", L".jpg", L".jfif", L".dds", L".tga", L".jxr",
                      L".hdp", L".wdp",  L".rle", L".tif",  L"*.x",  L".",    L"ok"};
  banc.fichiers.dossiers[L"C:\\windows"].push_back(L"scan.TIF");
  frmOptions& o = banc.charger();
  o.lstFiltres.set_ListIndex(10);
  EXPECT_EQ(o.lstFiltres.elements().back() + L" " + banc.etat(L"File1"),
            L"Autres formats reconnus par le système (*.tif;*.tiff;*.jfif;*.dds;*.tga;*.jxr;...) "
            L"File1=C:\\windows/1");
}

TEST_F(Reactions, TheSoundButtonsMoveBetweenOffNoFileReadyAndPlaying) {
  const ReponseFichier vent{Issue::choisi, L"C:\\sons\\vent.mp3"}, echec{Issue::echec, L"", L"", 0, 0x3003};
  etapes(L"chkSon cmdOuvrirSon cmdJouer cmdStopSon cmdEnregistrer son",
         {{[&] { o->cmdOuvrirSon_Click(); },  // cancelled: says nothing
           L"chkSon=0 cmdOuvrirSon -cmdJouer -cmdStopSon -cmdEnregistrer son="},
          {[&] { o->chkSon.set_Value(1); },  // "son" stored empty: still no file
           L"chkSon=1 cmdOuvrirSon -cmdJouer -cmdStopSon cmdEnregistrer son="},
          {[&] { banc.dialogues.fichier = vent, o->cmdOuvrirSon_Click(); },  // ready
           L"chkSon=1 cmdOuvrirSon cmdJouer -cmdStopSon cmdEnregistrer son=C:\\sons\\vent.mp3"},
          {[&] { o->cmdJouer_Click(); },
           L"chkSon=1 cmdOuvrirSon -cmdJouer cmdStopSon cmdEnregistrer son=C:\\sons\\vent.mp3 (joue)"},
          {[&] { o->cmdStopSon_Click(); },
           L"chkSon=1 cmdOuvrirSon cmdJouer -cmdStopSon cmdEnregistrer son=C:\\sons\\vent.mp3"},
          {[&] { o->cmdJouer_Click(), o->chkSon.set_Value(0); },  // the music goes on
           L"chkSon=0 -cmdOuvrirSon -cmdJouer -cmdStopSon cmdEnregistrer son=C:\\sons\\vent.mp3 (joue)"},
          {[&] { banc.magasin.poser(L"son", L"C:\\sons\\stocke.wav"), o->chkSon.set_Value(1); },  // the stored one
           L"chkSon=1 cmdOuvrirSon cmdJouer -cmdStopSon cmdEnregistrer son=C:\\sons\\stocke.wav"},
          {[&] { banc.dialogues.fichier = echec, o->cmdOuvrirSon_Click(); },  // FNERR_BUFFERTOOSMALL
           L"chkSon=1 cmdOuvrirSon cmdJouer -cmdStopSon cmdEnregistrer son=C:\\sons\\stocke.wav [x Erreur: Erreur "
           L"inattendue dans le déroulement du programme:\r\nErreur de la boîte de dialogue commune 12291.]"}});
  EXPECT_EQ(banc.media.fichier, L"C:\\sons\\stocke.wav");  // what the player opened last
  // The chooser's filter as the system takes it: each "|" a NUL, and two more.
  EXPECT_EQ(filtre_systeme(L"Sons|*.wav|"), std::wstring(L"Sons\0*.wav\0\0\0", 13));
}

TEST_F(Reactions, TheColourOptionsAndTheSwatch) {
  const ReponseCouleur vert{Issue::choisi, 0x00FF00};
  etapes(
      L"optCouleur0 optCouleur1 lblCouleur cmdEnregistrer",
      {{[&] { o->lblCouleur_Click(), o->optCouleur[1].set_Value(1); },  // off while random: nothing
        L"optCouleur0=0 optCouleur1=1 lblCouleur=0 cmdEnregistrer"},
       {[&] { banc.dialogues.couleur = vert, o->lblCouleur_Click(); },
        L"optCouleur0=0 optCouleur1=1 lblCouleur=65280 cmdEnregistrer"},
       {[&] { banc.dialogues.couleur = {}, o->cmdEnregistrer.set_Enabled(false), o->lblCouleur_Click(); },  // cancelled
        L"optCouleur0=0 optCouleur1=1 lblCouleur=65280 -cmdEnregistrer"},
       {[&] { o->optCouleur[0].set_Value(1); },  // the swatch keeps its colour
        L"optCouleur0=1 optCouleur1=0 -lblCouleur=65280 cmdEnregistrer"}});
  // The chooser starts on the swatch's colour.
  EXPECT_EQ(banc.dialogues.couleurs_donnees, (std::vector<std::uint32_t>{0, 0x00FF00}));
}

TEST_F(Reactions, SizeIntervalAndCaptionsOnlyMarkAChange) {
  for (auto changer : std::initializer_list<std::function<void()>>{
           [&] { o->lstTaille.set_ListIndex(0); }, [&] { o->cboTemps.set_ListIndex(0); },
           [&] { o->chkInfos.set_Value(0); }, [&] { o->chkNomFichier.set_Value(0); }})
    etapes(L"cmdEnregistrer", {{[&] { o->cmdEnregistrer.set_Enabled(false), changer(); }, L"cmdEnregistrer"}});
}

// F1 opens the help page beside the program, unless it is missing or hidden;
// F2 does nothing. The viewer starts from its own setting, or its error shows.
TEST_F(Reactions, F1AndTheViewerButtonOpenWhatTheyNameOrSayWhatIsWrong) {
  for (int touche : {112, 113}) o->Form_KeyDown(touche);
  banc.fichiers.dossiers[L"C:\\Programmes\\Pixavue"] = {L"pixavuescr.htm"};
  o->Form_KeyDown(112);
  banc.fichiers.caches = {L"C:\\Programmes\\Pixavue\\pixavuescr.htm"};
  o->Form_KeyDown(112);
  EXPECT_EQ(banc.processus.documents, std::vector<std::wstring>{L"C:\\Programmes\\Pixavue\\pixavuescr.htm"});
  banc.processus.dossier_du_programme = L"E:\\";  // a root: one separator
  EXPECT_EQ(o->chemin_app(), L"E:\\");

  banc.magasin.valeurs[{L"Pixavue", L"parametres", L"dossier application"}] = L"C:\\Pixavue\\";
  o->cmdPixavue_Click();
  banc.processus.erreur_lancement = Processus::ErreurLancement{53, L"Fichier introuvable."};
  o->cmdPixavue_Click();
  EXPECT_EQ(banc.processus.lances, std::vector<std::wstring>(2, L"C:\\Pixavue\\Pixavue.exe"));
  EXPECT_EQ(banc.fenetre.titres.size(), 3u);  // two for the help page
  EXPECT_EQ(banc.fenetre.boites.back(), L"[x Erreur...: No: 53\r\nDescription:\r\nFichier introuvable.]");
}

}  // namespace
}  // namespace pixavue::test
