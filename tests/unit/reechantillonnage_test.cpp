// Resampling: averages when shrinking, interpolates when growing, and a
// window of the result is exactly that part of the whole.
#include "slideshow/reechantillonnage.h"

#include <gtest/gtest.h>

namespace pixavue {
namespace {

Pixels motif(int largeur, int hauteur) {
  Pixels p{largeur, hauteur, {}};
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x)
      p.octets.insert(p.octets.end(), {std::uint8_t(x * 7 + y), std::uint8_t(y * 5), std::uint8_t(x ^ y), 255});
  return p;
}

int bleu(const Pixels& p, int x, int y) { return p.octets[4 * (static_cast<std::size_t>(y) * p.largeur + x)]; }

TEST(Reechantillonnage, ShrinkingAveragesWhatEachPixelCovers) {
  Pixels p{2, 2, {0, 0, 0, 255, 100, 0, 0, 255, 200, 0, 0, 255, 100, 0, 0, 255}};
  Pixels un = reechantillonner(p, 1, 1);
  EXPECT_EQ(bleu(un, 0, 0), 100);
  EXPECT_EQ(un.octets[3], 255);

  Pixels trois{3, 1, {0, 0, 0, 0, 90, 0, 0, 0, 180, 0, 0, 0}};
  Pixels deux = reechantillonner(trois, 2, 1);  // each takes one and a half source pixels
  EXPECT_EQ(bleu(deux, 0, 0), 30);
  EXPECT_EQ(bleu(deux, 1, 0), 150);
}

TEST(Reechantillonnage, GrowingInterpolatesAndKeepsTheEnds) {
  Pixels p{2, 1, {0, 0, 0, 255, 200, 0, 0, 255}};
  Pixels q = reechantillonner(p, 4, 1);
  EXPECT_EQ(bleu(q, 0, 0), 0);
  EXPECT_EQ(bleu(q, 1, 0), 50);
  EXPECT_EQ(bleu(q, 2, 0), 150);
  EXPECT_EQ(bleu(q, 3, 0), 200);
  Pixels haut = reechantillonner(Pixels{1, 2, {0, 0, 0, 255, 200, 0, 0, 255}}, 1, 4);
  EXPECT_EQ(bleu(haut, 0, 1), 50);
}

TEST(Reechantillonnage, AUniformPictureStaysUniformAtAnySize) {
  Pixels p{37, 23, std::vector<std::uint8_t>(37 * 23 * 4, 77)};
  for (auto [l, h] : {std::pair{5, 3}, {37, 23}, {100, 61}, {1, 1}, {36, 24}}) {
    Pixels q = reechantillonner(p, l, h);
    for (std::uint8_t o : q.octets) ASSERT_EQ(o, 77) << l << "x" << h;
  }
}

TEST(Reechantillonnage, AWindowIsThatPartOfTheWhole) {
  Pixels source = motif(40, 30);
  for (auto [l, h] : {std::pair{17, 13}, {90, 70}}) {
    Pixels tout = reechantillonner(source, l, h);
    Zone f{3, 5, l / 2, h / 3};
    std::vector<std::uint8_t> partie(4 * static_cast<std::size_t>(f.largeur) * f.hauteur);
    Reechantillonneur r(40, 30, l, h, f, partie.data(), 4 * f.largeur);
    for (int y = 0; y < 30; ++y) r.ajouter_ligne(source.octets.data() + 4 * 40 * y);
    r.terminer();
    for (int y = 0; y < f.hauteur; ++y)
      for (int x = 0; x < 4 * f.largeur; ++x)
        ASSERT_EQ(partie[4 * static_cast<std::size_t>(f.largeur) * y + x],
                  tout.octets[4 * (static_cast<std::size_t>(y + f.y0) * l + f.x0) + x])
            << l << "x" << h << " at " << x << "," << y;
  }
}

TEST(Reechantillonnage, RowsThatNeverCameAreTransparent) {
  std::vector<std::uint8_t> sortie(4 * 4 * 4, 0xAB);
  Reechantillonneur r(4, 4, 4, 4, {0, 0, 4, 4}, sortie.data(), 16);
  std::vector<std::uint8_t> ligne(16, 255);
  r.ajouter_ligne(ligne.data());
  r.terminer();
  EXPECT_EQ(sortie[0], 255);
  EXPECT_EQ(sortie[16], 0);
  EXPECT_EQ(sortie[63], 0);
}

}  // namespace
}  // namespace pixavue
