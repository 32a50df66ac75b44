// Resampling: averages when shrinking, interpolates when growing, and a
// window of the result is exactly that part of the whole.
#include "slideshow/reechantillonnage.h"

#include <gtest/gtest.h>

namespace pixavue {
namespace {

// Opaque pixels with these blues.
Pixels bleus(int largeur, int hauteur, std::vector<int> valeurs) {
  Pixels p{largeur, hauteur, {}};
  for (int b : valeurs) p.octets.insert(p.octets.end(), {static_cast<std::uint8_t>(b), 0, 0, 255});
  return p;
}

TEST(Reechantillonnage, ShrinkingAveragesWhatEachPixelCoversAndGrowingInterpolates) {
  EXPECT_EQ(reechantillonner(bleus(2, 2, {0, 100, 200, 100}), 1, 1).octets, bleus(1, 1, {100}).octets);
  // Each takes one and a half source pixels.
  EXPECT_EQ(reechantillonner(bleus(3, 1, {0, 90, 180}), 2, 1).octets, bleus(2, 1, {30, 150}).octets);
  // The ends stay, across and down.
  EXPECT_EQ(reechantillonner(bleus(2, 1, {0, 200}), 4, 1).octets, bleus(4, 1, {0, 50, 150, 200}).octets);
  EXPECT_EQ(reechantillonner(bleus(1, 2, {0, 200}), 1, 4).octets, bleus(1, 4, {0, 50, 150, 200}).octets);
}

TEST(Reechantillonnage, AUniformPictureStaysUniformAtAnySize) {
  Pixels p{37, 23, std::vector<std::uint8_t>(37 * 23 * 4, 77)};
  for (auto [l, h] : {std::pair{5, 3}, {37, 23}, {100, 61}, {1, 1}, {36, 24}})
    EXPECT_EQ(reechantillonner(p, l, h).octets, std::vector<std::uint8_t>(4 * l * h, 77)) << l << "x" << h;
}

TEST(Reechantillonnage, AWindowIsThatPartOfTheWhole) {
  Pixels source{40, 30, {}};
  for (int i = 0; i < 40 * 30; ++i)
    source.octets.insert(source.octets.end(), {std::uint8_t(i % 40 * 7 + i / 40), std::uint8_t(i / 40 * 5),
                                               std::uint8_t(i % 40 ^ i / 40), 255});
  for (auto [l, h] : {std::pair{17, 13}, {90, 70}}) {
    const Pixels tout = reechantillonner(source, l, h);
    const Zone f{3, 5, l / 2, h / 3};
    std::vector<std::uint8_t> partie(4 * f.largeur * f.hauteur), attendue;
    Reechantillonneur r(40, 30, l, h, f, partie.data(), 4 * f.largeur);
    for (int y = 0; y < 30; ++y) r.ajouter_ligne(source.octets.data() + 4 * 40 * y);
    r.terminer();
    for (int y = f.y0; y < f.y0 + f.hauteur; ++y)
      attendue.insert(attendue.end(), tout.octets.begin() + 4 * (y * l + f.x0),
                      tout.octets.begin() + 4 * (y * l + f.x0 + f.largeur));
    EXPECT_EQ(partie, attendue) << l << "x" << h;
  }
}

TEST(Reechantillonnage, RowsThatNeverCameAreTransparent) {
  std::vector<std::uint8_t> sortie(4 * 4 * 4, 0xAB), ligne(16, 255);
  Reechantillonneur r(4, 4, 4, 4, {0, 0, 4, 4}, sortie.data(), 16);
  r.ajouter_ligne(ligne.data());
  r.terminer();
  ligne.resize(sortie.size());
  EXPECT_EQ(sortie, ligne);  // the first row, then zeros
}

}  // namespace
}  // namespace pixavue
