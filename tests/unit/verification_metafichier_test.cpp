// The metafile walker: the samples pass, every broken form fails, and no
// input reads outside its bytes (AddressSanitizer watches).
#include "slideshow/verification_metafichier.h"

#include <gtest/gtest.h>

#include "octets.h"

namespace pixavue {
namespace {

using test::lire_echantillon;
using test::poser16;
using test::poser32;

TEST(VerificationWmf, TheSamplePassesWithItsBox) {
  auto o = lire_echantillon("dessin.wmf");
  auto m = verifier_wmf(o);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->droite - m->gauche, 3 * 1440);
  EXPECT_EQ(m->bas - m->haut, 2 * 1440);
  EXPECT_EQ(m->unites_par_pouce, 1440);
  EXPECT_EQ(m->debut, 22u);
  EXPECT_EQ(m->taille, o.size() - 22);
}

TEST(VerificationWmf, ASizeThatCountsThePlaceableHeaderIsTaken) {
  auto o = lire_echantillon("dessin.wmf");
  poser32(o, 22 + 6, static_cast<std::uint32_t>(o.size() / 2));  // 22 bytes more than the records
  auto m = verifier_wmf(o);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->taille, o.size() - 22);
  poser32(o, 22 + 6, static_cast<std::uint32_t>(o.size() / 2 + 1));  // anything else still fails
  EXPECT_FALSE(verifier_wmf(o));
}

// The sample EMF with these records put before its end record, and its
// header's size and count made right.
std::vector<std::uint8_t> emf_avec(const std::vector<std::vector<std::uint8_t>>& records) {
  auto o = lire_echantillon("schema.emf");
  std::size_t position = o[4] | o[5] << 8;
  while (!(o[position] == 14 && o[position + 1] == 0)) position += o[position + 4] | o[position + 5] << 8;
  for (const auto& r : records) {
    o.insert(o.begin() + static_cast<std::ptrdiff_t>(position), r.begin(), r.end());
    position += r.size();
    poser32(o, 48, static_cast<std::uint32_t>(o.size()));
    poser32(o, 52, (o[52] | o[53] << 8) + 1u);
  }
  return o;
}
std::vector<std::uint8_t> record(std::uint32_t type, std::vector<std::uint32_t> mots) {
  std::vector<std::uint8_t> r(8 + 4 * mots.size());
  poser32(r, 0, type);
  poser32(r, 4, static_cast<std::uint32_t>(r.size()));
  for (std::size_t i = 0; i < mots.size(); ++i) poser32(r, 8 + 4 * i, mots[i]);
  return r;
}

// The records left out of a file that checks out; nothing when it doesn't.
std::optional<std::vector<std::uint32_t>> ecartes(const std::vector<std::uint8_t>& o) {
  auto m = verifier_emf(o);
  if (!m) return std::nullopt;
  return m->ecartes;
}

// EMR_SMALLTEXTOUT with ETO_NO_RECT, 3 characters.
const std::vector<std::uint8_t> kPetitTexte = record(108, {10, 20, 3, 0x100, 1, 0, 0, 0x00620061, 0x00000063});

// EMR_STRETCHDIBITS of a 4 x 2 bitmap of 8 bits whose header counts no
// colours but which carries two.
std::vector<std::uint8_t> dib_court(std::uint32_t pixels) {
  return record(81,
                {0,        0,        4, 2,           0, 0, 0, 0, 4, 2, 80, 48, 128, 8, 0, 0x00CC0020, 4, 2,  // the blit
                 40,       4,        2, 1 | 8 << 16, 0, 0, 0, 0, 0, 0,  // BITMAPINFOHEADER
                 0x000000, 0xFFFFFF,                                    // two colours
                 pixels,   pixels});
}

TEST(VerificationEmf, RecordsThatMainstreamWritersUsePass) {
  // EMR_SETMETARGN and EMR_REALIZEPALETTE are bare 8-byte records;
  // EMR_SETLAYOUT carries one layout; the short colour table is fine while
  // the pixels use only its colours.
  EXPECT_EQ(ecartes(emf_avec({record(28, {}), record(52, {}), record(115, {1}), kPetitTexte, dib_court(0x01000100)})),
            std::vector<std::uint32_t>{});
}

// A record whole and in its chain, whose contents the walk can't vouch for,
// is left out of the playback; the picture still shows.
TEST(VerificationEmf, ARecordItCannotVouchForIsLeftOutNotThePicture) {
  const auto echantillon = lire_echantillon("schema.emf");
  const std::uint32_t avant_la_fin = (echantillon[52] | echantillon[53] << 8) - 1;  // the end record's number
  auto texte = [](std::uint32_t caracteres, std::uint32_t options) {
    auto r = kPetitTexte;
    poser32(r, 16, caracteres);
    poser32(r, 20, options);
    return r;
  };
  const std::vector<std::uint8_t> mauvais[] = {
      texte(30, 0x100),                      // more characters than the record holds
      texte(3, 0),                           // without ETO_NO_RECT its bounds leave no room
      dib_court(0x01000500),                 // index 5 is past the two colours
      record(37, {9}),                       // selects handle 9 of 3
      record(2, {0, 0, 10, 10, 9}),          // a polygon of 9 points in a record of none
      record(27, {}),                        // EMR_MOVETOEX without its point
      record(96, {0, 0, 0, 0, 1, 0, 0, 0}),  // EMR_POLYTEXTOUTA: not read at all
      record(1, {}),                         // a second header
      record(200, {}),                       // a type no writer uses
  };
  for (const auto& r : mauvais) {
    SCOPED_TRACE(testing::Message() << "type " << int(r[0]));
    // Between two good records, which stay.
    EXPECT_EQ(ecartes(emf_avec({record(28, {}), r, record(52, {})})), std::vector<std::uint32_t>{avant_la_fin + 1});
  }
  // A picture's budget of points, spent: the record that would overspend it
  // is left out, and what still fits plays.
  std::vector<std::uint32_t> beaucoup(5 + 2 * 1'200'000);
  beaucoup[4] = 1'200'000;
  const auto gros = record(2, beaucoup);
  EXPECT_EQ(ecartes(emf_avec({gros, gros, record(2, {0, 0, 1, 1, 1, 0, 0})})),
            std::vector<std::uint32_t>{avant_la_fin + 1});
}

TEST(VerificationWmf, BrokenFilesFail) {
  const auto bon = lire_echantillon("dessin.wmf");
  for (std::size_t n = 0; n < bon.size(); ++n) EXPECT_FALSE(verifier_wmf(std::span(bon.data(), n))) << "cut at " << n;

  auto sans_placable = std::vector<std::uint8_t>(bon.begin() + 22, bon.end());
  EXPECT_FALSE(verifier_wmf(sans_placable));

  auto unite_nulle = bon;
  poser16(unite_nulle, 14, 0);
  EXPECT_FALSE(verifier_wmf(unite_nulle));

  auto boite_vide = bon;
  poser16(boite_vide, 10, 0);  // right = left
  EXPECT_FALSE(verifier_wmf(boite_vide));

  // The records of the sample, after the 18-byte header at 22:
  // SetMapMode, SetWindowOrg, SetWindowExt, CreateBrushIndirect, SelectObject...
  const std::size_t select = 22 + 18 + 8 + 10 + 10 + 14;
  auto mauvais_objet = bon;
  poser16(mauvais_objet, select + 6, 7);  // only two slots
  EXPECT_FALSE(verifier_wmf(mauvais_objet));

  auto record_geant = bon;
  poser32(record_geant, 22 + 18, 0x7FFFFFFF);
  EXPECT_FALSE(verifier_wmf(record_geant));

  auto record_nul = bon;
  poser32(record_nul, 22 + 18, 0);
  EXPECT_FALSE(verifier_wmf(record_nul));

  auto sans_fin = bon;
  sans_fin.erase(sans_fin.end() - 6, sans_fin.end());  // drop the end record, fix the header's size
  poser32(sans_fin, 22 + 6, static_cast<std::uint32_t>((sans_fin.size() - 22) / 2));
  EXPECT_FALSE(verifier_wmf(sans_fin));
}

TEST(VerificationWmf, APolygonCountBeyondItsRecordFails) {
  auto o = lire_echantillon("dessin.wmf");
  // The polygon record follows: map mode, window origin and extent, brush,
  // select, rectangle, brush, select, ellipse.
  const std::size_t polygone = 22 + 18 + 8 + 10 + 10 + 14 + 8 + 14 + 14 + 8 + 14;
  ASSERT_EQ(o[polygone + 4], 0x24);
  ASSERT_EQ(o[polygone + 5], 0x03);
  poser16(o, polygone + 6, 4);  // four points in a record that holds three
  EXPECT_FALSE(verifier_wmf(o));
  poser16(o, polygone + 6, 0xFFFF);
  EXPECT_FALSE(verifier_wmf(o));
}

TEST(VerificationEmf, TheSamplePassesWithItsFrame) {
  auto o = lire_echantillon("schema.emf");
  auto m = verifier_emf(o);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->droite - m->gauche, 8000);  // 80 mm in hundredths
  EXPECT_EQ(m->bas - m->haut, 5000);
  EXPECT_EQ(m->taille, o.size());
}

TEST(VerificationEmf, BrokenFilesFail) {
  const auto bon = lire_echantillon("schema.emf");
  for (std::size_t n = 0; n < bon.size(); ++n) EXPECT_FALSE(verifier_emf(std::span(bon.data(), n))) << "cut at " << n;

  auto signature = bon;
  signature[40] ^= 1;
  EXPECT_FALSE(verifier_emf(signature));

  auto cadre_vide = bon;
  poser32(cadre_vide, 32, 0);  // right = left = 0
  EXPECT_FALSE(verifier_emf(cadre_vide));

  auto taille_impaire = bon;
  poser32(taille_impaire, 88 + 4, 25);  // first record's size: not a multiple of 4
  EXPECT_FALSE(verifier_emf(taille_impaire));

  auto stock = bon;  // the first select names handle 1 of 3; a stock object is fine too
  poser32(stock, 88 + 24 + 8, 0x80000000u | 4);
  EXPECT_EQ(ecartes(stock), std::vector<std::uint32_t>{});

  auto trop = bon;
  poser32(trop, 52, 5'000'000);
  EXPECT_FALSE(verifier_emf(trop));
}

}  // namespace
}  // namespace pixavue
