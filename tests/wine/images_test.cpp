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
#include "win32/avec_gdiplus.h"

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

// A file made over into the twin that Wine's own playback draws as Windows
// draws the file, where that playback goes wrong:
// - a fixed metric mode becomes MM_ANISOTROPIC with the extents it stands
//   for on the header's reference device (Wine maps those modes at the
//   screen's resolution, and rounds them otherwise); the recordings set both
//   extents right after the mode, and the extents the fixed mode ignores
//   are where it is;
// - an extended pen is written in the 64-bit layout of EXTLOGPEN, 8 bytes
//   aligned and with a hatch field 8 bytes wide, as Wine's 64-bit playback
//   reads it.
struct Jumeau {
  Octets octets;
  std::vector<std::uint32_t> etendues_ignorees;  // record numbers
};
Jumeau jumeau_de_wine(const Octets& fixe) {
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
  // The pens last, from the end, as each grows by 8 bytes.
  const auto records = test::enregistrements(j.octets);
  for (auto r = records.rbegin(); r != records.rend(); ++r) {
    const auto [position, taille] = *r;
    if (test::lu(j.octets, position, 4) != EMR_EXTCREATEPEN) continue;
    for (std::size_t champ : {12, 20})  // the bitmap's offsets, past the pen
      if (test::lu(j.octets, position + champ, 4) >= 28)
        j.octets = test::pose(j.octets, {position + champ, 4, test::lu(j.octets, position + champ, 4) + 8});
    j.octets = test::pose(j.octets, {position + 4, 4, taille + 8});
    j.octets.insert(j.octets.begin() + std::ptrdiff_t(position + 48), 4, 0);  // the hatch, 8 bytes wide
    j.octets.insert(j.octets.begin() + std::ptrdiff_t(position + 28), 4, 0);  // the pen, 8 bytes aligned
  }
  j.octets = test::pose(j.octets, {48, 4, j.octets.size()});
  return j;
}

void comparer_au_systeme(const Octets& octets) {
  const auto verifie = verifier_emf(octets);
  ASSERT_TRUE(verifie);
  const Jumeau jumeau = jumeau_de_wine(octets);
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

// A chart's axes, grid and outline, drawn over a null pen with a plain one
// (EMR_CREATEPEN), which Wine's playback draws; or with the same pen as
// charting programs write it: geometric, solid, round ends and joins, one
// unit wide, no style entries (EMR_EXTCREATEPEN, in the file's 32-bit
// layout, which Wine's 64-bit playback misreads). Wine's recorder writes
// the plain pen either way, so the second is made from the first.
Octets graphique(bool stylo_etendu) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &kCadre, nullptr);
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  PoigneeGdi<HPEN> stylo(CreatePen(PS_SOLID, 1, RGB(20, 40, 160)));
  SelectObject(dc, stylo.get());
  BeginPath(dc);
  for (int x = 20; x <= 280; x += 20) {
    MoveToEx(dc, x, 10, nullptr);
    LineTo(dc, x, 200);
  }
  MoveToEx(dc, 10, 200, nullptr);
  LineTo(dc, 290, 200);
  EndPath(dc);
  StrokePath(dc);
  Ellipse(dc, 60, 40, 240, 180);
  SelectObject(dc, GetStockObject(NULL_PEN));
  Octets octets = test::octets_de(PoigneeMetafichier(CloseEnhMetaFile(dc)));
  if (!stylo_etendu) return octets;
  for (auto [position, taille] : test::enregistrements(octets))
    if (test::lu(octets, position, 4) == EMR_CREATEPEN) {
      test::Octets etendu;  // the slot, no bitmap, then EXTLOGPEN32
      etendu.u32(EMR_EXTCREATEPEN).u32(52).u32(static_cast<std::uint32_t>(test::lu(octets, position + 8, 4)));
      etendu.u32(0).u32(0).u32(0).u32(0);
      etendu.u32(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND).u32(1).u32(BS_SOLID);
      etendu.u32(static_cast<std::uint32_t>(test::lu(octets, position + 24, 4))).u32(0).u32(0);
      octets.erase(octets.begin() + std::ptrdiff_t(position), octets.begin() + std::ptrdiff_t(position + taille));
      octets.insert(octets.begin() + std::ptrdiff_t(position), etendu.o.begin(), etendu.o.end());
      return test::pose(octets, {48, 4, octets.size()});
    }
  ADD_FAILURE() << "no pen recorded";
  return octets;
}

TEST(Metafichiers, StrokesOfAnExtendedPenShowAsThoseOfTheSamePlainPen) {
  const Octets etendu = graphique(true);
  const auto verifie = verifier_emf(etendu);
  ASSERT_TRUE(verifie);
  EXPECT_EQ(verifie->ecartes, std::vector<std::uint32_t>{});
  const auto attendus = montrer(graphique(false), true);
  const auto traces = std::count_if(attendus.begin(), attendus.end(), [](auto p) { return p != 0xFFFFFFFFu; });
  EXPECT_GT(std::size_t(traces), attendus.size() / 100) << "the plain pen draws: " << traces;
  EXPECT_TRUE(montrer(etendu, false) == attendus);
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

// A placeable Windows metafile of a 40 x 40 box at 96 units an inch, written
// word by word: no recorder writes a device-dependent blit any more.
Octets wmf_ecrit(const std::vector<std::vector<std::uint16_t>>& records) {
  test::Octets f;
  f.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(40).u16(40).u16(96).u32(0);
  std::uint16_t somme = 0;
  for (std::size_t i = 0; i < 20; i += 2) somme ^= static_cast<std::uint16_t>(test::lu(f.o, i, 2));
  f.u16(somme);
  std::uint32_t mots = 9 + 3, plus_long = 3;
  for (const auto& r : records) {
    mots += 3 + static_cast<std::uint32_t>(r.size()) - 1;
    plus_long = std::max(plus_long, 3 + static_cast<std::uint32_t>(r.size()) - 1);
  }
  f.u16(1).u16(9).u16(0x0300).u32(mots).u16(2).u32(plus_long).u16(0);  // METAHEADER: two objects
  for (const auto& r : records) {                                      // the function, then its parameters
    f.u32(3 + static_cast<std::uint32_t>(r.size()) - 1);
    for (std::uint16_t mot : r) f.u16(mot);
  }
  return f.u32(3).u16(0).o;
}

// Its top half painted blue with a brush whose creation follows one left
// out; its bottom half a stretched blit of a 2 x 2 bitmap, red on the left
// and green on the right, of 32 bits a pixel in one file and of 24 in the
// other; then a selection of an object that isn't there. The whole shows,
// less what is left out.
TEST(Metafichiers, AWindowsMetafileLeavesOutARecordAndDrawsItsOwnBlitsOfDeviceBitmaps) {
  for (std::uint16_t bits : {32, 24}) {
    SCOPED_TRACE(testing::Message() << bits << " bits");
    const std::uint16_t ligne = bits == 32 ? 8 : 6;
    std::vector<std::uint16_t> blit{0x0B23, 0x0020, 0x00CC, 2,     2,
                                    0,      0,      20,     40,    20,
                                    0,  // SRCCOPY 2 x 2 to 40 x 20
                                    0,      2,      2,      ligne, static_cast<std::uint16_t>(1 | bits << 8)};
    for (int y = 0; y < 2; ++y)
      blit.insert(blit.end(), bits == 32 ? std::initializer_list<std::uint16_t>{0x0000, 0x00FF, 0xFF00, 0x0000}
                                         : std::initializer_list<std::uint16_t>{0x0000, 0x00FF, 0x00FF});
    const Octets o = wmf_ecrit({{0x01F9, 1, 2, 3},               // META_CREATEPATTERNBRUSH: left out
                                {0x02FC, 0, 0x501E, 0x00C8, 0},  // a blue brush, in slot 1
                                {0x012D, 1},
                                {0x041B, 20, 40, 0, 0},  // META_RECTANGLE: bottom, right, top, left
                                blit,
                                {0x012D, 7}});
    const auto verifie = verifier_wmf(o);
    ASSERT_TRUE(verifie);
    EXPECT_EQ(verifie->ecartes, (std::vector<std::uint32_t>{0, 5}));
    auto image = std::dynamic_pointer_cast<const ImageWin32>(decoder_metafichier(o, 96));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(teintes_preparees(*image, 40, 40, {{20, 10}, {5, 30}, {15, 30}, {25, 30}, {35, 30}}), "BRRVV");
  }
}

// An EMF whose drawing is all EMF+, as Office and .NET programs write it,
// recorded through GDI+ itself: its left half blue, its right half red, over
// a frame of 200 x 100 pixels. The system's GDI playback ignores EMF+; the
// decoding process draws it through GDI+.
Octets emf_plus_seul() {
  ULONG_PTR jeton = 0;
  Gdiplus::GdiplusStartupInput entree;
  Gdiplus::GdiplusStartup(&jeton, &entree, nullptr);
  Octets octets;
  {
    namespace G = Gdiplus::DllExports;
    HDC reference = GetDC(nullptr);
    const Gdiplus::GpRectF cadre{0, 0, 200, 100};
    Gdiplus::GpMetafile* m = nullptr;
    G::GdipRecordMetafile(reference, Gdiplus::EmfTypeEmfPlusOnly, &cadre, Gdiplus::MetafileFrameUnitPixel, nullptr, &m);
    ReleaseDC(nullptr, reference);
    Gdiplus::GpGraphics* g = nullptr;
    G::GdipGetImageGraphicsContext(m, &g);
    for (auto [x, couleur] : {std::pair{0, 0xFF1E50C8u}, {100, 0xFFC81E1Eu}}) {
      Gdiplus::GpSolidFill* brosse = nullptr;
      G::GdipCreateSolidFill(couleur, &brosse);
      G::GdipFillRectangleI(g, brosse, x, 0, 100, 100);
      G::GdipDeleteBrush(brosse);
    }
    G::GdipDeleteGraphics(g);
    HENHMETAFILE emf = nullptr;
    G::GdipGetHemfFromMetafile(m, &emf);
    G::GdipDisposeImage(m);
    octets = test::octets_de(PoigneeMetafichier(emf));
  }
  Gdiplus::GdiplusShutdown(jeton);
  return octets;
}

TEST(Metafichiers, AnEmfDrawnOnlyInEmfPlusShowsAsGdiPlusDrawsIt) {
  const Octets o = emf_plus_seul();
  const auto verifie = verifier_emf(o);
  ASSERT_TRUE(verifie);
  EXPECT_TRUE(verifie->dessin_emf_plus);
  EXPECT_FALSE(verifier_emf(enregistrer_gdi(MM_TEXT, &kCadre))->dessin_emf_plus) << "GDI's own drawing";
  test::DossierEssai dossier(L"pixavue emf plus");
  const std::wstring chemin = dossier.chemin() + L"\\dessin.emf";
  std::ofstream(std::filesystem::path(chemin), std::ios::binary)
      .write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
  ImagesWin32 images(96);
  auto image = std::dynamic_pointer_cast<const ImageWin32>(images.charger(chemin, Cadre{{400, 200}, true}));
  ASSERT_NE(image, nullptr);
  EXPECT_NEAR(image->taille_naturelle().largeur / image->taille_naturelle().hauteur, 2, 0.05);
  EXPECT_EQ(teintes_preparees(*image, 400, 200, {{50, 100}, {150, 100}, {250, 100}, {350, 100}}), "BBRR");
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
