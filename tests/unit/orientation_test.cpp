// The Exif orientation tag in both byte orders and damaged, and the eight
// stored forms of one picture each seen the same way up.
#include "slideshow/orientation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pixavue {
namespace {

// An APP1 payload whose first directory holds `entrees` entries, the
// orientation one last: (tag, type, count, value).
struct Entree {
  std::uint16_t etiquette, type;
  std::uint32_t nombre;
  std::uint16_t valeur;
};
std::vector<std::uint8_t> app1(bool intel, std::vector<Entree> entrees, std::uint32_t ifd0 = 8) {
  std::vector<std::uint8_t> o = {'E', 'x', 'i', 'f', 0, 0};
  auto mot = [&](std::uint16_t v) {
    std::uint8_t a = v >> 8, b = v & 0xFF;
    o.insert(o.end(), intel ? std::initializer_list<std::uint8_t>{b, a} : std::initializer_list<std::uint8_t>{a, b});
  };
  auto double_mot = [&](std::uint32_t v) {
    if (intel)
      mot(v & 0xFFFF), mot(v >> 16);
    else
      mot(v >> 16), mot(v & 0xFFFF);
  };
  o.push_back(intel ? 'I' : 'M');
  o.push_back(intel ? 'I' : 'M');
  mot(42);
  double_mot(ifd0);
  mot(static_cast<std::uint16_t>(entrees.size()));
  for (const Entree& e : entrees) {
    mot(e.etiquette), mot(e.type), double_mot(e.nombre), mot(e.valeur), mot(0);
  }
  double_mot(0);  // no next directory
  return o;
}

TEST(OrientationExif, ReadInBothByteOrdersAfterOtherTags) {
  for (bool intel : {true, false})
    for (std::uint16_t valeur = 1; valeur <= 8; ++valeur) {
      auto segment = app1(intel, {{0x010F, 2, 6, 0}, {0x0112, 3, 1, valeur}});
      EXPECT_EQ(orientation_exif(segment), valeur) << intel << " " << valeur;
    }
}

TEST(OrientationExif, AnythingMissingOrDamagedMeansNoTurn) {
  auto tronque = app1(true, {{0x010F, 2, 6, 0}, {0x0112, 3, 1, 6}});
  tronque.erase(tronque.end() - 10, tronque.end());  // the directory runs past the segment
  auto faux_nombre = app1(false, {{0x0112, 3, 1, 6}});
  faux_nombre[6 + 8 + 1] = 40;  // 40 entries announced, one there
  auto pas_exif = app1(true, {{0x0112, 3, 1, 6}});
  pas_exif[0] = 'e';
  auto mauvais_ordre = app1(true, {{0x0112, 3, 1, 6}});
  mauvais_ordre[6] = 'X';
  const std::vector<std::vector<std::uint8_t>> cas = {
      app1(true, {}),
      app1(true, {{0x0112, 3, 1, 0}}),
      app1(true, {{0x0112, 3, 1, 9}}),
      app1(true, {{0x0112, 4, 1, 6}}),  // a LONG, not a SHORT
      app1(true, {{0x0112, 3, 2, 6}}),
      app1(true, {{0x0112, 3, 1, 6}}, 4000),  // directory outside the segment
      app1(true, {{0x0112, 3, 1, 6}}, 0xFFFFFFFF),
      tronque,
      faux_nombre,
      pas_exif,
      mauvais_ordre,
      {},
      {'E', 'x', 'i', 'f', 0, 0, 'I', 'I'},
  };
  for (std::size_t i = 0; i < cas.size(); ++i) EXPECT_EQ(orientation_exif(cas[i]), 1) << i;
}

// Pixels whose first byte names them; 4 bytes each.
Pixels image(int largeur, int hauteur, const std::string& noms) {
  Pixels p{largeur, hauteur, {}};
  for (char c : noms) p.octets.insert(p.octets.end(), {static_cast<std::uint8_t>(c), 0, 0, 255});
  return p;
}
std::string noms(const Pixels& p) {
  std::string n;
  for (std::size_t i = 0; i < p.octets.size(); i += 4) n += static_cast<char>(p.octets[i]);
  return n;
}

TEST(Orientation, EveryStoredFormIsSeenTheSameWayUp) {
  // Seen upright, 2 wide and 3 tall:  a b / c d / e f. How each orientation
  // stores it, as the Exif standard draws them.
  struct Cas {
    int orientation, largeur, hauteur;
    const char* stockees;
  } cas[] = {
      {1, 2, 3, "abcdef"}, {2, 2, 3, "badcfe"}, {3, 2, 3, "fedcba"}, {4, 2, 3, "efcdab"},
      {5, 3, 2, "acebdf"}, {6, 3, 2, "bdface"}, {7, 3, 2, "fdbeca"}, {8, 3, 2, "ecafdb"},
  };
  for (auto [orientation, largeur, hauteur, stockees] : cas) {
    Pixels vues = orienter(image(largeur, hauteur, stockees), orientation);
    EXPECT_EQ(vues.largeur, 2) << orientation;
    EXPECT_EQ(vues.hauteur, 3) << orientation;
    EXPECT_EQ(noms(vues), "abcdef") << orientation;
  }
}

}  // namespace
}  // namespace pixavue
