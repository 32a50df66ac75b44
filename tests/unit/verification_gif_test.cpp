// The GIF walk: what it vouches for, and every way a file can lie to it.
#include "slideshow/verification_gif.h"

#include <gtest/gtest.h>

#include <tuple>

#include "octets.h"

namespace pixavue {
namespace {

// A 10 x 8 screen, a comment, one 4 x 3 frame at (5, 4) and the trailer, with
// black and white in a global table, a local one or none. With the global
// table: screen at 6, comment 19, frame 25, its code size 35, its data 36.
std::vector<std::uint8_t> gif(bool globale, bool locale = false) {
  const std::vector<std::uint8_t> table = {0, 0, 0, 255, 255, 255};
  std::vector<std::uint8_t> o = {'G', 'I', 'F', '8', '9', 'a', 10, 0, 8, 0, std::uint8_t(globale ? 0x80 : 0), 0, 0};
  if (globale) o.insert(o.end(), table.begin(), table.end());
  o.insert(o.end(), {0x21, 0xFE, 2, 'o', 'k', 0, 0x2C, 5, 0, 4, 0, 4, 0, 3, 0, std::uint8_t(locale ? 0x80 : 0)});
  if (locale) o.insert(o.end(), table.begin(), table.end());
  o.insert(o.end(), {2, 2, 0x4C, 0x01, 0, 0x3B});  // LZW data, the trailer
  return o;
}

TEST(VerificationGif, PlacesTheFirstFrameOnItsScreen) {
  for (bool globale : {true, false}) {
    auto g = verifier_gif(gif(globale, !globale));
    ASSERT_TRUE(g) << globale;
    ASSERT_EQ(g->blocs.size(), 1u);
    const BlocGif& b = g->blocs[0];
    EXPECT_EQ(std::tuple(g->largeur_ecran, g->hauteur_ecran, b.gauche, b.haut, b.largeur, b.hauteur),
              std::tuple(10, 8, 5, 4, 4, 3));
  }
  const auto bon = gif(true);
  // Cut inside the first frame's data, or its sub-block running past the
  // end: the rows decoded show.
  for (std::size_t n = 36; n < bon.size(); ++n) EXPECT_TRUE(verifier_gif(std::span(bon).first(n))) << "cut at " << n;
  EXPECT_TRUE(verifier_gif(test::pose(bon, {36, 1, 200})));
  auto debord = verifier_gif(test::pose(bon, {26, 1, 8}));  // 8 + 4 > 10: the screen clips it
  ASSERT_TRUE(debord);
  EXPECT_EQ(std::tuple(debord->blocs[0].gauche, debord->blocs[0].largeur), std::tuple(8, 4));
}

TEST(VerificationGif, RefusesWhatItCannotVouchFor) {
  const auto bon = gif(true);
  // Cut before the first frame's data: nothing to decode.
  for (std::size_t n = 0; n < 36; ++n) EXPECT_FALSE(verifier_gif(std::span(bon).first(n))) << "cut at " << n;
  EXPECT_FALSE(verifier_gif(gif(false)));  // no table at all: its indexes name no colour
  for (test::Retouche r : std::initializer_list<test::Retouche>{
           {4, 1, '8'},    // GIF88a
           {6, 2, 0},      // a screen 0 wide
           {25, 1, 0x99},  // a block of no known kind where the frame was
           {25, 1, 0x3B},  // the trailer before any image
           {26, 1, 10},    // a first frame right of the screen: nothing shows
           {29, 2, 0},     // a frame 0 wide
           {35, 1, 12},    // the LZW code size
       })
    EXPECT_FALSE(verifier_gif(test::pose(bon, r))) << r.a;
  EXPECT_FALSE(verifier_gif(test::pose(test::pose(bon, {29, 2, 10'000}), {31, 2, 6'000})));  // 60 megapixels
}

}  // namespace
}  // namespace pixavue
