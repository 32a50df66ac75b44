// Broken and hostile pictures: every file either shows or takes the error
// path, the run goes on, and memory stays bounded.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "banc_reel.h"
#include "echantillons.h"

namespace pixavue::win32 {
namespace {

std::wstring corpus() { return test::chemin_wine(PIXAVUE_CORPUS, L""); }

TEST(Corpus, EveryFileShowsOrTakesTheErrorPathAndTheRunGoesOn) {
  test::BancReel banc{{L"dossier demarrage", corpus()}, {L"taille", L"2"}, {L"couleur fond", L"0"}};
  const int nombre = banc.veille.NombreImages;
  ASSERT_GT(nombre, 100);
  const auto avant = test::Ressources::maintenant();
  SIZE_T pic = avant.memoire;
  int montrees = 0, erreurs = 0;
  for (int i = 0; i < nombre; ++i) {
    const std::wstring nom = banc.veille.ListeFichiers.List(i);
    const auto debut = std::chrono::steady_clock::now();
    banc.tick();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    if (ms > 500) std::printf("slow: %ls took %.0f ms\n", nom.c_str(), ms);
    const bool erreur = banc.veille.txtInfos.Visible;
    if (erreur) {
      EXPECT_EQ(banc.veille.txtInfos.Caption, L"Erreur lors de la lecture du fichier") << nom;
      ++erreurs;
    } else {
      // Shown: the display slot holds a picture fitted inside the screen.
      EXPECT_NE(banc.veille.Image1[1].Picture, nullptr) << nom;
      EXPECT_LE(banc.veille.Image1[1].Width, banc.veille.LargeurEcran) << nom;
      EXPECT_LE(banc.veille.Image1[1].Height, banc.veille.HauteurEcran) << nom;
      ++montrees;
    }
    EXPECT_TRUE(banc.veille.Image1[1].Visible) << nom;
    pic = std::max(pic, test::Ressources::maintenant().memoire);
  }
  std::printf("%d shown, %d errors, peak committed +%.1f MB\n", montrees, erreurs, (pic - avant.memoire) / 1e6);
  EXPECT_GT(erreurs, 50);
  EXPECT_GT(montrees, 5);  // some flips and cuts still decode
  EXPECT_LT(pic - avant.memoire, SIZE_T{400} << 20);
  EXPECT_EQ(banc.veille.IndexImage, nombre);
  EXPECT_EQ(banc.processus.terminaisons, 0);
}

}  // namespace
}  // namespace pixavue::win32
