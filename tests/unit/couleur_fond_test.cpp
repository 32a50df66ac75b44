// The background colours, the caption's colour and the random generator.
#include "slideshow/couleur_fond.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fakes.h"

namespace pixavue {
namespace {

TEST(Aleatoire, TheSequenceIsFixed) {
  Aleatoire a, b;
  // x1 = (327680 * 1140671485 + 12820163) mod 2^24, and so on.
  std::uint32_t x = 327680;
  for (int i = 0; i < 1000; ++i) {
    x = static_cast<std::uint32_t>((std::uint64_t{x} * 1140671485u + 12820163u) % 16777216u);
    float valeur = a.Rnd();
    ASSERT_EQ(valeur, static_cast<float>(x) / 16777216.0f) << i;
    ASSERT_EQ(valeur, b.Rnd());
    ASSERT_GE(valeur, 0.0f);
    ASSERT_LT(valeur, 1.0f);
  }
  Aleatoire c;
  EXPECT_NEAR(c.Rnd(), 0.7055475f, 1e-6);  // the first value of every run
}

struct CouleurFond : ::testing::Test {
  test::Banc banc;
  frmVeille fenetre{banc.services(), 96};
};

TEST_F(CouleurFond, RandomWhenEmptyFromThreeDraws) {
  Aleatoire temoin;
  ASSERT_TRUE(appliquer_couleur_fond(fenetre, L""));
  float r = temoin.Rnd(), g = temoin.Rnd(), b = temoin.Rnd();
  auto c = [](float x) { return static_cast<std::uint32_t>(std::nearbyint(x * 255.0f)); };
  EXPECT_EQ(fenetre.BackColor, Couleur::rgb(c(r) + 256 * c(g) + 65536 * c(b)));
}

TEST_F(CouleurFond, FixedColoursStillDrawThreeNumbers) {
  ASSERT_TRUE(appliquer_couleur_fond(fenetre, L"255"));
  EXPECT_EQ(fenetre.BackColor, Couleur::rgb(255));
  Aleatoire temoin;
  for (int i = 0; i < 3; ++i) temoin.Rnd();
  EXPECT_EQ(fenetre.Rnd.Rnd(), temoin.Rnd());
}

TEST_F(CouleurFond, NotAColourLeavesTheBackground) {
  fenetre.BackColor = Couleur::rgb(0x123456);
  for (const wchar_t* texte : {L"abc", L"12abc", L"99999999999", L"-1", L"16777216"}) {
    EXPECT_FALSE(appliquer_couleur_fond(fenetre, texte)) << texte;
    EXPECT_EQ(fenetre.BackColor, Couleur::rgb(0x123456)) << texte;
  }
  EXPECT_TRUE(appliquer_couleur_fond(fenetre, L"16777215"));
}

TEST(CouleurLegende, WhiteOnlyOnPureBlack) {
  EXPECT_EQ(couleur_legende(Couleur::rgb(0)), Couleur::rgb(0xFFFFFF));
  EXPECT_EQ(couleur_legende(Couleur::rgb(1)), Couleur::rgb(0));
  EXPECT_EQ(couleur_legende(Couleur::rgb(0xFFFFFF)), Couleur::rgb(0));
  EXPECT_EQ(couleur_legende(Couleur::systeme(Couleur::Source::face_bouton)), Couleur::rgb(0));
}

}  // namespace
}  // namespace pixavue
