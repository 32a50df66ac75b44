// The slideshow tick and its steps: order, wrap-round, errors, the empty list,
// the size mode and its box, the fitting's worked examples, the background colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sstream>

#include "fakes.h"
#include "screensaver/frmVeille.h"
#include "slideshow/ajustement.h"

namespace pixavue {
namespace {

struct Seance {
  test::Banc banc;
  std::unique_ptr<frmVeille> fenetre;

  // A full-screen start on 800 x 600 over a folder of these files, those
  // given a size being readable.
  void demarrer(std::wstring dossier, std::vector<std::pair<std::wstring, Taille>> fichiers) {
    banc.ecran.taille = {800 * 15.0, 600 * 15.0, 15, 15};
    for (const auto& [nom, taille] : fichiers) {
      banc.fichiers.dossiers[dossier].push_back(nom);
      if (taille.largeur) banc.images.tailles[dossier + (dossier.ends_with(L'\\') ? L"" : L"\\") + nom] = taille;
    }
    fenetre = banc.demarrer(L"/s", {{L"dossier demarrage", dossier.c_str()}});
  }
  // What each of these ticks shows: the path caption, the text over the
  // picture, and the picture (its natural size) at its shown size.
  std::wstring ticks(int nombre) {
    std::wostringstream o;
    for (int i = 0; i < nombre; ++i) {
      fenetre->Timer1_Timer();
      const Controle& image = fenetre->Image1[1];
      o << fenetre->lblInfo.Caption << (fenetre->txtInfos.Visible ? L" [" + fenetre->txtInfos.Caption + L"]" : L"");
      if (image.Visible && image.Picture)
        o << L" " << image.Picture->taille_naturelle().largeur << L"x" << image.Picture->taille_naturelle().hauteur
          << L" at " << image.Width << L"x" << image.Height;
      o << L"; ";
    }
    return o.str();
  }
};
struct Tick : ::testing::Test, Seance {};

// A failed load shows the error text over the previous picture, if any, and
// restarts the timer, so that the next tick comes a full interval later.
// Meanwhile the next file may be prepared, for the box of this tick; the
// first one is, from the end of the start-up, for the first tick's box.
TEST_F(Tick, WalksTheListRoundAgainAndAFailedLoadKeepsThePreviousPicture) {
  demarrer(L"C:\\", {{L"a.jpg", {}}, {L"b.jpg", {320, 240}}, {L"c.jpg", {}}, {L"d.jpg", {2000, 500}}});  // a root
  EXPECT_EQ(ticks(5),
            L"C:\\a.jpg [Erreur lors de la lecture du fichier]; C:\\b.jpg 320x240 at 320x240; "
            L"C:\\c.jpg [Erreur lors de la lecture du fichier] 320x240 at 320x240; "
            L"C:\\d.jpg 2000x500 at 800x200; "
            L"C:\\a.jpg [Erreur lors de la lecture du fichier] 2000x500 at 800x200; ");
  const wchar_t *a = L"C:\\a.jpg", *b = L"C:\\b.jpg", *c = L"C:\\c.jpg", *d = L"C:\\d.jpg";
  EXPECT_EQ(banc.images.chargees, (std::vector<std::wstring>{a, b, c, d, a}));  // each tick reads its file afresh
  EXPECT_TRUE(banc.fenetre.arrets == 3 && banc.fenetre.active);
  using Demande = std::pair<std::wstring, std::optional<Cadre>>;
  const Cadre ecran{{800, 600}};
  EXPECT_EQ(banc.images.anticipees,
            (std::vector<Demande>{{a, ecran}, {b, ecran}, {c, ecran}, {d, ecran}, {a, ecran}, {b, ecran}}));
}

// A picture decoded away from the process: the ticks leave the screen as
// it is until it is ready, then show it.
TEST_F(Tick, APictureStillBeingDecodedElsewhereKeepsTheScreenAsItIs) {
  banc.codecs.noms = {L".tif"};
  demarrer(L"D:\\img", {{L"a.jpg", {100, 100}}, {L"b.tif", {200, 100}}});
  banc.images.en_cours_ailleurs = {L"D:\\img\\b.tif"};
  EXPECT_EQ(ticks(3),
            L"D:\\img\\a.jpg 100x100 at 100x100; D:\\img\\a.jpg 100x100 at 100x100; "
            L"D:\\img\\a.jpg 100x100 at 100x100; ");
  banc.images.en_cours_ailleurs.clear();
  EXPECT_EQ(ticks(1), L"D:\\img\\b.tif 200x100 at 200x100; ");
  EXPECT_EQ(banc.images.chargees, (std::vector<std::wstring>{L"D:\\img\\a.jpg", L"D:\\img\\b.tif"}));
}

TEST_F(Tick, AnEmptyListShowsItsMessageAndEndsOnTheTwentiethTick) {
  demarrer(L"D:\\img", {});
  EXPECT_TRUE(banc.images.anticipees.empty());  // nothing to prepare
  ticks(19);
  EXPECT_EQ(banc.processus.terminaisons, 0);
  EXPECT_EQ(ticks(1), L" [Aucuns fichiers à visionner...]; ");
  EXPECT_EQ(banc.processus.terminaisons, 1);
}

// Modes 1 and 2 fit the picture into the screen, and tell the decoder, and
// the preparation of the next file, that box; mode 2 may enlarge into it.
TEST_F(Tick, SizeModeFromTaille) {
  const std::tuple<const wchar_t*, int, bool> cas[] = {
      {L"", 0, false},    {L"abc", 0, false}, {L"1", 1, false},  {L"2", 2, false},    {L"1.5", 2, false},
      {L"2.5", 2, false}, {L"3", 0, false},   {L"-1", 0, false}, {L"40000", 0, true},  // out of 16 bits
  };
  demarrer(L"D:\\img", {{L"a.jpg", {1000, 700}}});
  for (auto [taille, mode, erreur] : cas) {
    banc.magasin.poser(L"taille", taille);
    EXPECT_EQ(ticks(1), L"D:\\img\\a.jpg" + std::wstring(erreur ? L" [Erreur lors de la lecture du fichier]" : L"") +
                            (mode ? L" 1000x700 at 800x559; " : L" 1000x700 at 1000x700; "))
        << taille;
    const auto boite = mode ? std::optional(Cadre{{800, 600}, mode == 2}) : std::nullopt;
    EXPECT_EQ(banc.images.cadres.back(), boite) << taille;
    EXPECT_EQ(banc.images.anticipees.back().second, boite) << taille;
  }
}

TEST(Ajustement, WorkedExamples) {
  // Mode, the picture's width and height, the screen's, then the displayed
  // slot: width x height at left, top.
  const std::tuple<std::int16_t, double, double, std::int16_t, std::int16_t, const char*> cas[] = {
      {1, 1024, 768, 800, 600, "798x600 at 1,0"},     // Rapport 1.33: 601 overflows, back to 600 x 798
      {1, 320, 240, 800, 600, "320x240 at 240,180"},  // fits
      {2, 320, 240, 800, 600, "798x600 at 1,0"},      // enlarged like the large one
      {2, 600, 800, 800, 600, "451x600 at 174.5,0"},  // tall: 600 / 1.33 = 451.12...
      {1, 2000, 500, 800, 600, "800x200 at 0,200"},   // Rapport 4
      {1, 1000, 1000, 800, 600, "600x600 at 100,0"},  // square
      {2, 1000, 1000, 800, 600, "600x600 at 100,0"},
      {0, 1000, 700, 800, 600, "1000x700 at -100,-50"},  // cropped by the edges
      {1, 800, 600, 800, 600, "800x600 at 0,0"},         // equality fits
      {1, 1600, 1200, 1024, 768, "1021.44x768 at 1.28,0"},
      {7, 1000, 700, 800, 600, "1000x700 at -100,-50"},  // unknown modes change nothing
      {-1, 10, 10, 800, 600, "10x10 at 395,295"},
      {2, 500, 2000, 800, 600, "150x600 at 325,0"},    // tall, Rapport 4
      {2, 3000, 600, 800, 600, "800x160 at 0,220"},    // wide, Rapport 5
      {2, 10, 7, 800, 600, "800x559 at 0,20.5"},       // 10 / 7 rounds to 1.43; 800 / 1.43 = 559.44...
      {2, 0, 50, 800, 600, "fault 600x600 at 100,0"},  // no proportion: the rule goes on with 1
  };
  for (auto [mode, w, h, W, H, attendu] : cas) {
    Controle travail{.Width = w, .Height = h}, affichee;
    const bool juste = ajuster(travail, mode, W, H);
    placer(affichee, travail, W, H);
    auto m = [](double v) { return std::round(v * 1000) / 1000; };  // without single precision's noise
    std::ostringstream montre;
    montre << (juste ? "" : "fault ") << m(affichee.Width) << "x" << m(affichee.Height) << " at " << m(affichee.Left)
           << "," << m(affichee.Top)
           << (travail.Stretch && affichee.Stretch && affichee.Visible ? "" : " unstretched or hidden");
    EXPECT_EQ(montre.str(), attendu) << w << "x" << h << " mode " << mode;
  }
}

TEST(Ajustement, RapportIsRoundedToTwoDecimalsHalvesToEven) {
  // 1.005, 1.015 and 1.025 fall just below their halves in single precision;
  // 1.125 and 1.375 are exact halves, and go to the even neighbour.
  // clang-format off
  const float cas[][3] = {{1024, 768, 1.33f},  {10, 7, 1.43f},      {2000, 500, 4.0f}, {1001, 1000, 1.0f},
                          {1005, 1000, 1.0f},  {1015, 1000, 1.01f}, {1025, 1000, 1.02f}, {9, 8, 1.12f}, {11, 8, 1.38f}};
  // clang-format on
  for (auto [l, c, attendu] : cas) EXPECT_FLOAT_EQ(rapport(l, c), attendu) << l << "/" << c;
}

// Random when empty, from three draws of the run's fixed sequence; a text
// that isn't a colour keeps the background and shows the error on every tick
// while the pictures go on. Every tick draws three numbers, whatever the
// setting: x1 = (327680 * 1140671485 + 12820163) mod 2^24, and so on.
TEST_F(Tick, TheBackgroundColourComesFromCouleurFond) {
  demarrer(L"D:\\img", {{L"a.jpg", {100, 100}}});
  ticks(1);
  // The first three draws times 255, rounded: 179.9 gives 180 red, 136 green, 147.8 gives 148 blue.
  const Couleur hasard = Couleur::rgb(180 + 256 * 136 + 65536 * 148);
  EXPECT_EQ(fenetre->BackColor, hasard);
  for (const wchar_t* texte : {L"bleu", L"12abc", L"99999999999", L"-1", L"16777216"}) {
    banc.magasin.poser(L"couleur fond", texte);
    EXPECT_EQ(ticks(1), L"D:\\img\\a.jpg [Erreur lors de la lecture du fichier] 100x100 at 100x100; ") << texte;
    EXPECT_EQ(fenetre->BackColor, hasard) << texte;
  }
  banc.magasin.poser(L"couleur fond", L"16777215");
  EXPECT_EQ(ticks(1), L"D:\\img\\a.jpg 100x100 at 100x100; ");
  EXPECT_EQ(fenetre->BackColor, Couleur::rgb(0xFFFFFF));
}

// With the shuffle on, each round shows every picture once, in an order of
// its own that a new run draws anew, and a round never starts with the last
// picture of the one before; each tick prepares the one the next shows.
TEST(Melange, EveryPictureOnceARoundNeverTwiceInARowAndTheNextOnePrepared) {
  std::vector<std::wstring> premiers_tours;
  for (int run = 0; run < 2; ++run) {
    Seance s;
    s.banc.magasin.poser(L"ordre aleatoire", L"1");
    std::vector<std::pair<std::wstring, Taille>> fichiers;
    for (wchar_t c = L'a'; c < L'i'; ++c) fichiers.push_back({std::wstring(1, c) + L".jpg", {10, 10}});
    s.demarrer(L"D:\\img", fichiers);
    s.ticks(8 * 30);
    const auto& montres = s.banc.images.chargees;
    for (std::size_t tour = 0; tour < 30; ++tour) {
      std::vector<std::wstring> ce_tour(montres.begin() + 8 * tour, montres.begin() + 8 * (tour + 1));
      if (tour == 0)
        premiers_tours.push_back(std::accumulate(ce_tour.begin(), ce_tour.end(), std::wstring()));
      else
        EXPECT_NE(ce_tour.front(), montres[8 * tour - 1]) << tour;
      std::sort(ce_tour.begin(), ce_tour.end());
      EXPECT_EQ(std::unique(ce_tour.begin(), ce_tour.end()), ce_tour.end()) << tour;
    }
    for (std::size_t i = 0; i < montres.size(); ++i) EXPECT_EQ(s.banc.images.anticipees[i].first, montres[i]);
  }
  EXPECT_NE(premiers_tours[0], premiers_tours[1]);  // by chance once in 40,320 runs
  Seance seule;
  seule.banc.magasin.poser(L"ordre aleatoire", L"1");
  seule.demarrer(L"D:\\img", {{L"a.jpg", {10, 10}}});
  EXPECT_EQ(seule.ticks(2), L"D:\\img\\a.jpg 10x10 at 10x10; D:\\img\\a.jpg 10x10 at 10x10; ");
}

}  // namespace
}  // namespace pixavue
