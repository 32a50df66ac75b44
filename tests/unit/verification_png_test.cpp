// The PNG walk: what it vouches for, and every way a file can lie to it.
#include "slideshow/verification_png.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "octets.h"

namespace pixavue {
namespace {

using Octets = std::vector<std::uint8_t>;

// A chunk as a writer makes it, its CRC computed bit by bit; `crc_faux`
// spoils the CRC.
Octets morceau(const std::string& type, const Octets& corps, bool crc_faux = false) {
  test::Octets m{{}, true};
  m.u32(static_cast<std::uint32_t>(corps.size())).suite(type).suite(corps);
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 4; i < m.o.size(); ++i) {
    crc ^= m.o[i];
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
  }
  return m.u32(~crc ^ (crc_faux ? 1 : 0)).o;
}

Octets ihdr(std::uint32_t largeur, std::uint32_t hauteur, int profondeur, int type, int entrelace = 0,
            int compression = 0, int filtre = 0) {
  test::Octets e{{}, true};
  e.u32(largeur).u32(hauteur).u8(profondeur).u8(type).u8(compression).u8(filtre).u8(entrelace);
  return e.o;
}

Octets png(const std::vector<Octets>& morceaux) {
  Octets o = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const Octets& m : morceaux) o.insert(o.end(), m.begin(), m.end());
  return o;
}

const Octets kEntete = morceau("IHDR", ihdr(3, 2, 8, 2)), kDonnees = morceau("IDAT", {0x78, 0x9C, 3, 0}),
             kFin = morceau("IEND", {}), kPalette = morceau("PLTE", {0, 0, 0, 255, 255, 255});

TEST(VerificationPng, VouchesForEveryColourTypeAndDepthAndForWhatDecodersSkip) {
  const std::pair<int, std::vector<int>> permises[] = {
      {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};
  for (const auto& [type, profondeurs] : permises)
    for (int profondeur : {1, 2, 4, 8, 16}) {
      const bool permise = std::find(profondeurs.begin(), profondeurs.end(), profondeur) != profondeurs.end();
      for (int entrelace : {0, 1}) {
        auto s =
            verifier_png(png({morceau("IHDR", ihdr(70000, 5, profondeur, type, entrelace)), kPalette, kDonnees, kFin}));
        EXPECT_EQ(s, permise ? std::optional(StructurePng{70000, 5, profondeur, type, entrelace == 1}) : std::nullopt)
            << type << "/" << profondeur;
      }
    }
  // Ancillary chunks, even with a bad CRC, an animation's own chunks, image
  // data in several chunks, bytes after the end: the decoder's business.
  const Octets texte = morceau("tEXt", {'a', 0, 'b'}, true), animation = morceau("acTL", Octets(8)),
               image = morceau("fcTL", Octets(26)), suite = morceau("fdAT", Octets(5));
  Octets tout = png({kEntete, texte, animation, image, kDonnees, kDonnees, suite, texte, kFin});
  tout.insert(tout.end(), {1, 2, 3});
  EXPECT_TRUE(verifier_png(tout));
  EXPECT_EQ(octets_par_ligne({3, 1, 1, 0, false}), 1u);
  EXPECT_EQ(octets_par_ligne({3, 1, 16, 6, false}), 24u);
}

TEST(VerificationPng, RefusesWhatItCannotVouchFor) {
  const Octets bon = png({kEntete, kDonnees, kFin});
  for (std::size_t n = 0; n < bon.size(); ++n) EXPECT_FALSE(verifier_png(std::span(bon).first(n))) << "cut at " << n;
  Octets signature = bon, longueur = bon, nom = bon;
  signature[4] = 'p';
  longueur[8] = 0x80;  // IHDR 2^31 + 13 bytes long
  nom[14] = '1';
  const std::pair<const char*, Octets> cas[] = {
      {"signature", signature},
      {"length past 2^31 - 1", longueur},
      {"a type that is not letters", nom},
      {"IHDR not first", png({kPalette, kEntete, kDonnees, kFin})},
      {"IHDR twice", png({kEntete, kEntete, kDonnees, kFin})},
      {"IHDR 14 bytes", png({morceau("IHDR", [] { Octets o = ihdr(3, 2, 8, 2); o.push_back(0); return o; }()),
                             kDonnees, kFin})},
      {"width 0", png({morceau("IHDR", ihdr(0, 2, 8, 2)), kDonnees, kFin})},
      {"height 0", png({morceau("IHDR", ihdr(3, 0, 8, 2)), kDonnees, kFin})},
      {"width 2^31", png({morceau("IHDR", ihdr(0x80000000, 2, 8, 2)), kDonnees, kFin})},
      {"colour type 5", png({morceau("IHDR", ihdr(3, 2, 8, 5)), kDonnees, kFin})},
      {"depth 3", png({morceau("IHDR", ihdr(3, 2, 3, 0)), kDonnees, kFin})},
      {"interlace 2", png({morceau("IHDR", ihdr(3, 2, 8, 2, 2)), kDonnees, kFin})},
      {"compression 1", png({morceau("IHDR", ihdr(3, 2, 8, 2, 0, 1)), kDonnees, kFin})},
      {"filter 1", png({morceau("IHDR", ihdr(3, 2, 8, 2, 0, 0, 1)), kDonnees, kFin})},
      {"IHDR's CRC", png({morceau("IHDR", ihdr(3, 2, 8, 2), true), kDonnees, kFin})},
      {"PLTE's CRC", png({kEntete, morceau("PLTE", {1, 2, 3}, true), kDonnees, kFin})},
      {"IDAT's CRC", png({kEntete, morceau("IDAT", {0x78}, true), kFin})},
      {"IEND's CRC", png({kEntete, kDonnees, morceau("IEND", {}, true)})},
      {"a palette picture without PLTE", png({morceau("IHDR", ihdr(3, 2, 8, 3)), kDonnees, kFin})},
      {"PLTE after IDAT", png({kEntete, kDonnees, kPalette, kFin})},
      {"PLTE twice", png({kEntete, kPalette, kPalette, kDonnees, kFin})},
      {"PLTE empty", png({kEntete, morceau("PLTE", {}), kDonnees, kFin})},
      {"PLTE of 4 bytes", png({kEntete, morceau("PLTE", {1, 2, 3, 4}), kDonnees, kFin})},
      {"PLTE of 257 colours", png({kEntete, morceau("PLTE", Octets(3 * 257)), kDonnees, kFin})},
      {"no IDAT", png({kEntete, kFin})},
      {"IDATs apart", png({kEntete, kDonnees, morceau("tEXt", {'a', 0}), kDonnees, kFin})},
      {"IEND with data", png({kEntete, kDonnees, morceau("IEND", {0})})},
      {"an unknown critical chunk", png({kEntete, morceau("ABCD", {}), kDonnees, kFin})},
      {"an ancillary chunk past the end", [&] { Octets o = png({kEntete, kDonnees}); o.insert(o.end(), {0, 0, 1, 0, 't', 'E', 'X', 't', 1}); return o; }()},
  };
  for (const auto& [raison, fichier] : cas) EXPECT_FALSE(verifier_png(fichier)) << raison;
}

}  // namespace
}  // namespace pixavue
