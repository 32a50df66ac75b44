// The Exif orientation tag in both byte orders and damaged, and the eight
// stored forms of one picture each seen the same way up.
#include "slideshow/orientation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "octets.h"

namespace pixavue {
namespace {

// An APP1 payload whose first directory, at `ifd0`, holds these entries:
// (tag, type, count, value).
std::vector<std::uint8_t> app1(bool intel, std::vector<std::array<std::uint32_t, 4>> entrees, std::uint32_t ifd0 = 8) {
  const std::uint8_t ordre = intel ? 'I' : 'M';
  test::Octets b{{'E', 'x', 'i', 'f', 0, 0, ordre, ordre}, !intel};
  b.u16(42).u32(ifd0).u16(static_cast<std::uint16_t>(entrees.size()));
  for (auto [etiquette, type, nombre, valeur] : entrees)
    b.champ(etiquette, 2).champ(type, 2).champ(nombre, 4).champ(valeur, 2).champ(0, 2);
  return b.u32(0).o;  // no next directory
}

TEST(OrientationExif, ReadInBothByteOrdersAfterOtherTags) {
  for (bool intel : {true, false})
    for (std::uint32_t valeur = 1; valeur <= 8; ++valeur)
      EXPECT_EQ(orientation_exif(app1(intel, {{0x010F, 2, 6, 0}, {0x0112, 3, 1, valeur}})), int(valeur)) << intel;
}

TEST(OrientationExif, AnythingMissingOrDamagedMeansNoTurn) {
  const auto deux = app1(true, {{0x010F, 2, 6, 0}, {0x0112, 3, 1, 6}}), motorola = app1(false, {{0x0112, 3, 1, 6}});
  const std::vector<std::uint8_t> cas[] = {
      app1(true, {}),                   // no tag
      app1(true, {{0x0112, 3, 1, 0}}),  // values 1 to 8 only
      app1(true, {{0x0112, 3, 1, 9}}),
      app1(true, {{0x0112, 4, 1, 6}}),        // a LONG, not a SHORT
      app1(true, {{0x0112, 3, 2, 6}}),        // two values
      app1(true, {{0x0112, 3, 1, 6}}, 4000),  // the directory outside the segment
      app1(true, {{0x0112, 3, 1, 6}}, 0xFFFFFFFF),
      {deux.begin(), deux.end() - 10},           // the directory runs past the segment
      test::pose(motorola, {6 + 8 + 1, 1, 40}),  // 40 entries announced, one there
      test::pose(deux, {0, 1, 'e'}),             // not "Exif"
      test::pose(motorola, {6, 1, 'X'}),         // neither byte order
      test::pose(deux, {8, 1, 43}),              // not TIFF's 42
      {},
      {'E', 'x', 'i', 'f', 0, 0, 'I', 'I'},
  };
  for (const auto& segment : cas) EXPECT_EQ(orientation_exif(segment), 1) << &segment - cas;
}

TEST(Orientation, EveryStoredFormIsSeenTheSameWayUp) {
  // Seen upright, 2 wide and 3 tall:  a b / c d / e f. How each orientation
  // stores it, as the Exif standard draws them; pixels named by their first byte.
  const std::tuple<int, int, int, std::string> cas[] = {
      {1, 2, 3, "abcdef"}, {2, 2, 3, "badcfe"}, {3, 2, 3, "fedcba"}, {4, 2, 3, "efcdab"},
      {5, 3, 2, "acebdf"}, {6, 3, 2, "bdface"}, {7, 3, 2, "fdbeca"}, {8, 3, 2, "ecafdb"},
  };
  for (const auto& [orientation, largeur, hauteur, stockees] : cas) {
    Pixels p{largeur, hauteur, {}};
    for (char c : stockees) p.octets.insert(p.octets.end(), {static_cast<std::uint8_t>(c), 0, 0, 255});
    const Pixels vues = orienter(p, orientation);
    std::string noms;
    for (std::size_t i = 0; i < vues.octets.size(); i += 4) noms += static_cast<char>(vues.octets[i]);
    EXPECT_EQ(std::tuple(vues.largeur, vues.hauteur, noms), std::tuple(2, 3, std::string("abcdef"))) << orientation;
  }
}

}  // namespace
}  // namespace pixavue
