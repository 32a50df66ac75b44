// The metafile walker: every broken form fails, a record it can't vouch for
// is left out, and no input reads outside its bytes (AddressSanitizer watches).
#include "slideshow/verification_metafichier.h"

#include <gtest/gtest.h>

#include <bit>

#include "octets.h"

namespace pixavue {
namespace {

TEST(VerificationWmf, ASizeThatCountsThePlaceableHeaderIsTaken) {
  const auto o = test::lire_echantillon("dessin.wmf");
  auto m = verifier_wmf(test::pose(o, {22 + 6, 4, o.size() / 2}));  // 22 bytes more than the records
  EXPECT_TRUE(m && m->taille == o.size() - 22);
  EXPECT_FALSE(verifier_wmf(test::pose(o, {22 + 6, 4, o.size() / 2 + 1})));  // anything else still fails
}

TEST(VerificationMetafichier, BrokenFilesFail) {
  const auto wmf = test::lire_echantillon("dessin.wmf"), emf = test::lire_echantillon("schema.emf");
  for (std::size_t n = 0; n < wmf.size(); ++n) EXPECT_FALSE(verifier_wmf(std::span(wmf).first(n))) << "cut at " << n;
  for (std::size_t n = 0; n < emf.size(); ++n) EXPECT_FALSE(verifier_emf(std::span(emf).first(n))) << "cut at " << n;
  // The drawing's records after its 18-byte header at 22: map mode, window
  // origin and extent, brush, select, rectangle, brush, select, ellipse, polygon.
  const std::size_t select = 22 + 18 + 8 + 10 + 10 + 14, polygone = select + 8 + 14 + 14 + 8 + 14;
  ASSERT_EQ(wmf[select + 4] | wmf[polygone + 4] << 8, 0x242D);
  for (test::Retouche r : std::initializer_list<test::Retouche>{
           {0, 4, 0},                 // no placeable header
           {14, 2, 0},                // no units per inch
           {10, 2, 0},                // an empty box: right = left
           {22 + 18, 4, 0x7FFFFFFF},  // the first record's size
           {22 + 18, 4, 0},
           {wmf.size() - 2, 2, 0x1E},  // the end record made a SaveDC: the chain runs out
       })
    EXPECT_FALSE(verifier_wmf(test::pose(wmf, r))) << r.a;
  for (test::Retouche r : std::initializer_list<test::Retouche>{
           {40, 1, 0},          // the signature
           {32, 4, 0},          // an empty frame: right = left
           {88 + 4, 4, 25},     // the first record's size, not a multiple of 4
           {52, 4, 5'000'000},  // records beyond the limit
       })
    EXPECT_FALSE(verifier_emf(test::pose(emf, r))) << r.a;
}

// A Windows metafile's record whose contents the walk can't vouch for is
// left out, as in an enhanced one; the drawing's records after its 18-byte
// header at 22 are map mode, window origin and extent, brush, select (4),
// rectangle, brush, select, ellipse, polygon (9), two deletions, end (12).
std::optional<std::vector<std::uint32_t>> ecartes_wmf(std::vector<test::Retouche> retouches,
                                                      const std::vector<std::uint8_t>& avant_la_fin = {}) {
  auto o = test::lire_echantillon("dessin.wmf");
  for (const auto& r : retouches) o = test::pose(o, r);
  o.insert(o.end() - 6, avant_la_fin.begin(), avant_la_fin.end());
  auto m = verifier_wmf(test::pose(o, {22 + 6, 4, (o.size() - 22) / 2}));
  return m ? std::optional(m->ecartes) : std::nullopt;
}

// META_BITBLT (0x0922) of a 2 x 2 bitmap of `bits` bits a pixel, the
// bitmap's rows `ligne` bytes apart.
std::vector<std::uint8_t> blit_ddb(std::uint16_t bits, std::uint16_t ligne, std::uint16_t source_x = 0) {
  test::Octets r;
  const std::uint32_t mots = 3 + 13 + ligne;             // two rows of `ligne` bytes
  r.u32(mots).u16(0x0922).u16(0x0020).u16(0x00CC);       // SRCCOPY
  r.u16(0).u16(source_x).u16(2).u16(2).u16(10).u16(10);  // source y and x, height, width, destination y and x
  r.u16(0).u16(2).u16(2).u16(ligne).u16(1 | bits << 8);  // Bitmap16
  for (int i = 0; i < 2 * ligne; ++i) r.u8(0x80);
  return r.o;
}

TEST(VerificationWmf, ARecordItCannotVouchForIsLeftOutNotThePicture) {
  const std::size_t select = 22 + 18 + 8 + 10 + 10 + 14, polygone = select + 8 + 14 + 14 + 8 + 14;
  EXPECT_EQ(ecartes_wmf({}), std::vector<std::uint32_t>{});
  EXPECT_EQ(ecartes_wmf({{select + 6, 2, 7}}), std::vector<std::uint32_t>{4}) << "selects slot 7 of two";
  EXPECT_EQ(ecartes_wmf({{polygone + 6, 2, 4}}), std::vector<std::uint32_t>{9}) << "4 points where 3 are";
  EXPECT_EQ(ecartes_wmf({{polygone + 6, 2, 0xFFFF}}), std::vector<std::uint32_t>{9});
  // The region records read the handle table at their indexes unchecked:
  // the drawing's select made one of them names slot 7 of two, or its own.
  for (std::uint16_t region : {0x012A, 0x012B, 0x012C}) {
    EXPECT_EQ(ecartes_wmf({{select + 4, 2, region}}), std::vector<std::uint32_t>{}) << region;
    EXPECT_EQ(ecartes_wmf({{select + 4, 2, region}, {select + 6, 2, 7}}), std::vector<std::uint32_t>{4}) << region;
  }
  // Device-dependent bitmaps of 24 and 32 bits, whose sizes check out.
  EXPECT_EQ(ecartes_wmf({}, blit_ddb(32, 8)), std::vector<std::uint32_t>{});
  EXPECT_EQ(ecartes_wmf({}, blit_ddb(24, 6)), std::vector<std::uint32_t>{});
  for (const auto& mauvais : {blit_ddb(32, 6), blit_ddb(24, 4), blit_ddb(8, 2), blit_ddb(32, 8, 1)})
    EXPECT_EQ(ecartes_wmf({}, mauvais), std::vector<std::uint32_t>{12}) << "rows too short, no colours, or out of it";
  const auto entier = blit_ddb(32, 8);
  const std::vector<std::uint8_t> coupe(entier.begin(), entier.end() - 4);
  EXPECT_EQ(ecartes_wmf({}, test::pose(coupe, {0, 4, coupe.size() / 2})), std::vector<std::uint32_t>{12})
      << "a row cut short";
}

std::vector<std::uint8_t> record(std::uint32_t type, std::vector<std::uint32_t> mots) {
  test::Octets r;
  r.u32(type).u32(static_cast<std::uint32_t>(8 + 4 * mots.size()));
  for (std::uint32_t m : mots) r.u32(m);
  return r.o;
}

// The diagram's walk once these records are put before its 20-byte end
// record; nothing when the file doesn't check out.
std::optional<MetafichierAmeliore> marcher(const std::vector<std::vector<std::uint8_t>>& records,
                                           std::vector<std::uint8_t> o = test::lire_echantillon("schema.emf")) {
  for (const auto& r : records) o.insert(o.end() - 20, r.begin(), r.end());
  return verifier_emf(test::pose(test::pose(o, {48, 4, o.size()}), {52, 4, o[52] + records.size()}));
}
std::optional<std::vector<std::uint32_t>> ecartes(const std::vector<std::vector<std::uint8_t>>& records) {
  auto m = marcher(records);
  return m ? std::optional(m->ecartes) : std::nullopt;
}
const std::uint32_t kFin = test::lire_echantillon("schema.emf")[52] - 1;  // the end record's number

// EMR_SMALLTEXTOUT with ETO_NO_RECT, 3 characters.
const std::vector<std::uint8_t> kPetitTexte = record(108, {10, 20, 3, 0x100, 1, 0, 0, 0x00620061, 0x00000063});

// EMR_STRETCHDIBITS of a 4 x 2 bitmap of 8 bits whose header counts no
// colours but which carries two.
std::vector<std::uint8_t> dib_court(std::uint32_t pixels) {
  // clang-format off
  return record(81, {0, 0, 4, 2, 0, 0, 0, 0, 4, 2, 80, 48, 128, 8, 0, 0x00CC0020, 4, 2,  // the blit
                     40, 4, 2, 1 | 8 << 16, 0, 0, 0, 0, 0, 0,  // BITMAPINFOHEADER
                     0x000000, 0xFFFFFF, pixels, pixels});  // two colours, the pixels
  // clang-format on
}

// A record whole and in its chain that the walk can't vouch for is left out
// of the playback, not the picture; the records around it stay.
TEST(VerificationEmf, ARecordItCannotVouchForIsLeftOutNotThePicture) {
  const std::vector<std::uint8_t> mauvais[] = {
      test::pose(kPetitTexte, {16, 4, 30}),           // more characters than the record holds
      test::pose(kPetitTexte, {20, 4, 0}),            // without ETO_NO_RECT its bounds leave no room
      dib_court(0x01000500),                          // index 5 is past the two colours
      test::pose(dib_court(0x01000100), {40, 4, 5}),  // a source 5 pixels wide out of 4
      record(37, {9}),                                // selects handle 9 of 3
      record(2, {0, 0, 10, 10, 9}),                   // a polygon of 9 points in a record of none
      record(27, {}),                                 // EMR_MOVETOEX without its point
      record(96, {0, 0, 0, 0, 1, 0, 0, 0}),           // EMR_POLYTEXTOUTA: not read at all
      record(1, {}),                                  // a second header
      record(200, {}),                                // a type no writer uses
  };
  // Records that mainstream writers use: bare EMR_SETMETARGN and
  // EMR_REALIZEPALETTE, EMR_SETLAYOUT, a stock object selected, a colour
  // table shorter than its depth's while the pixels keep to its colours.
  for (const auto& r : mauvais)
    EXPECT_EQ(ecartes({record(28, {}), record(52, {}), record(115, {1}), record(37, {0x80000004}), kPetitTexte, r,
                       dib_court(0x01000100)}),
              std::vector<std::uint32_t>{kFin + 5})
        << int(r[0]);
  // A picture's budget of points, spent: the record that would overspend it
  // is left out, and what still fits plays.
  std::vector<std::uint32_t> beaucoup(5 + 2 * 1'200'000);
  beaucoup[4] = 1'200'000;
  EXPECT_EQ(ecartes({record(2, beaucoup), record(2, beaucoup), record(2, {0, 0, 1, 1, 1, 0, 0})}),
            std::vector<std::uint32_t>{kFin + 1});
}

// Object indexes as the system's playback reads them: only a selection
// translates a stock object; every other field indexes the handle table as
// it stands, so it must name a slot of the table that holds, at that point,
// an object of its kind. Each sequence follows the picture, which leaves its
// three slots empty; the records left out are counted from its end.
TEST(VerificationEmf, EveryObjectFieldNamesWhatThePlaybackCanTake) {
  const auto brosse = [](std::uint32_t i) { return record(39, {i, 0, 0x0000FF, 0}); };
  const auto remplir = [](std::uint32_t b) { return record(71, {0, 0, 10, 10, 32, b, 32, 1, 0, 0, 0, 0, 10, 10}); };
  const std::pair<std::vector<std::vector<std::uint8_t>>, std::vector<std::uint32_t>> cas[] = {
      {{brosse(1), remplir(1), record(37, {1}), record(37, {0x80000004}), record(40, {1})}, {}},
      {{remplir(0x80000002)}, {1}},               // a stock brush where no translation happens
      {{record(40, {0x80000004})}, {1}},          // a stock object deleted
      {{record(37, {1})}, {1}},                   // a slot the picture emptied
      {{brosse(0x80000001)}, {1}},                // a creation into a stock object
      {{brosse(3)}, {1}},                         // slot 3 of 3
      {{brosse(1), record(50, {1, 0, 0})}, {2}},  // palette entries set on a brush
      {{brosse(1), record(40, {1}), remplir(1)}, {3}},
      {{record(51, {1, 4}), record(100, {1}), record(101, {2})}, {1, 2, 3}},
      // A creation left out leaves its slot empty: its selection follows it out.
      {{record(95, {1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1000}), record(37, {1})}, {1, 2}},
  };
  for (const auto& [records, numeros] : cas) {
    std::vector<std::uint32_t> attendus;
    for (std::uint32_t n : numeros) attendus.push_back(kFin + n - 1);
    EXPECT_EQ(ecartes(records), attendus) << records.size() << " records, first " << int(records[0][0]);
  }
}

// Shapes, pens and glyphs that would reach millions of pixels out once the
// records' own mapping applies are left out: engines rasterise them in time
// and memory that grow with their size. The mapping is followed through
// saved and restored states.
TEST(VerificationEmf, NothingReachesFarBeyondTheFrame) {
  const auto f = [](float v) { return std::bit_cast<std::uint32_t>(v); };
  const auto ellipse = record(42, {0, 0, 100, 100});
  const std::uint32_t loin = 0x40000000;
  const std::pair<std::vector<std::vector<std::uint8_t>>, std::vector<std::uint32_t>> cas[] = {
      {{ellipse, record(42, {0, 0, loin, 100}), record(38, {1, 0, loin, 0, 0}), record(82, {1, loin})}, {2, 3, 4}},
      // x 100,000 in the viewport, then the same ellipse; restored, it fits again.
      {{record(33, {}), record(17, {8}), record(9, {1, 1}), record(11, {100000, 100000}), ellipse, record(34, {~0u}),
        ellipse},
       {5}},
      {{record(36, {f(1e5f), 0, 0, f(1e5f), 0, 0, 2}), ellipse}, {2}},
      // A world transform the system's float can't hold well is left out:
      // NaN, and products past a billion.
      {{record(36, {0x7FC00000, 0, 0, f(1), 0, 0, 2}), ellipse}, {1}},
      {{record(36, {f(1e5f), 0, 0, f(1e5f), 0, 0, 2}), record(36, {f(1e5f), 0, 0, f(1e5f), 0, 0, 2})}, {2}},
      {{record(41, {50, 50, 10, 0, f(1e9f)})}, {1}},  // an arc swept a billion degrees round
      // Only a state saved is restored: none, then the lowest level of all.
      {{record(34, {~0u}), record(33, {}), record(34, {0x80000000}), record(34, {~0u})}, {1, 3}},
  };
  for (const auto& [records, numeros] : cas) {
    std::vector<std::uint32_t> attendus;
    for (std::uint32_t n : numeros) attendus.push_back(kFin + n - 1);
    EXPECT_EQ(ecartes(records), attendus) << records.size() << " records";
  }
  // A reference device of no millimetres: the playback would divide by it.
  EXPECT_FALSE(verifier_emf(test::pose(test::lire_echantillon("schema.emf"), {80, 4, 0})));
}

// A fixed metric mode is played as the anisotropic extents it stands for on
// the file's reference device, here of 4,724 pixels over 100 mm; an extent
// such a mode ignores is left out, until a free mode takes the next one.
TEST(VerificationEmf, AFixedMetricModeIsPlayedAsTheExtentsOfItsReferenceDevice) {
  auto appareil = test::lire_echantillon("schema.emf");
  for (std::size_t a : {72, 76}) appareil = test::pose(appareil, {a, 4, 4724});
  for (std::size_t a : {80, 84}) appareil = test::pose(appareil, {a, 4, 100});
  const auto m = marcher({record(17, {2}), record(9, {5, 5}), record(11, {7, 7}), record(33, {}), record(17, {6}),
                          record(34, {~0u}), record(31, {1, 2, 1, 2}), record(17, {8}), record(9, {5, 5})},
                         appareil);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->ecartes, (std::vector<std::uint32_t>{kFin + 1, kFin + 2, kFin + 6}));
  ASSERT_EQ(m->mappings_libres.size(), 2u);
  const auto& lometrique = m->mappings_libres[0];  // 1,000 units over 4,724 pixels, y up
  EXPECT_EQ(lometrique.enregistrement, kFin);
  EXPECT_EQ(std::vector<std::int32_t>({lometrique.fenetre_x, lometrique.fenetre_y, lometrique.vue_x, lometrique.vue_y}),
            (std::vector<std::int32_t>{250, 250, 1181, -1181}));
  const auto& twips = m->mappings_libres[1];  // 1,440,000 units over 4,724 x 254 pixels
  EXPECT_EQ(twips.enregistrement, kFin + 4);
  EXPECT_EQ(std::vector<std::int32_t>({twips.fenetre_x, twips.vue_x, twips.vue_y}),
            (std::vector<std::int32_t>{180000, 149987, -149987}));
}

}  // namespace
}  // namespace pixavue
