// Valid enhanced metafiles from several writers (Windows' own GDI in every
// mapping mode, Inkscape, libEMF through pstoedit, whose frame runs from a
// negative top as y-up writers have it): the walk vouches for every record, and
// the picture shows exactly as the system's own playback draws it into the
// same rectangle.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "echantillons.h"
#include "slideshow/ajustement.h"
#include "slideshow/verification_metafichier.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

constexpr COLORREF kBlanc = RGB(255, 255, 255);

std::vector<std::uint8_t> octets_de(HENHMETAFILE emf) {
  std::vector<std::uint8_t> octets(GetEnhMetaFileBits(emf, 0, nullptr));
  GetEnhMetaFileBits(emf, static_cast<UINT>(octets.size()), octets.data());
  return octets;
}

// A drawing recorded through GDI in `mode`, its coordinates running up the
// page in the y-up modes; `cadre` in hundredths of a millimetre, or none for
// GDI to take it from what was drawn.
std::vector<std::uint8_t> enregistrer_gdi(int mode, const RECT* cadre) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, cadre, L"Pixavue\0essai\0");
  SetMapMode(dc, mode);
  const bool y_monte = mode >= MM_LOMETRIC && mode <= MM_TWIPS;
  const int haut = y_monte ? -1 : 1;
  if (mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) {
    SetWindowExtEx(dc, 1000, 1000, nullptr);
    SetViewportExtEx(dc, 300, 200, nullptr);
  }
  // About a pixel in each mode's units.
  const int u = !y_monte || mode == MM_LOENGLISH ? 1 : mode == MM_LOMETRIC ? 3 : 10;
  PoigneeGdi<HBRUSH> bleu(CreateSolidBrush(RGB(30, 80, 200)));
  HGDIOBJ avant = SelectObject(dc, bleu.get());
  Rectangle(dc, 10 * u, haut * 10 * u, 200 * u, haut * 120 * u);
  PoigneeGdi<HPEN> rouge(CreatePen(PS_DASH, 1, RGB(200, 20, 20)));
  SelectObject(dc, rouge.get());
  const POINT ligne[] = {{20 * u, haut * 150 * u}, {120 * u, haut * 40 * u}, {260 * u, haut * 160 * u}};
  Polyline(dc, ligne, 3);
  Ellipse(dc, 150 * u, haut * 60 * u, 280 * u, haut * 170 * u);
  SetTextColor(dc, RGB(0, 90, 0));
  TextOutW(dc, 30 * u, haut * 30 * u, L"Été 写真", 6);
  // An 8-bit bitmap that carries two colours only.
  struct {
    BITMAPINFOHEADER entete{sizeof(BITMAPINFOHEADER), 4, 2, 1, 8, BI_RGB, 0, 0, 0, 2, 0};
    RGBQUAD couleurs[2]{{0, 200, 255, 0}, {40, 40, 40, 0}};
  } info;
  const std::uint8_t pixels[8] = {0, 1, 0, 1, 1, 0, 1, 0};
  StretchDIBits(dc, 200 * u, haut * 20 * u, 60 * u, 30 * u, 0, 0, 4, 2, pixels,
                reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
  SelectObject(dc, avant);
  PoigneeMetafichier emf(CloseEnhMetaFile(dc));
  return octets_de(emf.get());
}

// The pixels of a picture drawn at `largeur` x `hauteur` over white.
std::vector<std::uint32_t> pixels_de(const ImagePreparee& p) {
  std::vector<std::uint32_t> v(std::size_t(p.largeur) * p.hauteur);
  std::memcpy(v.data(), p.bits, v.size() * 4);
  for (auto& pixel : v) pixel |= 0xFF000000u;
  return v;
}

void comparer_au_systeme(const std::vector<std::uint8_t>& octets) {
  const auto verifie = verifier_emf(octets);
  ASSERT_TRUE(verifie);
  EXPECT_EQ(verifie->ecartes, std::vector<std::uint32_t>{}) << "records the walk left out";

  auto image = std::dynamic_pointer_cast<const ImageWin32>(decoder_metafichier(octets, 96));
  ASSERT_NE(image, nullptr);
  const RectanglePixels r = rectangle_montre(image->taille_naturelle(), Cadre{{640, 480}, true});
  ImagePreparee nous = creer_dib(r.largeur, r.hauteur);
  image->preparer(r.largeur, r.hauteur, {0, 0, r.largeur, r.hauteur}, kBlanc, nous);

  // The system's own playback into the same rectangle.
  PoigneeMetafichier emf(SetEnhMetaFileBits(static_cast<UINT>(octets.size()), octets.data()));
  ImagePreparee systeme = creer_dib(r.largeur, r.hauteur);
  PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
  {
    Selection choisi(dc.get(), systeme.bitmap.get());
    RECT tout{0, 0, r.largeur, r.hauteur};
    PoigneeGdi<HBRUSH> blanc(CreateSolidBrush(kBlanc));
    FillRect(dc.get(), &tout, blanc.get());
    PlayEnhMetaFile(dc.get(), emf.get(), &tout);
    GdiFlush();
  }
  const auto attendus = pixels_de(systeme);
  std::size_t dessines = 0;
  for (std::uint32_t pixel : attendus) dessines += pixel != 0xFFFFFFFFu;
  EXPECT_GT(dessines, attendus.size() / 100) << "the system draws it: " << dessines << " of " << attendus.size();
  EXPECT_TRUE(pixels_de(nous) == attendus) << "the same pixels as the system's playback";
}

TEST(Metafichiers, EveryWriterFileShowsAsTheSystemPlaysIt) {
  WIN32_FIND_DATAW trouve;
  const std::wstring dossier = test::chemin_wine(PIXAVUE_METAFICHIERS, L"");
  HANDLE recherche = FindFirstFileW((dossier + L"\\*.emf").c_str(), &trouve);
  ASSERT_NE(recherche, INVALID_HANDLE_VALUE);
  int fichiers = 0;
  do {
    SCOPED_TRACE(testing::Message() << trouve.cFileName);
    std::ifstream flux(std::filesystem::path(dossier + L"\\" + trouve.cFileName), std::ios::binary);
    comparer_au_systeme({std::istreambuf_iterator<char>(flux), {}});
    ++fichiers;
  } while (FindNextFileW(recherche, &trouve));
  FindClose(recherche);
  EXPECT_GE(fichiers, 4);
}

TEST(Metafichiers, GdiRecordingsShowInEveryMappingMode) {
  const int modes[] = {MM_TEXT,      MM_LOMETRIC, MM_HIMETRIC,  MM_LOENGLISH,
                       MM_HIENGLISH, MM_TWIPS,    MM_ISOTROPIC, MM_ANISOTROPIC};
  for (int mode : modes) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    comparer_au_systeme(enregistrer_gdi(mode, nullptr));
    const RECT cadre{0, 0, 8000, 6000};
    comparer_au_systeme(enregistrer_gdi(mode, &cadre));
  }
}

// `record` put before the end record, the header's size and count made right.
std::vector<std::uint8_t> avec_avant_la_fin(std::vector<std::uint8_t> o, const std::vector<std::uint8_t>& record) {
  auto dmot = [&](std::size_t a) { return std::uint32_t(o[a] | o[a + 1] << 8 | o[a + 2] << 16 | o[a + 3] << 24); };
  auto poser = [&](std::size_t a, std::uint32_t v) { std::memcpy(o.data() + a, &v, 4); };
  std::size_t position = dmot(4);
  while (dmot(position) != EMR_EOF) position += dmot(position + 4);
  o.insert(o.begin() + static_cast<std::ptrdiff_t>(position), record.begin(), record.end());
  poser(48, static_cast<std::uint32_t>(o.size()));
  poser(52, dmot(52) + 1);
  return o;
}

// A record the walk can't vouch for is left out, and the rest still plays:
// the picture is the same as without it.
TEST(Metafichiers, ARecordTheWalkCantVouchForIsLeftOutAtPlayback) {
  // A bitmap blit recorded by GDI, then told its pixels are one byte long
  // (they are all still there, so a playback that doesn't check would draw it).
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  const std::uint32_t pixels[4] = {0x00FF00FF, 0x00FF00FF, 0x00FF00FF, 0x00FF00FF};
  StretchDIBits(dc, 0, 0, 150, 100, 0, 0, 2, 2, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
  PoigneeMetafichier blit(CloseEnhMetaFile(dc));
  const auto octets_blit = octets_de(blit.get());
  std::size_t position = octets_blit[4] | octets_blit[5] << 8;
  while (octets_blit[position] != EMR_STRETCHDIBITS)
    position += octets_blit[position + 4] | octets_blit[position + 5] << 8;
  std::vector<std::uint8_t> record(
      octets_blit.begin() + static_cast<std::ptrdiff_t>(position),
      octets_blit.begin() +
          static_cast<std::ptrdiff_t>(position + (octets_blit[position + 4] | octets_blit[position + 5] << 8)));
  const std::uint32_t un = 1;
  std::memcpy(record.data() + 60, &un, 4);  // cbBitsSrc

  const auto sans = enregistrer_gdi(MM_TEXT, nullptr);
  const auto avec = avec_avant_la_fin(sans, record);
  const auto verifie = verifier_emf(avec);
  ASSERT_TRUE(verifie);
  EXPECT_EQ(verifie->ecartes.size(), 1u);

  auto montrer = [](const std::vector<std::uint8_t>& o) {
    auto image = std::dynamic_pointer_cast<const ImageWin32>(decoder_metafichier(o, 96));
    const RectanglePixels r = rectangle_montre(image->taille_naturelle(), Cadre{{640, 480}, true});
    ImagePreparee p = creer_dib(r.largeur, r.hauteur);
    image->preparer(r.largeur, r.hauteur, {0, 0, r.largeur, r.hauteur}, kBlanc, p);
    return pixels_de(p);
  };
  EXPECT_TRUE(montrer(avec) == montrer(sans));
}

}  // namespace
}  // namespace pixavue::win32
