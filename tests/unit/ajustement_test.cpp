// Fitting and placement: the worked examples, with their rounding.
#include "slideshow/ajustement.h"

#include <gtest/gtest.h>

namespace pixavue {
namespace {

TEST(Ajustement, WorkedExamples) {
  struct Cas {
    int mode;
    double w, h;
    std::int16_t W, H;
    double largeur, hauteur, gauche, haut;
  } cas[] = {
      {1, 1024, 768, 800, 600, 798, 600, 1, 0},     // Rapport 1.33: 601 overflows, back to 600 x 798
      {1, 320, 240, 800, 600, 320, 240, 240, 180},  // fits
      {2, 320, 240, 800, 600, 798, 600, 1, 0},      // enlarged like the large one
      {2, 600, 800, 800, 600, 451, 600, 174.5, 0},  // tall: 600 / 1.33 = 451.12...
      {1, 2000, 500, 800, 600, 800, 200, 0, 200},   // Rapport 4
      {1, 1000, 1000, 800, 600, 600, 600, 100, 0},  // square
      {2, 1000, 1000, 800, 600, 600, 600, 100, 0},
      {0, 1000, 700, 800, 600, 1000, 700, -100, -50},  // cropped by the edges
      {1, 800, 600, 800, 600, 800, 600, 0, 0},         // equality fits
      {1, 1600, 1200, 1024, 768, 1021.44, 768, 1.28, 0},
      {7, 1000, 700, 800, 600, 1000, 700, -100, -50},  // unknown modes change nothing
      {-1, 10, 10, 800, 600, 10, 10, 395, 295},
      {2, 500, 2000, 800, 600, 150, 600, 325, 0},  // tall, Rapport 4
      {2, 3000, 600, 800, 600, 800, 160, 0, 220},  // wide, Rapport 5
      {2, 10, 7, 800, 600, 800, 559, 0, 20.5},     // 10 / 7 rounds to 1.43; 800 / 1.43 = 559.44...
  };
  for (const auto& c : cas) {
    Controle travail{.Width = c.w, .Height = c.h};
    EXPECT_TRUE(ajuster(travail, static_cast<std::int16_t>(c.mode), c.W, c.H));
    EXPECT_TRUE(travail.Stretch);
    Controle affichee;
    placer(affichee, travail, c.W, c.H);
    EXPECT_NEAR(affichee.Width, c.largeur, 1e-3) << c.w << "x" << c.h << " mode " << c.mode;
    EXPECT_NEAR(affichee.Height, c.hauteur, 1e-3) << c.w << "x" << c.h << " mode " << c.mode;
    EXPECT_NEAR(affichee.Left, c.gauche, 1e-3) << c.w << "x" << c.h << " mode " << c.mode;
    EXPECT_NEAR(affichee.Top, c.haut, 1e-3) << c.w << "x" << c.h << " mode " << c.mode;
    EXPECT_TRUE(affichee.Visible && affichee.Stretch);
  }
}

TEST(Ajustement, RapportIsRoundedToTwoDecimalsHalvesToEven) {
  EXPECT_FLOAT_EQ(rapport(1024, 768), 1.33f);
  EXPECT_FLOAT_EQ(rapport(10, 7), 1.43f);
  EXPECT_FLOAT_EQ(rapport(2000, 500), 4.0f);
  EXPECT_FLOAT_EQ(rapport(1001, 1000), 1.0f);  // 1.001
  // 1.005, 1.015 and 1.025 fall just below their halves in single precision.
  EXPECT_FLOAT_EQ(rapport(1005, 1000), 1.0f);
  EXPECT_FLOAT_EQ(rapport(1015, 1000), 1.01f);
  EXPECT_FLOAT_EQ(rapport(1025, 1000), 1.02f);
  // 1.125 and 1.375 are exact halves: they go to the even neighbour.
  EXPECT_FLOAT_EQ(rapport(9, 8), 1.12f);
  EXPECT_FLOAT_EQ(rapport(11, 8), 1.38f);
}

TEST(Ajustement, ASideOfZeroFaultsButTheRuleGoesOn) {
  Controle vide{.Width = 0, .Height = 50};
  EXPECT_FALSE(ajuster(vide, 2, 800, 600));
  EXPECT_EQ(vide.Height, 600);  // the assignments after the fault still ran
  EXPECT_TRUE(vide.Stretch);
}

}  // namespace
}  // namespace pixavue
