// The settings dialog's load and save: what each control shows, what is
// written and in which order, and every way a save is refused.
#include <gtest/gtest.h>

#include "faux_dialogue.h"

namespace pixavue {
namespace {

using test::BancOptions;
using test::Boite;
using Ecritures = std::vector<std::pair<std::wstring, std::wstring>>;

TEST(ChargementOptions, AnEmptyStoreGetsItsSixDefaultsAndTheControlsShowThem) {
  BancOptions banc;
  frmOptions& o = banc.charger();
  EXPECT_EQ(banc.magasin.ecritures, (Ecritures{{L"dossier demarrage", L"C:\\windows"},
                                               {L"secondes", L"4"},
                                               {L"chemin fichier", L"1"},
                                               {L"type fichier", L"0"},
                                               {L"taille", L"1"},
                                               {L"informations", L"1"}}));
  EXPECT_TRUE(banc.fenetre.boites.empty());
  EXPECT_EQ(o.txtDossier.Text(), L"C:\\windows");
  EXPECT_EQ(o.cboTemps.ListCount(), 60);
  EXPECT_EQ(o.cboTemps.elements()[o.cboTemps.ListIndex()], L" 5");
  EXPECT_EQ(o.cboTemps.elements().back(), L" 60");
  EXPECT_EQ(o.optCouleur[0].Value(), 1);
  EXPECT_EQ(o.optCouleur[1].Value(), 0);
  EXPECT_FALSE(o.lblCouleur.Enabled());
  EXPECT_EQ(o.lblCouleur.BackColor(), Couleur::rgb(0));
  EXPECT_EQ(o.chkNomFichier.Value(), 1);
  EXPECT_EQ(o.lstFiltres.ListCount(), 9);
  EXPECT_EQ(o.lstFiltres.elements()[o.lstFiltres.ListIndex()], L"Tous les fichiers images");
  EXPECT_EQ(o.lstTaille.elements()[o.lstTaille.ListIndex()], L"Adaptée à l'écran (image plus grande)");
  EXPECT_EQ(o.chkInfos.Value(), 1);
  EXPECT_TRUE(o.chkSon.Enabled());
  EXPECT_EQ(o.chkSon.Value(), 0);
  EXPECT_TRUE(o.cmdOuvrirSon.Enabled());
  EXPECT_FALSE(o.cmdJouer.Enabled() || o.cmdStopSon.Enabled() || o.cmdEnregistrer.Enabled());
  EXPECT_FALSE(o.cmdPixavue.Enabled());
  EXPECT_TRUE(banc.son.Lecteur);
  EXPECT_EQ(o.File1.ListCount(), 2);  // the pictures of the Windows folder
  // Centred, in twips, on the 1024 x 768 screen.
  EXPECT_DOUBLE_EQ(banc.fenetre.gauche, (1024 * 15 - 5175) / 2.0);
  EXPECT_DOUBLE_EQ(banc.fenetre.haut, (768 * 15 - 5985) / 2.0);
}

TEST(ChargementOptions, StoredValuesAndTheirEdges) {
  const Boite valeur_non_valide{L"Valeur de propriété non valide.", L"Pixavue-SCR", Icone::avertissement};
  struct Cas {
    const wchar_t* secondes;
    int indice;
    bool avertit;
  } cas[] = {{L"0", 0, false}, {L"59", 59, false}, {L"60", -1, true}, {L"4.5", 4, false}, {L"5.5", 6, false}};
  for (auto [secondes, indice, avertit] : cas) {
    BancOptions banc;
    frmOptions& o = banc.charger({{L"secondes", secondes}});
    EXPECT_EQ(o.cboTemps.ListIndex(), indice) << secondes;
    EXPECT_EQ(banc.fenetre.boites, avertit ? std::vector<Boite>{valeur_non_valide} : std::vector<Boite>{});
  }

  BancOptions rouge;
  frmOptions& r = rouge.charger({{L"couleur fond", L"255"}, {L"type fichier", L"9"}});
  EXPECT_EQ(r.optCouleur[1].Value(), 1);
  EXPECT_EQ(r.optCouleur[0].Value(), 0);
  EXPECT_TRUE(r.lblCouleur.Enabled());
  EXPECT_EQ(r.lblCouleur.BackColor(), Couleur::rgb(0x0000FF));
  EXPECT_EQ(r.lstFiltres.ListIndex(), -1);
  EXPECT_EQ(rouge.fenetre.boites, std::vector<Boite>{valeur_non_valide});
  EXPECT_FALSE(r.cmdEnregistrer.Enabled());

  BancOptions illisible;  // the swatch stays black, but the option and the swatch are already on
  frmOptions& i = illisible.charger({{L"couleur fond", L"bleu"}, {L"informations", L"7"}});
  EXPECT_EQ(i.optCouleur[1].Value(), 1);
  EXPECT_TRUE(i.lblCouleur.Enabled());
  EXPECT_EQ(i.lblCouleur.BackColor(), Couleur::rgb(0));
  EXPECT_EQ(i.chkInfos.Value(), 0);  // a state beyond 2 leaves the box as laid out
  EXPECT_EQ(illisible.titres_des_boites(), (std::vector<std::wstring>{L"Pixavue-SCR", L"Pixavue-SCR"}));

  BancOptions visualiseur;
  visualiseur.magasin.valeurs[{L"Pixavue", L"parametres", L"dossier application"}] = L"C:\\Pixavue\\";
  EXPECT_TRUE(visualiseur.charger().cmdPixavue.Enabled());
}

TEST(ChargementOptions, AFolderThatIsGoneOrEmptyOfThatTypeIsToldWhileLoading) {
  BancOptions parti;
  frmOptions& p = parti.charger({{L"dossier demarrage", L"D:\\parti"}});
  EXPECT_EQ(p.txtDossier.Text(), L"D:\\parti");
  EXPECT_EQ(p.File1.Path(), L"C:\\courant");  // stays on the working folder
  ASSERT_GE(parti.fenetre.boites.size(), 1u);
  EXPECT_EQ(parti.fenetre.boites[0], (Boite{L"Chemin d'accès introuvable.", L"Pixavue-SCR", Icone::avertissement}));

  BancOptions sans_gif;
  sans_gif.charger({{L"type fichier", L"3"}});
  EXPECT_EQ(sans_gif.titres_des_boites(), std::vector<std::wstring>{L"Information"});
  EXPECT_EQ(sans_gif.fenetre.boites[0].texte, L"Aucun fichier, du type souhaité, trouvé dans le dossier spécifié.");
}

TEST(ChargementOptions, AStoredSoundIsOpenedTwiceAndReadyToPlay) {
  BancOptions banc;
  frmOptions& o = banc.charger({{L"son", L"C:\\sons\\pluie.wav"}});
  EXPECT_EQ(o.chkSon.Value(), 1);
  EXPECT_TRUE(o.cmdOuvrirSon.Enabled() && o.cmdJouer.Enabled());
  EXPECT_FALSE(o.cmdStopSon.Enabled() || o.cmdEnregistrer.Enabled());
  EXPECT_EQ(banc.son.FichierSon, L"C:\\sons\\pluie.wav");
  // Picture1 is 2835 x 2235 twips; its handle owns any video.
  const std::vector<std::wstring> ouvertures = {L"1:RenderFile(C:\\sons\\pluie.wav)",
                                                L"2:RenderFile(C:\\sons\\pluie.wav)"};
  EXPECT_EQ(banc.media.appels_de(L"RenderFile"), ouvertures);
  EXPECT_EQ(banc.media.appels_de(L"2:put_Width"), std::vector<std::wstring>{L"2:put_Width(2835)"});
  EXPECT_EQ(banc.media.appels_de(L"2:put_Owner"), std::vector<std::wstring>{L"2:put_Owner(8192)"});
  EXPECT_FALSE(banc.media.en_lecture);
}

TEST(ChargementOptions, WithoutAudioOutputTheSoundControlsAreOffAndTheStoredSoundIsKept) {
  BancOptions banc;
  banc.media.sorties = 0;
  frmOptions& o = banc.charger({{L"son", L"C:\\sons\\pluie.wav"}});
  EXPECT_FALSE(o.chkSon.Enabled() || o.cmdOuvrirSon.Enabled() || o.cmdJouer.Enabled() || o.cmdStopSon.Enabled());
  EXPECT_EQ(o.chkSon.Value(), 0);
  EXPECT_TRUE(banc.son.FichierSon.empty());
  EXPECT_EQ(banc.magasin.lire_parametre(L"PixavueSCR", L"parametres", L"son"), L"C:\\sons\\pluie.wav");

  o.chkInfos.set_Value(0);
  o.cmdEnregistrer_Click();
  EXPECT_EQ(banc.magasin.ecritures.back(), (std::pair<std::wstring, std::wstring>{L"son", L"C:\\sons\\pluie.wav"}));
}

TEST(EnregistrementOptions, WritesTheEightSettingsInOrderThenMarksThemSaved) {
  BancOptions banc;
  banc.fichiers.dossiers[L"D:\\photos"] = {L"a.jpg"};
  frmOptions& o = banc.charger({{L"couleur fond", L"65280"}, {L"son", L"C:\\sons\\pluie.wav"}});
  banc.magasin.ecritures.clear();
  o.txtDossier.par_l_utilisateur_Text(L"D:\\photos");
  o.cboTemps.set_ListIndex(9);
  o.lstTaille.set_ListIndex(2);
  o.chkNomFichier.set_Value(0);
  o.lstFiltres.set_ListIndex(4);
  ASSERT_TRUE(o.cmdEnregistrer.Enabled());
  o.cmdEnregistrer_Click();
  EXPECT_EQ(banc.magasin.ecritures, (Ecritures{{L"informations", L"1"},
                                               {L"secondes", L"9"},
                                               {L"dossier demarrage", L"D:\\photos"},
                                               {L"type fichier", L"4"},
                                               {L"couleur fond", L"65280"},
                                               {L"chemin fichier", L"0"},
                                               {L"taille", L"2"},
                                               {L"son", L"C:\\sons\\pluie.wav"}}));
  EXPECT_FALSE(o.cmdEnregistrer.Enabled());

  // Random colour and no music: both written empty, the swatch's colour kept.
  o.optCouleur[0].set_Value(1);
  o.chkSon.set_Value(0);
  banc.magasin.ecritures.clear();
  o.cmdEnregistrer_Click();
  EXPECT_EQ(banc.magasin.ecritures[4], (std::pair<std::wstring, std::wstring>{L"couleur fond", L""}));
  EXPECT_EQ(banc.magasin.ecritures[7], (std::pair<std::wstring, std::wstring>{L"son", L""}));
  EXPECT_EQ(o.lblCouleur.BackColor(), Couleur::rgb(65280));
}

TEST(EnregistrementOptions, AFolderTextThatIsNoFolderIsRefusedWithItsTextSelected) {
  for (const wchar_t* texte : {L"D:\\rien", L"C:\\windows\\a.bmp", L"C:\\win*"}) {
    BancOptions banc;
    frmOptions& o = banc.charger();
    o.txtDossier.par_l_utilisateur_Text(texte);
    banc.fenetre.boites.clear();
    banc.magasin.ecritures.clear();
    o.cmdEnregistrer.set_Enabled(true);
    o.cmdEnregistrer_Click();
    EXPECT_EQ(banc.fenetre.boites, (std::vector<Boite>{{L"Le dossier à afficher au démarrage ne semble pas un dossier "
                                                        L"valide.",
                                                        L"Dossier de démarrage...", Icone::information}}))
        << texte;
    EXPECT_TRUE(banc.magasin.ecritures.empty()) << texte;
    EXPECT_EQ(banc.fenetre.focus, L"txtDossier");
    EXPECT_EQ(banc.fenetre.selection_texte.debut, 2);  // the start stays where it was
    EXPECT_EQ(banc.fenetre.selection_texte.longueur, static_cast<int>(std::wstring(texte).size()));
    EXPECT_TRUE(o.cmdEnregistrer.Enabled());
  }

  BancOptions vide;  // an empty text is saved as it is
  frmOptions& v = vide.charger();
  v.txtDossier.par_l_utilisateur_Text(L"");
  v.cmdEnregistrer_Click();
  EXPECT_EQ(vide.magasin.ecritures.back().first, L"son");
  EXPECT_EQ(vide.magasin.lire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage"), L"");
}

TEST(EnregistrementOptions, NoFileTypeAsksForOne) {
  BancOptions banc;
  frmOptions& o = banc.charger({{L"type fichier", L"9"}});
  banc.fenetre.boites.clear();
  banc.magasin.ecritures.clear();
  o.cmdEnregistrer_Click();
  EXPECT_EQ(banc.fenetre.boites,
            (std::vector<Boite>{{L"Sélectionnez un type de fichier.", L"Type de fichier", Icone::information}}));
  EXPECT_EQ(banc.fenetre.focus, L"lstFiltres");
  EXPECT_TRUE(banc.magasin.ecritures.empty());
}

TEST(FermetureOptions, ClosingWritesNothingStopsTheMusicAndEnds) {
  BancOptions banc;
  frmOptions& o = banc.charger({{L"son", L"C:\\sons\\pluie.wav"}});
  o.cmdJouer_Click();
  o.chkInfos.set_Value(0);
  banc.magasin.ecritures.clear();
  o.cmdFermer_Click();
  EXPECT_TRUE(banc.magasin.ecritures.empty());
  EXPECT_FALSE(banc.media.en_lecture);
  EXPECT_FALSE(banc.son.Lecteur);
  EXPECT_EQ(banc.processus.terminaisons, 1);
}

}  // namespace
}  // namespace pixavue
