// What the screen shows at known ticks: the picture's place and size, the
// background, the caption.
#include <gtest/gtest.h>

#include <cmath>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "echantillons.h"

namespace pixavue::win32 {
namespace {

constexpr COLORREF kRouge = RGB(255, 0, 0);

bool quelque_part(test::BancReel& banc, RECT zone, COLORREF couleur) {
  for (int y = zone.top; y < zone.bottom; ++y)
    for (int x = zone.left; x < zone.right; ++x)
      if (banc.pixel(x, y) == couleur) return true;
  return false;
}

TEST(Ecran, PicturesSitCentredAtTheirFittedSizeOverTheFixedColour) {
  // JPEGs only: carre.JPEG 300 x 300, grand paysage.jpg 1600 x 1200, photo été 写真.jpg 320 x 240.
  test::BancReel banc{{L"dossier demarrage", test::echantillon(L"")},
                      {L"type fichier", L"4"},
                      {L"couleur fond", L"255"},
                      {L"taille", L"1"}};
  ASSERT_EQ(banc.veille.NombreImages, 3);
  const int W = banc.veille.LargeurEcran, H = banc.veille.HauteurEcran;
  ASSERT_EQ(W, 1024);
  ASSERT_EQ(H, 768);

  banc.tick();  // 300 x 300 fits: one to one, at (362, 234)
  EXPECT_EQ(banc.pixel(100, 100), kRouge);
  EXPECT_EQ(banc.pixel(361, 384), kRouge);
  EXPECT_NE(banc.pixel(363, 384), kRouge);
  EXPECT_NE(banc.pixel(660, 384), kRouge);
  EXPECT_EQ(banc.pixel(662, 384), kRouge);
  EXPECT_EQ(banc.pixel(512, 233), kRouge);
  EXPECT_NE(banc.pixel(512, 235), kRouge);
  // The path in black at the top left, over a background that isn't black.
  EXPECT_TRUE(quelque_part(banc, {5, 5, 200, 22}, RGB(0, 0, 0)));
  EXPECT_FALSE(banc.veille.txtInfos.Visible);

  banc.tick();  // 1600 x 1200 shrinks to 1021.44 x 768 at left 1.28
  EXPECT_EQ(banc.pixel(0, 384), kRouge);
  EXPECT_NE(banc.pixel(2, 384), kRouge);
  EXPECT_NE(banc.pixel(1021, 384), kRouge);
  EXPECT_EQ(banc.pixel(1023, 384), kRouge);
  // Its sun, high on the right: 70 % across, 25 % down.
  COLORREF soleil = banc.pixel(1 + 715, 192);
  EXPECT_GT(GetRValue(soleil), 220);
  EXPECT_LT(GetBValue(soleil), 60);

  banc.tick();  // 320 x 240 at (352, 264)
  EXPECT_EQ(banc.pixel(351, 300), kRouge);
  EXPECT_NE(banc.pixel(353, 300), kRouge);
  EXPECT_EQ(banc.pixel(512, 263), kRouge);
  EXPECT_NE(banc.pixel(512, 265), kRouge);
}

TEST(Ecran, RandomColoursFollowTheRunsFixedSequenceAndBlackGetsAWhiteCaption) {
  test::BancReel banc{{L"dossier demarrage", test::echantillon(L"")}, {L"type fichier", L"4"}};
  Aleatoire temoin;
  auto composante = [](float x) { return static_cast<BYTE>(std::nearbyint(x * 255.0f)); };
  for (int i = 0; i < 3; ++i) {
    banc.tick();
    const float r = temoin.Rnd(), v = temoin.Rnd(), b = temoin.Rnd();
    // The left edge is background on every one of these ticks.
    EXPECT_EQ(banc.pixel(0, 384), RGB(composante(r), composante(v), composante(b))) << "tick " << i + 1;
  }

  test::BancReel noir{{L"dossier demarrage", test::echantillon(L"")}, {L"type fichier", L"4"}, {L"couleur fond", L"0"}};
  noir.tick();
  EXPECT_EQ(noir.pixel(100, 100), RGB(0, 0, 0));
  EXPECT_TRUE(quelque_part(noir, {5, 5, 200, 22}, RGB(255, 255, 255)));
}

TEST(Ecran, AnEmptyFolderShowsItsMessageInRedOnBlack) {
  test::DossierEssai vide(L"pixavue-vide");
  test::BancReel banc{{L"dossier demarrage", vide.chemin()}};
  banc.tick();
  const Controle& infos = banc.veille.txtInfos;
  EXPECT_EQ(infos.Caption, L"Aucuns fichiers à visionner...");
  EXPECT_EQ(banc.pixel(50, 50), RGB(0, 0, 0));
  EXPECT_TRUE(quelque_part(banc,
                           {static_cast<LONG>(infos.Left), static_cast<LONG>(infos.Top),
                            static_cast<LONG>(infos.Left + infos.Width), static_cast<LONG>(infos.Top + infos.Height)},
                           RGB(255, 0, 0)));
}

}  // namespace
}  // namespace pixavue::win32
