// The bitmap headers the streaming decoder reads, and the row conversion.
#include "slideshow/entete_bmp.h"

#include <gtest/gtest.h>

#include "octets.h"

namespace pixavue {
namespace {

using test::lire_echantillon;
using test::poser32;

// A 4 x 2 bitmap of 8 bits with a 3-colour table, built by hand.
std::vector<std::uint8_t> palettee(std::int32_t hauteur) {
  std::vector<std::uint8_t> o(14 + 40 + 12 + 8, 0);
  o[0] = 'B', o[1] = 'M';
  poser32(o, 2, static_cast<std::uint32_t>(o.size()));
  poser32(o, 10, 14 + 40 + 12);
  poser32(o, 14, 40);
  poser32(o, 18, 4);
  poser32(o, 22, static_cast<std::uint32_t>(hauteur));
  o[26] = 1, o[28] = 8;
  poser32(o, 46, 3);
  poser32(o, 54, 0x0000FF), poser32(o, 58, 0x00FF00), poser32(o, 62, 0xFF0000);  // blue, green, red (BGR0)
  const std::uint8_t lignes[8] = {0, 1, 2, 7, 2, 2, 1, 0};
  std::copy(lignes, lignes + 8, o.begin() + 66);
  return o;
}

TEST(EnteteBmp, ReadsTheSamplesAndAPalettedBitmap) {
  auto colline = lire_echantillon("colline.bmp");
  auto e = lire_entete_bmp(colline, colline.size());
  ASSERT_TRUE(e);
  EXPECT_EQ(e->largeur, 160);
  EXPECT_EQ(e->hauteur, 120);
  EXPECT_EQ(e->bits, 24);
  EXPECT_FALSE(e->de_haut_en_bas);
  EXPECT_EQ(e->pas, 480u);
  EXPECT_EQ(e->debut_pixels, 54u);

  auto o = palettee(2);
  auto p = lire_entete_bmp(o, o.size());
  ASSERT_TRUE(p);
  std::uint8_t bgra[16];
  convertir_ligne_bmp(*p, o.data() + 66, bgra);
  EXPECT_EQ(bgra[0], 0xFF);   // index 0: blue
  EXPECT_EQ(bgra[5], 0xFF);   // index 1: green
  EXPECT_EQ(bgra[10], 0xFF);  // index 2: red
  EXPECT_EQ(bgra[12], 0);     // index 7 is past the table: black
  EXPECT_EQ(bgra[15], 0xFF);  // always opaque

  auto haut = palettee(-2);
  auto h = lire_entete_bmp(haut, haut.size());
  ASSERT_TRUE(h);
  EXPECT_TRUE(h->de_haut_en_bas);
  EXPECT_EQ(h->hauteur, 2);
}

TEST(EnteteBmp, OtherFormsAndShortFilesAreLeftToAnotherDecoder) {
  auto o = palettee(2);
  EXPECT_FALSE(lire_entete_bmp(o, o.size() - 1));  // a row cut short
  auto rle = o;
  poser32(rle, 30, 1);
  EXPECT_FALSE(lire_entete_bmp(rle, rle.size()));
  auto seize = o;
  seize[28] = 16;
  EXPECT_FALSE(lire_entete_bmp(seize, seize.size()));
  auto table = o;
  poser32(table, 46, 257);
  EXPECT_FALSE(lire_entete_bmp(table, table.size()));
  auto large = o;
  poser32(large, 18, 60000);
  EXPECT_FALSE(lire_entete_bmp(large, large.size()));
  auto dedans = o;
  poser32(dedans, 10, 20);  // pixels said to start inside the headers
  EXPECT_FALSE(lire_entete_bmp(dedans, dedans.size()));
  for (std::size_t n = 0; n < o.size(); ++n) (void)lire_entete_bmp(std::span(o.data(), n), o.size());
}

}  // namespace
}  // namespace pixavue
