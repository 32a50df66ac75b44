// The bitmap headers the streaming decoder reads, the row conversion, and
// the forms it leaves to another decoder.
#include "slideshow/entete_bmp.h"

#include <gtest/gtest.h>

#include "octets.h"

namespace pixavue {
namespace {

// A bitmap with a header of `taille_info` bytes followed by `table` (colours
// for 8 bits and fewer, else masks: red, green, blue, alpha), then its pixels.
std::vector<std::uint8_t> bmp(int largeur, int hauteur, int bits, std::uint32_t compression, std::uint32_t taille_info,
                              std::vector<std::uint32_t> table, std::vector<std::uint32_t> pixels) {
  test::Octets b{{'B', 'M'}};
  b.u32(0).u32(0).u32(0).u32(taille_info).u32(largeur).u32(hauteur).u16(1).u16(bits);
  b.u32(compression).u32(0).u32(0).u32(0).u32(bits <= 8 ? table.size() : 0).u32(0);
  for (std::uint32_t v : table) b.u32(v);
  b.o.resize(std::max<std::size_t>(b.o.size(), 14 + taille_info));
  b.o = test::pose(b.o, {10, 4, b.o.size()});
  for (std::uint32_t v : pixels) b.champ(v, bits / 8);
  return b.o;
}

// Each converted pixel as the word its BGRA bytes make: 0xAARRGGBB.
TEST(EnteteBmp, ConvertsEachDepthAndAnyOrderOfColourFieldsToPremultipliedBgra) {
  const struct Cas {
    int bits;
    std::uint32_t compression, taille_info;
    std::vector<std::uint32_t> table, pixels, argb;
  } cas[] = {
      // Blue, green, red (BGR0); index 7 is past the table: black.
      {8, 0, 40, {0x0000FF, 0x00FF00, 0xFF0000}, {0, 1, 2, 7}, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFF000000}},
      {24, 0, 40, {}, {0x0000FF, 0x804020, 0, 0xFFFFFF}, {0xFF0000FF, 0xFF804020, 0xFF000000, 0xFFFFFFFF}},
      {16, 3, 40, {0xF800, 0x07E0, 0x001F}, {0xF800, 0x001F}, {0xFFFF0000, 0xFF0000FF}},      // 5-6-5
      {16, 0, 40, {}, {0x7C00, 0x03E0}, {0xFFFF0000, 0xFF00FF00}},                            // no masks: 5-5-5
      {32, 3, 40, {0xFF, 0xFF00, 0xFF0000}, {0x0000FF, 0xFF0000}, {0xFFFF0000, 0xFF0000FF}},  // R, G, B, X
      // A version 5 header with alpha: half-transparent white, then clear.
      {32, 3, 124, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {0x80FFFFFF, 0x00FFFFFF}, {0x80808080, 0}},
      // Alpha bit fields after a 40-byte header: 4-4-4-4.
      {16, 6, 40, {0x0F00, 0x00F0, 0x000F, 0xF000}, {0xFF00, 0x000F}, {0xFFFF0000, 0}},
  };
  for (const auto& [bits, compression, taille_info, table, pixels, argb] : cas) {
    const auto o = bmp(static_cast<int>(pixels.size()), 1, bits, compression, taille_info, table, pixels);
    auto e = lire_entete_bmp(o, o.size());
    ASSERT_TRUE(e && !e->de_haut_en_bas) << bits << " bits";
    std::vector<std::uint32_t> sortie(argb.size());  // a little-endian machine
    convertir_ligne_bmp(*e, o.data() + e->debut_pixels, reinterpret_cast<std::uint8_t*>(sortie.data()));
    EXPECT_EQ(sortie, argb) << bits << " bits";
  }
  const auto haut = bmp(4, -2, 8, 0, 40, {0}, {0, 0, 0, 0, 0, 0, 0, 0});  // rows stored top first
  auto h = lire_entete_bmp(haut, haut.size());
  EXPECT_TRUE(h && h->de_haut_en_bas && h->hauteur == 2);
}

TEST(EnteteBmp, OtherFormsAndShortFilesAreLeftToAnotherDecoder) {
  const auto bon = bmp(4, 2, 8, 0, 40, {0, 0, 0}, {0, 1, 2, 0, 2, 2, 1, 0});
  ASSERT_TRUE(lire_entete_bmp(bon, bon.size()));
  EXPECT_FALSE(lire_entete_bmp(bon, bon.size() - 1));  // a row cut short
  const std::vector<std::uint8_t> refuses[] = {
      test::pose(bon, {30, 4, 1}),      // RLE
      test::pose(bon, {28, 2, 16}),     // 16 bits: the rows of 8 would not fill the file
      test::pose(bon, {18, 4, 60000}),  // rows wider than the file holds
      test::pose(bon, {10, 4, 20}),     // pixels said to start inside the headers
      bmp(4, 1, 8, 0, 40, std::vector<std::uint32_t>(257), {0, 0, 0, 0}),  // more colours than 8 bits index
      bmp(2, 1, 16, 3, 40, {0xF0F0, 0x0F00, 0x000F}, {0, 0}),              // a hole in red
      bmp(2, 1, 16, 3, 40, {0xFF00, 0x0FF0, 0x000F}, {0, 0}),              // red and green overlap
      bmp(2, 1, 16, 3, 40, {0xF800, 0, 0x001F}, {0, 0}),                   // no green
      bmp(2, 1, 16, 3, 40, {0xF8000, 0x07E0, 0x001F}, {0, 0}),             // red outside a 16-bit pixel
  };
  for (const auto& o : refuses) EXPECT_FALSE(lire_entete_bmp(o, o.size())) << &o - refuses;
}

}  // namespace
}  // namespace pixavue
