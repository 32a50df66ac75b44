// The slideshow tick: order, wrap-round, the empty list, the error path.
#include <gtest/gtest.h>

#include "fakes.h"
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

constexpr wchar_t kErreur[] = L"Erreur lors de la lecture du fichier";

struct Tick : ::testing::Test {
  test::Banc banc;
  frmVeille fenetre{banc.services(), 96};

  // A full-screen start on 800 x 600 over a folder of these files.
  void demarrer(std::vector<std::wstring> noms, const wchar_t* dossier = L"D:\\img") {
    banc.ecran.taille = {800 * 15.0, 600 * 15.0, 15, 15};
    banc.fichiers.dossiers[dossier] = std::move(noms);
    banc.magasin.poser(L"dossier demarrage", dossier);
    banc.processus.ligne = L"/s";
    fenetre.Form_Load();
  }
  void image(const std::wstring& chemin, double l, double h) { banc.images.tailles[chemin] = {l, h}; }
};

TEST_F(Tick, WalksTheListInOrderAndRoundAgain) {
  demarrer({L"a.bmp", L"b.bmp", L"c.bmp"});
  for (const wchar_t* n : {L"D:\\img\\a.bmp", L"D:\\img\\b.bmp", L"D:\\img\\c.bmp"}) image(n, 100, 50);
  std::vector<std::wstring> montrees;
  for (int i = 0; i < 7; ++i) {
    fenetre.Timer1_Timer();
    montrees.push_back(fenetre.lblInfo.Caption);
    EXPECT_FALSE(fenetre.txtInfos.Visible);
  }
  EXPECT_EQ(montrees,
            (std::vector<std::wstring>{L"D:\\img\\a.bmp", L"D:\\img\\b.bmp", L"D:\\img\\c.bmp", L"D:\\img\\a.bmp",
                                       L"D:\\img\\b.bmp", L"D:\\img\\c.bmp", L"D:\\img\\a.bmp"}));
  EXPECT_EQ(banc.images.chargees, montrees);  // each tick reads its file afresh
  EXPECT_EQ(banc.fenetre.arrets, 0);
}

TEST_F(Tick, OneFileIsShownOnEveryTickAndARootGetsNoSecondBackslash) {
  demarrer({L"seule.jpg"}, L"C:\\");
  image(L"C:\\seule.jpg", 320, 240);
  for (int i = 0; i < 3; ++i) fenetre.Timer1_Timer();
  EXPECT_EQ(banc.images.chargees, std::vector<std::wstring>(3, L"C:\\seule.jpg"));
  EXPECT_EQ(fenetre.IndexImage, 1);
}

TEST_F(Tick, ShowsTheFittedPictureCentredOverItsColour) {
  demarrer({L"a.jpg"});
  image(L"D:\\img\\a.jpg", 1024, 768);
  banc.magasin.poser(L"couleur fond", L"0");
  fenetre.Timer1_Timer();
  const Controle& montree = fenetre.Image1[1];
  EXPECT_TRUE(montree.Visible && montree.Stretch);
  EXPECT_FALSE(fenetre.Image1[0].Visible);
  EXPECT_EQ(montree.Picture, fenetre.Image1[0].Picture);
  EXPECT_NEAR(montree.Width, 798, 1e-3);
  EXPECT_EQ(montree.Height, 600);
  EXPECT_NEAR(montree.Left, 1, 1e-3);
  EXPECT_EQ(fenetre.BackColor, Couleur::rgb(0));
  EXPECT_EQ(fenetre.lblInfo.ForeColor, Couleur::rgb(0xFFFFFF));
  // Mode 1 may shrink it into the screen: the decoder is told the screen's size.
  ASSERT_EQ(banc.images.cadres.size(), 1u);
  EXPECT_EQ(banc.images.cadres[0], (Cadre{{800, 600}}));
}

TEST_F(Tick, AnEmptyListShowsItsMessageAndEndsOnTheTwentiethTick) {
  demarrer({});
  for (int i = 1; i < 20; ++i) {
    fenetre.Timer1_Timer();
    EXPECT_EQ(banc.processus.terminaisons, 0) << i;
  }
  EXPECT_EQ(fenetre.txtInfos.Caption, L"Aucuns fichiers à visionner...");
  EXPECT_TRUE(fenetre.txtInfos.Visible);
  EXPECT_EQ(fenetre.txtInfos.ForeColor, Couleur::rgb(0x0000FF));
  EXPECT_EQ(fenetre.txtInfos.BackColor, Couleur::rgb(0));
  EXPECT_EQ(fenetre.txtInfos.Font.points, 14);
  EXPECT_TRUE(fenetre.txtInfos.Font.gras);
  EXPECT_EQ(fenetre.BackColor, Couleur::rgb(0));
  EXPECT_EQ(fenetre.lblInfo.Caption, L"");
  EXPECT_TRUE(banc.images.chargees.empty());
  fenetre.Timer1_Timer();
  EXPECT_EQ(banc.processus.terminaisons, 1);
}

TEST_F(Tick, AFailedLoadKeepsThePreviousPictureAndGoesOn) {
  demarrer({L"a.jpg", L"b.jpg", L"c.jpg"});
  image(L"D:\\img\\a.jpg", 320, 240);
  image(L"D:\\img\\c.jpg", 2000, 500);
  fenetre.Timer1_Timer();
  const Controle avant = fenetre.Image1[1];

  fenetre.Timer1_Timer();  // b.jpg fails
  EXPECT_TRUE(fenetre.txtInfos.Visible);
  EXPECT_EQ(fenetre.txtInfos.Caption, kErreur);
  EXPECT_EQ(banc.fenetre.arrets, 1);
  EXPECT_TRUE(banc.fenetre.active);  // restarted
  EXPECT_EQ(fenetre.lblInfo.Caption, L"D:\\img\\b.jpg");
  EXPECT_EQ(fenetre.Image1[1].Picture, avant.Picture);
  EXPECT_EQ(fenetre.Image1[1].Left, avant.Left);
  EXPECT_EQ(fenetre.Image1[1].Width, avant.Width);
  EXPECT_TRUE(fenetre.Image1[1].Visible);
  EXPECT_EQ(fenetre.IndexImage, 2);

  fenetre.Timer1_Timer();
  EXPECT_FALSE(fenetre.txtInfos.Visible);
  EXPECT_EQ(fenetre.Image1[1].Width, 800);
  EXPECT_EQ(fenetre.Image1[1].Height, 200);
}

TEST_F(Tick, AnUnreadableFirstFileShowsNoPicture) {
  demarrer({L"a.jpg"});
  fenetre.Timer1_Timer();
  EXPECT_EQ(fenetre.Image1[1].Picture, nullptr);
  EXPECT_EQ(fenetre.txtInfos.Caption, kErreur);
}

TEST_F(Tick, ABadColourShowsTheErrorOnEveryTickWhilePicturesGoOn) {
  demarrer({L"a.jpg", L"b.jpg"});
  image(L"D:\\img\\a.jpg", 100, 100);
  image(L"D:\\img\\b.jpg", 200, 100);
  banc.magasin.poser(L"couleur fond", L"bleu");
  const Couleur depart = fenetre.BackColor;
  for (int i = 0; i < 3; ++i) {
    fenetre.Timer1_Timer();
    EXPECT_EQ(fenetre.txtInfos.Caption, kErreur);
    EXPECT_TRUE(fenetre.txtInfos.Visible);
    EXPECT_EQ(fenetre.BackColor, depart);
    EXPECT_EQ(fenetre.lblInfo.ForeColor, Couleur::rgb(0));
    EXPECT_NE(fenetre.Image1[1].Picture, nullptr);
  }
}

TEST_F(Tick, SizeModeFromTaille) {
  struct Cas {
    const wchar_t* taille;
    double largeur;
    bool erreur;
  } cas[] = {
      {L"", 1000, false},                                                                       // mode 0: natural size
      {L"abc", 1000, false}, {L"1", 800, false},     {L"2", 800, false}, {L"1.5", 800, false},  // rounds to 2
      {L"2.5", 800, false},                                                                     // rounds to 2
      {L"3", 1000, false},                            // out of 0 to 2: natural
      {L"-1", 1000, false},  {L"40000", 1000, true},  // too large for 16 bits: error, then mode 0
  };
  for (auto [taille, largeur, erreur] : cas) {
    test::Banc b;
    b.ecran.taille = {800 * 15.0, 600 * 15.0, 15, 15};
    b.fichiers.dossiers[L"D:\\img"] = {L"a.jpg"};
    b.images.tailles[L"D:\\img\\a.jpg"] = {1000, 700};
    auto f = b.demarrer(L"/s", {{L"dossier demarrage", L"D:\\img"}});
    b.magasin.poser(L"taille", taille);  // after the start-up, which fills an empty one
    f->Timer1_Timer();
    EXPECT_NEAR(f->Image1[1].Width, largeur, 1) << taille;
    EXPECT_EQ(f->txtInfos.Visible, erreur) << taille;
    EXPECT_EQ(b.images.cadres.back().has_value(), largeur == 800) << taille;
  }
}

}  // namespace
}  // namespace pixavue
