// The GIF walk: what it vouches for, and every way a file can lie to it.
#include "slideshow/verification_gif.h"

#include <gtest/gtest.h>

#include "octets.h"

namespace pixavue {
namespace {

// A 10 x 8 screen with a 2-colour global table, one 4 x 3 frame at (5, 4)
// after a comment, and the trailer. Offsets: screen 6, table 13, comment 19,
// frame 25, its flags 34, its code size 35, its data 36.
std::vector<std::uint8_t> gif() {
  return {'G',  'I',  'F',  '8',  '9', 'a', 10, 0, 8, 0, 0x80, 0, 0,  // screen, table of 2
          0,    0,    0,    255,  255, 255,                           // black, white
          0x21, 0xFE, 2,    'o',  'k', 0,                             // a comment
          0x2C, 5,    0,    4,    0,   4,   0,  3, 0, 0,              // the frame
          2,    2,    0x4C, 0x01, 0,                                  // LZW data
          0x3B};
}

TEST(VerificationGif, PlacesTheFirstFrameOnItsScreen) {
  auto g = verifier_gif(gif());
  ASSERT_TRUE(g);
  EXPECT_EQ(g->largeur_ecran, 10);
  EXPECT_EQ(g->hauteur_ecran, 8);
  EXPECT_EQ(g->gauche, 5);
  EXPECT_EQ(g->haut, 4);
  EXPECT_EQ(g->largeur, 4);
  EXPECT_EQ(g->hauteur, 3);

  auto sans_fin = gif();
  sans_fin.pop_back();  // cut after a whole image: still shown
  EXPECT_TRUE(verifier_gif(sans_fin));

  // A local table instead of the global one.
  auto locale = gif();
  locale[10] = 0;
  locale.erase(locale.begin() + 13, locale.begin() + 19);
  locale[34 - 6] = 0x80;
  locale.insert(locale.begin() + 35 - 6, {0, 0, 0, 255, 255, 255});
  EXPECT_TRUE(verifier_gif(locale));
}

TEST(VerificationGif, RefusesWhatItCannotVouchFor) {
  auto sans_table = gif();  // neither a global nor a local table
  sans_table[10] = 0;
  sans_table.erase(sans_table.begin() + 13, sans_table.begin() + 19);
  auto hors_ecran = gif();
  hors_ecran[26] = 7;  // 7 + 4 > 10
  auto bloc_long = gif();
  bloc_long[36] = 200;  // a sub-block past the end
  auto table_coupee = gif();
  table_coupee.resize(16);
  auto ecran_vide = gif();
  test::poser16(ecran_vide, 6, 0);
  auto bloc_inconnu = gif();
  bloc_inconnu[19] = 0x99;
  auto code = gif();
  code[35] = 12;
  auto entete = gif();
  entete[4] = '8';
  auto sans_image = gif();
  sans_image.erase(sans_image.begin() + 25, sans_image.end() - 1);
  for (const auto& faux : {sans_table, hors_ecran, bloc_long, table_coupee, ecran_vide, bloc_inconnu, code, entete,
                           sans_image, std::vector<std::uint8_t>{}})
    EXPECT_FALSE(verifier_gif(faux));
  // Any cut before the image ends.
  const auto entier = gif();
  for (std::size_t n = 0; n < 40; ++n) EXPECT_FALSE(verifier_gif(std::span(entier).first(n))) << n;
}

TEST(VerificationGif, TheSampleChecksOut) {
  auto g = verifier_gif(test::lire_echantillon("vallee.gif"));
  ASSERT_TRUE(g);
  EXPECT_EQ(g->largeur_ecran, 240);
  EXPECT_EQ(g->hauteur_ecran, 180);
}

}  // namespace
}  // namespace pixavue
