// The bitmap headers the streaming decoder reads, and the row conversion.
#include "slideshow/entete_bmp.h"

#include <gtest/gtest.h>

#include <array>

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

// A 2 x 1 bitmap of 16 or 32 bits whose colours lie in these masks (red,
// green, blue, alpha), after a header of `taille_info` bytes.
std::vector<std::uint8_t> champs(int bits, std::uint32_t compression, std::uint32_t taille_info,
                                 std::array<std::uint32_t, 4> masques, std::array<std::uint32_t, 2> pixels) {
  const std::size_t apres = 14 + taille_info + (taille_info == 40 && compression ? (compression == 6 ? 16 : 12) : 0);
  std::vector<std::uint8_t> o(std::max<std::size_t>(apres, 14 + 40 + 16) + 8, 0);
  o[0] = 'B', o[1] = 'M';
  poser32(o, 10, static_cast<std::uint32_t>(o.size() - 8));
  poser32(o, 14, taille_info);
  poser32(o, 18, 2);
  poser32(o, 22, 1);
  o[26] = 1, o[28] = static_cast<std::uint8_t>(bits);
  poser32(o, 30, compression);
  for (std::size_t i = 0; i < 4; ++i) poser32(o, 54 + 4 * i, masques[i]);
  const std::size_t debut = o.size() - 8;
  if (bits == 16) {
    test::poser16(o, debut, static_cast<std::uint16_t>(pixels[0]));
    test::poser16(o, debut + 2, static_cast<std::uint16_t>(pixels[1]));
  } else {
    poser32(o, debut, pixels[0]);
    poser32(o, debut + 4, pixels[1]);
  }
  return o;
}

// The two pixels, premultiplied BGRA.
std::array<std::uint8_t, 8> convertis(const std::vector<std::uint8_t>& o) {
  auto e = lire_entete_bmp(o, o.size());
  std::array<std::uint8_t, 8> bgra{};
  if (e) convertir_ligne_bmp(*e, o.data() + e->debut_pixels, bgra.data());
  return bgra;
}

TEST(EnteteBmp, ColourFieldsInAnyOrderWithOrWithoutAlpha) {
  using Octets8 = std::array<std::uint8_t, 8>;
  // 5-6-5: pure red, then pure blue.
  EXPECT_EQ(convertis(champs(16, 3, 40, {0xF800, 0x07E0, 0x001F, 0}, {0xF800, 0x001F})),
            (Octets8{0, 0, 255, 255, 255, 0, 0, 255}));
  // 16 bits without masks: 5-5-5.
  EXPECT_EQ(convertis(champs(16, 0, 40, {}, {0x7C00, 0x03E0})), (Octets8{0, 0, 255, 255, 0, 255, 0, 255}));
  // 32 bits in R, G, B, X byte order.
  EXPECT_EQ(convertis(champs(32, 3, 40, {0xFF, 0xFF00, 0xFF0000, 0}, {0x0000FF, 0xFF0000})),
            (Octets8{0, 0, 255, 255, 255, 0, 0, 255}));
  // A version 5 header with alpha: half-transparent white, then clear.
  EXPECT_EQ(convertis(champs(32, 3, 124, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {0x80FFFFFF, 0x00FFFFFF})),
            (Octets8{128, 128, 128, 128, 0, 0, 0, 0}));
  // Alpha bit fields after a 40-byte header: 4-4-4-4.
  EXPECT_EQ(convertis(champs(16, 6, 40, {0x0F00, 0x00F0, 0x000F, 0xF000}, {0xFF00, 0x000F})),
            (Octets8{0, 0, 255, 255, 0, 0, 0, 0}));

  for (auto masques : std::initializer_list<std::array<std::uint32_t, 4>>{
           {0xF0F0, 0x0F00, 0x000F, 0},      // a hole in red
           {0xFF00, 0x0FF0, 0x000F, 0},      // red and green overlap
           {0xF800, 0, 0x001F, 0},           // no green
           {0xF8000, 0x07E0, 0x001F, 0}}) {  // red outside a 16-bit pixel
    auto o = champs(16, 3, 40, masques, {0, 0});
    EXPECT_FALSE(lire_entete_bmp(o, o.size()));
  }
}

TEST(EnteteBmp, OtherFormsAndShortFilesAreLeftToAnotherDecoder) {
  auto o = palettee(2);
  EXPECT_FALSE(lire_entete_bmp(o, o.size() - 1));  // a row cut short
  auto rle = o;
  poser32(rle, 30, 1);
  EXPECT_FALSE(lire_entete_bmp(rle, rle.size()));
  auto seize = o;  // 16 bits: the rows of 8 would not fill the file
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
}

}  // namespace
}  // namespace pixavue
