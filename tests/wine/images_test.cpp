// The decoders on real files: every type's natural size and what a prepared
// picture of it shows, the scale a JPEG is decoded at, what is refused; and
// valid enhanced metafiles from several writers (Windows' own GDI in every
// mapping mode, Inkscape, libEMF through pstoedit, whose frame runs from a
// negative top as y-up writers have it), whose every record the walk vouches
// for, shown exactly as the system's own playback draws them.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "banc_reel.h"
#include "enregistrement_gdi.h"
#include "octets.h"
#include "outils.h"
#include "slideshow/ajustement.h"
#include "slideshow/verification_metafichier.h"

namespace pixavue::win32 {
namespace {

std::wstring photo(const std::wstring& nom) { return test::chemin_wine(PIXAVUE_PHOTOS, nom); }

struct Images : ::testing::Test {
  InitialisationCom com;
  ImagesWin32 images{96};
};

// A picture prepared at that size over magenta, which none of them holds,
// read at those points.
std::string teintes_preparees(const ImageWin32& image, int l, int h, const std::vector<POINT>& points) {
  ImagePreparee p = creer_dib(l, h);
  image.preparer(l, h, {0, 0, l, h}, RGB(200, 0, 200), p);
  PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
  Selection choisi(dc.get(), p.bitmap.get());
  return test::teintes([&](int x, int y) { return GetPixel(dc.get(), x, y); }, points);
}

// Each picture prepared at its natural size, and read at a few points: the
// landscapes' yellow sun high on the right (and their blue sky), the photos'
// red, green / blue, yellow quarters seen upright, the background where a
// picture is transparent.
TEST_F(Images, EveryTypeLoadsWithItsNaturalSizeAndShowsItsContent) {
  const std::vector<POINT> quarts = {{12, 20}, {48, 20}, {12, 70}, {48, 70}};
  const std::tuple<std::wstring, double, double, std::vector<POINT>, const char*> cas[] = {
      {test::echantillon(L"colline.bmp"), 160, 120, {{112, 30}}, "J"},
      {test::echantillon(L"vallee.gif"), 240, 180, {{168, 45}}, "J"},
      {test::echantillon(L"grand paysage.jpg"), 1600, 1200, {{1120, 300}, {800, 60}}, "JB"},
      {test::echantillon(L"photo été 写真.jpg"), 320, 240, {{224, 60}}, "J"},
      {test::echantillon(L"rond.ico"), 48, 48, {{0, 0}, {34, 10}}, "MV"},  // a disc
      {test::echantillon(L"viseur.cur"), 32, 32, {{0, 0}}, "M"},
      // Slices of see-through glass round a white hole, on nothing.
      {test::echantillon(L"vitrail.png"), 200, 200, {{2, 2}, {100, 100}, {170, 40}, {40, 60}}, "MWJB"},
      {test::echantillon(L"dessin.wmf"), 3 * 96, 2 * 96, {{144, 5}}, "B"},  // 3 x 2 inches, framed in blue
      // 80 x 50 mm, its yellow disc left of centre.
      {test::echantillon(L"schema.emf"), 8000 * 96 / 2540.0, 5000 * 96 / 2540.0, {{106, 94}}, "J"},
      {photo(L"o6.jpg"), 60, 90, quarts, "RVBJ"},  // stored turned a quarter, little-endian tag
      {photo(L"o7.jpg"), 60, 90, quarts, "RVBJ"},  // stored transposed and turned, big-endian tag
      {photo(L"cmyk.jpg"), 60, 90, quarts, "RVBJ"},
      // 32 bits with an alpha mask: opaque when every alpha is 0, as browsers show it.
      {photo(L"alpha-nul.bmp"), 60, 40, {{5, 5}, {55, 35}}, "RR"},
      {photo(L"alpha-partiel.bmp"), 60, 40, {{5, 5}, {55, 35}}, "RM"},
  };
  for (const auto& [chemin, largeur, hauteur, points, teintes] : cas) {
    auto image = std::dynamic_pointer_cast<const ImageWin32>(images.charger(chemin, std::nullopt));
    ASSERT_NE(image, nullptr) << chemin;
    EXPECT_NEAR(image->taille_naturelle().largeur, largeur, 0.01) << chemin;
    EXPECT_NEAR(image->taille_naturelle().hauteur, hauteur, 0.01) << chemin;
    EXPECT_EQ(teintes_preparees(*image, int(std::lround(largeur)), int(std::lround(hauteur)), points), teintes)
        << chemin;
  }
}

// Decoded at the smallest eighth that covers its box read the picture's way
// up, and a hundredth more for the ratio's rounding: 1/2, 5/8 of the stored
// 90 x 60, then turned. Read the other way, the box would have allowed 3/8.
TEST_F(Images, AJpegIsDecodedAtTheScaleItsBoxNeeds) {
  auto image = std::dynamic_pointer_cast<const ImageMatricielle>(images.charger(photo(L"o6.jpg"), Cadre{{30, 45}}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(std::pair(image->pixels().largeur, image->pixels().hauteur), std::pair(38, 57));
}

// Alone in its suite: it reads the process's peak memory.
using BudgetJpeg = Images;
TEST_F(BudgetJpeg, WhatCantBeShownOrWouldNeedMoreThanTheBudgetIsRefusedFromItsHeaders) {
  // 22,500 x 33,300, progressive: every coefficient would be kept, gigabytes.
  EXPECT_LT(test::pic_de_memoire([&] {
              EXPECT_EQ(images.charger(photo(L"geant-progressif.jpg"), Cadre{{1920, 1080}}), nullptr);
            }),
            256u);
  // No colour table: the system's decoder would read a palette that is not there.
  for (const std::wstring& chemin :
       {photo(L"sans-couleurs.gif"), test::echantillon(L"lisez-moi.txt"), test::echantillon(L"absent.jpg")})
    EXPECT_EQ(images.charger(chemin, std::nullopt), nullptr) << chemin;
}

// The worker's decoders give up once a run has ended: every long decode
// looks at the flag between reads or rows.
TEST_F(Images, EveryLongDecodeGivesUpOnceAbandoned) {
  std::atomic<bool> abandon{false};
  ImagesWin32 fil(96, &abandon);
  std::string decodees;  // each file before, then once abandoned; reduced as decoded, a band at a time
  for (const wchar_t* nom : {L"grand paysage.jpg", L"colline.bmp", L"vallee.gif", L"bande.dib", L"vitrail.png"})
    for (bool abandonne : {false, true}) {
      abandon = abandonne;
      decodees += fil.charger(test::echantillon(nom), Cadre{{10, 10}}) ? 'o' : '.';
    }
  EXPECT_EQ(decodees, "o.o.o.o.o.");
}

using test::enregistrer_gdi;
using Octets = std::vector<std::uint8_t>;
constexpr RECT kCadre{0, 0, 8000, 6000};  // hundredths of a millimetre

// The pixels of the picture fitted into 640 x 480 over white, as we show it or
// as the system's own playback draws it into the same rectangle.
std::vector<std::uint32_t> montrer(const Octets& octets, bool par_le_systeme) {
  auto image = std::dynamic_pointer_cast<const ImageWin32>(decoder_metafichier(octets, 96));
  if (!image) return {};
  const RectanglePixels r = rectangle_montre(image->taille_naturelle(), Cadre{{640, 480}, true});
  ImagePreparee p = creer_dib(r.largeur, r.hauteur);
  image->preparer(r.largeur, r.hauteur, {0, 0, r.largeur, r.hauteur}, RGB(255, 255, 255), p);
  if (par_le_systeme) {  // over the same white again
    RECT tout{0, 0, r.largeur, r.hauteur};
    PoigneeMetafichier emf(SetEnhMetaFileBits(static_cast<UINT>(octets.size()), octets.data()));
    PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
    Selection choisi(dc.get(), p.bitmap.get());
    FillRect(dc.get(), &tout, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlayEnhMetaFile(dc.get(), emf.get(), &tout);
    GdiFlush();
  }
  std::vector<std::uint32_t> v(std::size_t(r.largeur) * r.hauteur);
  std::memcpy(v.data(), p.bits, v.size() * 4);
  for (auto& pixel : v) pixel |= 0xFF000000u;
  return v;
}

// A recording in a fixed metric mode, made over again in MM_ANISOTROPIC with
// the extents that mode stands for on the header's reference device: Wine's
// own playback maps those modes at the screen's resolution instead (and
// rounds them otherwise), so it plays the twin right, not the recording.
// The recordings set both extents right after the mode. The extents that the
// fixed mode ignores are where it is; the rest is the file as it is.
struct Jumeau {
  Octets octets;
  std::vector<std::uint32_t> etendues_ignorees;  // record numbers
};
Jumeau jumeau_anisotrope(const Octets& fixe) {
  constexpr std::int64_t kUnitesParMm[][2] = {{10, 1}, {100, 1}, {1000, 254}, {10000, 254}, {14400, 254}};
  Jumeau j{fixe, {}};
  std::uint64_t mode = MM_TEXT;
  std::uint32_t numero = 1;  // after the header
  for (auto [position, taille] : test::enregistrements(fixe)) {
    const auto type = test::lu(fixe, position, 4);
    if (type == EMR_SETMAPMODE) {
      mode = test::lu(fixe, position + 8, 4);
      if (mode >= MM_LOMETRIC && mode <= MM_TWIPS) j.octets = test::pose(j.octets, {position + 8, 4, MM_ANISOTROPIC});
    }
    if ((type == EMR_SETWINDOWEXTEX || type == EMR_SETVIEWPORTEXTEX) && mode >= MM_LOMETRIC && mode <= MM_TWIPS) {
      const auto [unites, millimetres] = kUnitesParMm[mode - MM_LOMETRIC];
      for (int axe = 0; axe < 2; ++axe) {
        const std::int64_t px = test::lu(fixe, 72 + 4 * axe, 4), mm = test::lu(fixe, 80 + 4 * axe, 4);
        const std::int64_t v = type == EMR_SETWINDOWEXTEX ? mm * unites : (axe ? -px : px) * millimetres;
        j.octets = test::pose(j.octets, {position + 8 + 4 * axe, 4, std::uint64_t(v) & 0xFFFFFFFFu});
      }
      j.etendues_ignorees.push_back(numero);
    }
    ++numero;
  }
  return j;
}

void comparer_au_systeme(const Octets& octets) {
  const auto verifie = verifier_emf(octets);
  ASSERT_TRUE(verifie);
  const Jumeau jumeau = jumeau_anisotrope(octets);
  EXPECT_EQ(verifie->ecartes, jumeau.etendues_ignorees) << "records the walk left out";
  const auto attendus = montrer(jumeau.octets, true);
  const auto dessines = std::count_if(attendus.begin(), attendus.end(), [](auto p) { return p != 0xFFFFFFFFu; });
  EXPECT_GT(std::size_t(dessines), attendus.size() / 100) << "the system draws it: " << dessines;
  EXPECT_TRUE(montrer(octets, false) == attendus) << "the same pixels as the system's playback";
}

TEST(Metafichiers, EveryWriterFileAndGdiRecordingShowsAsTheSystemPlaysIt) {
  int fichiers = 0;
  for (const auto& f : std::filesystem::directory_iterator(test::chemin_wine(PIXAVUE_METAFICHIERS, L"")))
    if (f.path().extension() == ".emf") {
      SCOPED_TRACE(f.path().string());
      std::ifstream flux(f.path(), std::ios::binary);
      comparer_au_systeme({std::istreambuf_iterator<char>(flux), {}});
      ++fichiers;
    }
  EXPECT_GE(fichiers, 4);
  for (int mode = MM_TEXT; mode <= MM_ANISOTROPIC; ++mode) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    comparer_au_systeme(enregistrer_gdi(mode, nullptr));
    comparer_au_systeme(enregistrer_gdi(mode, &kCadre));
    // Above the origin in the y-up modes, with its own origins, framed by GDI.
    comparer_au_systeme(enregistrer_gdi(mode, nullptr, true, true));
  }
}

// A recording made on a reference device of 1,200 dpi, whose size the header
// gives (4,724 pixels over 100 mm).
Octets sur_appareil_1200_ppp(Octets o) {
  for (std::size_t a : {72, 76}) o = test::pose(o, {a, 4, 4724});
  for (std::size_t a : {80, 84}) o = test::pose(o, {a, 4, 100});
  return o;
}

TEST(Metafichiers, AFixedMetricModeShowsAsItsAnisotropicTwinOnAnotherReferenceDevice) {
  for (int mode = MM_LOMETRIC; mode <= MM_TWIPS; ++mode) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    comparer_au_systeme(sur_appareil_1200_ppp(enregistrer_gdi(mode, &kCadre)));
  }
}

// A circle filling its square, recorded as a Windows metafile behind a
// placeable header whose box starts away from 0; `propre` when the records
// set that window themselves. Either way it fills the picture: its middle
// and the middle of each edge blue, the corners the background.
Octets wmf_placable(bool propre) {
  HDC dc = CreateMetaFileW(nullptr);
  if (propre) {
    SetWindowOrgEx(dc, 1000, 500, nullptr);
    SetWindowExtEx(dc, 2000, 2000, nullptr);
  }
  PoigneeGdi<HBRUSH> bleu(CreateSolidBrush(RGB(30, 80, 200)));
  SelectObject(dc, bleu.get());
  Ellipse(dc, 1000, 500, 3000, 2500);
  PoigneeMetafichierWindows m(CloseMetaFile(dc));
  Octets o(22 + GetMetaFileBitsEx(m.get(), 0, nullptr));
  GetMetaFileBitsEx(m.get(), static_cast<UINT>(o.size() - 22), o.data() + 22);
  std::uint16_t entete[11] = {0xCDD7, 0x9AC6, 0, 1000, 500, 3000, 2500, 1440, 0, 0, 0};  // 1440 units an inch
  for (int i = 0; i < 10; ++i) entete[10] ^= entete[i];
  std::memcpy(o.data(), entete, 22);
  return o;
}

TEST(Metafichiers, APlaceableMetafileFillsItsBoxWhereverTheBoxStarts) {
  for (bool propre : {false, true}) {
    const Octets o = wmf_placable(propre);
    auto image = std::dynamic_pointer_cast<const ImageWin32>(decoder_metafichier(o, 144));
    ASSERT_NE(image, nullptr) << propre;
    ASSERT_NEAR(image->taille_naturelle().largeur, 200, 0.01);  // 2000 units over 1440 an inch, at 144 dpi
    EXPECT_EQ(teintes_preparees(*image, 200, 200,
                                {{100, 100}, {4, 100}, {195, 100}, {100, 4}, {100, 195}, {4, 4}, {195, 195}}),
              "BBBBBMM")
        << propre;
  }
}

// A record the walk can't vouch for is left out, and the rest still plays:
// the picture is the same as without it.
TEST(Metafichiers, ARecordTheWalkCantVouchForIsLeftOutAtPlayback) {
  // The bitmap blit told its pixels are one byte long: they are all still
  // there, so a playback that doesn't check would draw it.
  Octets avec = enregistrer_gdi(MM_TEXT, &kCadre);
  for (auto [position, taille] : test::enregistrements(avec))
    if (test::lu(avec, position, 4) == EMR_STRETCHDIBITS) avec = test::pose(avec, {position + 60, 4, 1});  // cbBitsSrc
  const auto verifie = verifier_emf(avec);
  ASSERT_TRUE(verifie);
  EXPECT_EQ(verifie->ecartes.size(), 1u);
  const auto sans = montrer(enregistrer_gdi(MM_TEXT, &kCadre, false), false);
  EXPECT_TRUE(montrer(avec, false) == sans);
  EXPECT_FALSE(montrer(enregistrer_gdi(MM_TEXT, &kCadre), false) == sans) << "the bitmap shows when it is whole";
}

}  // namespace
}  // namespace pixavue::win32
