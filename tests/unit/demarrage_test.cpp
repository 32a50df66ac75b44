// The screensaver window's start-up: defaults, run modes, full-screen set-up.
#include <gtest/gtest.h>

#include "fakes.h"
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

using test::Banc;

struct Demarrage : ::testing::Test {
  Banc banc;
  frmVeille fenetre{banc.services(), 96};

  SuiteDemarrage lancer(const wchar_t* argument) {
    banc.processus.ligne = argument;
    return fenetre.Form_Load();
  }
};

TEST_F(Demarrage, FirstRunWritesTheSevenDefaultsInOrder) {
  EXPECT_EQ(lancer(L"/p 1234"), SuiteDemarrage::fin);
  std::vector<std::pair<std::wstring, std::wstring>> attendues = {
      {L"dossier demarrage", L"C:\\windows"},
      {L"secondes", L"4"},
      {L"chemin fichier", L"1"},
      {L"type fichier", L"0"},
      {L"couleur fond", L""},
      {L"informations", L"1"},
      {L"taille", L"1"},
  };
  EXPECT_EQ(banc.magasin.ecritures, attendues);
  EXPECT_FALSE(banc.magasin.existe(L"son"));  // only a full-screen start writes it
}

TEST_F(Demarrage, KeepsWhatIsSetAndRewritesWhatIsEmpty) {
  banc.magasin.poser(L"dossier demarrage", L" ");  // blanks are not empty
  banc.magasin.poser(L"secondes", L"9");
  banc.magasin.poser(L"couleur fond", L"");
  banc.magasin.poser(L"taille", L"");
  lancer(L"/a");
  std::vector<std::pair<std::wstring, std::wstring>> attendues = {
      {L"chemin fichier", L"1"}, {L"type fichier", L"0"}, {L"couleur fond", L""},
      {L"informations", L"1"},   {L"taille", L"1"},
  };
  EXPECT_EQ(banc.magasin.ecritures, attendues);
}

TEST_F(Demarrage, ASecondCopyEndsBeforeWritingAnything) {
  banc.processus.deja_lance = true;
  EXPECT_EQ(lancer(L"/s"), SuiteDemarrage::fin);
  EXPECT_TRUE(banc.magasin.ecritures.empty());
  EXPECT_FALSE(banc.fenetre.active);
}

TEST_F(Demarrage, OnlyTheFullScreenRunPreparesAnything) {
  for (const wchar_t* argument : {L"/a", L"/x", L" /s"}) {
    Banc autre;
    auto nue = autre.demarrer(argument);
    EXPECT_FALSE(autre.fenetre.active || autre.fenetre.maximisee || autre.fenetre.devant) << argument;
    EXPECT_EQ(autre.ecran.compte_curseur, 0) << argument;
    EXPECT_TRUE(nue->txtInfos.Visible);
    EXPECT_FALSE(nue->lblInfo.Visible || nue->lblCopyright.Visible || nue->lblCliquez.Visible);
  }
  EXPECT_EQ(lancer(L""), SuiteDemarrage::options);
  EXPECT_EQ(banc.ecran.compte_curseur, 0);
}

TEST_F(Demarrage, FullScreenPlacesTheCaptionsOnA1024By768Screen) {
  EXPECT_EQ(lancer(L"/s"), SuiteDemarrage::fenetre);
  EXPECT_TRUE(banc.fenetre.maximisee);
  EXPECT_TRUE(banc.fenetre.devant);
  EXPECT_EQ(banc.ecran.compte_curseur, -1);
  EXPECT_EQ(fenetre.LargeurEcran, 1024);
  EXPECT_EQ(fenetre.HauteurEcran, 768);

  EXPECT_EQ(fenetre.lblInfo.Left, 5);
  EXPECT_EQ(fenetre.lblInfo.Top, 5);
  EXPECT_EQ(fenetre.lblInfo.Caption, L"");
  EXPECT_EQ(fenetre.lblCopyright.Left, 5);
  EXPECT_EQ(fenetre.lblCopyright.Top, 748);
  EXPECT_EQ(fenetre.lblCliquez.Top, 748);
  EXPECT_EQ(fenetre.lblCliquez.Left + fenetre.lblCliquez.Width, 1014);
  EXPECT_TRUE(fenetre.lblInfo.Visible && fenetre.lblCopyright.Visible && fenetre.lblCliquez.Visible);

  // txtInfos is 4335 x 285 twips, 289 x 19 pixels: centred, halves kept.
  EXPECT_DOUBLE_EQ(fenetre.txtInfos.Left, (1024 - 289) / 2.0);
  EXPECT_DOUBLE_EQ(fenetre.txtInfos.Top, (768 - 19) / 2.0);
  EXPECT_TRUE(fenetre.txtInfos.Visible);
  EXPECT_TRUE(banc.magasin.existe(L"son"));
}

TEST_F(Demarrage, CaptionsFollowTheirSettings) {
  banc.magasin.poser(L"informations", L"0");
  banc.magasin.poser(L"chemin fichier", L"0");
  lancer(L"/s");
  EXPECT_FALSE(fenetre.lblInfo.Visible || fenetre.lblCopyright.Visible || fenetre.lblCliquez.Visible);

  Banc autre;
  auto illisible = autre.demarrer(L"/s", {{L"informations", L"oui"}});  // not a truth value: stays hidden
  EXPECT_FALSE(illisible->lblCopyright.Visible || illisible->lblCliquez.Visible);
  EXPECT_TRUE(illisible->lblInfo.Visible);
}

TEST_F(Demarrage, HighDpiScreensKeepTheirSizeInPixels) {
  // 200 %: 7.5 twips a pixel. Rounding the factor to 8 first would give 1800.
  banc.ecran.taille = {1920 * 7.5, 1080 * 7.5, 7.5, 7.5};
  lancer(L"/s");
  EXPECT_EQ(fenetre.LargeurEcran, 1920);
  EXPECT_EQ(fenetre.HauteurEcran, 1080);
}

TEST_F(Demarrage, IntervalComesFromSecondes) {
  struct Cas {
    const wchar_t* secondes;
    double intervalle;
  } cas[] = {
      {L"0", 1000}, {L"59", 60000}, {L"4", 5000},  {L"abc", 1000}, {L"4.5", 5500},
      {L"-1", 0},   {L"65", 1000},  {L"-2", 1000}, {L"1e9", 1000}, {L"64.5", 65500},
  };
  for (auto [secondes, intervalle] : cas) {
    Banc autre;
    autre.demarrer(L"/s", {{L"secondes", secondes}});
    EXPECT_TRUE(autre.fenetre.active) << secondes;
    EXPECT_EQ(autre.fenetre.intervalle, intervalle) << secondes;  // refused values keep 1,000 ms
  }
}

TEST_F(Demarrage, PatternComesFromTypeFichier) {
  struct Cas {
    const wchar_t* type;
    int attendus;
  } cas[] = {{L"0", 4}, {L"2", 1}, {L"4", 2}, {L"9", 5}, {L"-1", 5}, {L"1.5", 5}, {L"x", 4}};
  for (auto [type, attendus] : cas) {
    Banc autre;
    autre.fichiers.dossiers[L"D:\\img"] = {L"a.dib", L"b.JPG", L"c.jpeg", L"d.gif", L"notes.txt"};
    auto f = autre.demarrer(L"/s", {{L"dossier demarrage", L"D:\\img"}, {L"type fichier", type}});
    EXPECT_EQ(f->NombreImages, attendus) << type;
    EXPECT_EQ(f->IndexImage, 0);
  }
}

TEST_F(Demarrage, AMissingFolderListsNothing) {
  banc.fichiers.dossiers[L""] = {L"a.bmp"};
  banc.magasin.poser(L"dossier demarrage", L"D:\\parti");
  lancer(L"/s");
  EXPECT_EQ(fenetre.NombreImages, 0);
  EXPECT_TRUE(banc.fenetre.active);
}

}  // namespace
}  // namespace pixavue
