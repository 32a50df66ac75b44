// Pictures only the system's codecs decode, decoded in a process of their
// own (scripts/make-systeme.py): every form shows as the imaging component
// decodes it in the process, and a codec that crashes, hangs or takes all
// memory (tests/wine/codec_essai.cpp) costs one picture and nothing more.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banc_reel.h"
#include "codec_essai.h"
#include "lancement.h"
#include "outils.h"
#include "win32/decodage_a_part.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;
using Microsoft::WRL::ComPtr;

std::wstring systeme(const std::wstring& nom) { return test::chemin_wine(PIXAVUE_SYSTEME, nom); }

std::shared_ptr<const ImageMatricielle> decodee(ImagesWin32& images, const std::wstring& nom,
                                                std::optional<Cadre> cadre = {}) {
  return std::dynamic_pointer_cast<const ImageMatricielle>(images.charger(systeme(nom), cadre));
}

// The quarters of the upright picture, read from the pixels.
std::string teintes(const Pixels& p, const std::vector<POINT>& points) {
  return test::teintes(
      [&](int x, int y) {
        const std::uint8_t* bgra = &p.octets[4 * (std::size_t(y) * p.largeur + x)];
        return RGB(bgra[2], bgra[1], bgra[0]);
      },
      points);
}

TEST(Systeme, EveryFormShowsAsTheImagingComponentDecodesIt) {
  InitialisationCom com;
  ImagesWin32 images(96);
  ComPtr<IWICImagingFactory> wic;
  ASSERT_HRESULT_SUCCEEDED(
      CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&wic)));
  const std::vector<POINT> quarts = {{12, 20}, {48, 20}, {12, 70}, {48, 70}};
  // The name, the natural size, the quarters' hues (grey: dark, light), and
  // whether the pixels are those the imaging component gives in the process.
  const std::tuple<const wchar_t*, int, int, const char*, bool> cas[] = {
      {L"quarts.tif", 60, 90, "RVBJ", true},      {L"quarts-tuiles.tif", 60, 90, "RVBJ", true},
      {L"quarts-16.tif", 60, 90, "RVBJ", true},   {L"quarts-palette.tif", 60, 90, "RVBJ", true},
      {L"quarts-cmyk.tif", 60, 90, "RVBJ", true}, {L"gris.tif", 60, 90, "NWNW", true},
      {L"quarts-o6.tif", 60, 90, "RVBJ", false},  // stored turned a quarter, shown upright
      {L"quarts.dds", 60, 90, "RVBJ", true},      {L"quarts.tga", 60, 90, "RVBJ", true},
      {L"deux-pages.tif", 40, 30, "RRRR", true},  // the first page, red; the second is green
  };
  const std::atomic<bool> jamais{false};
  for (const auto& [nom, largeur, hauteur, attendues, exactes] : cas) {
    SCOPED_TRACE(testing::Message() << nom);
    auto image = decodee(images, nom);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->taille_naturelle(), (Taille{double(largeur), double(hauteur)}));
    const std::vector<POINT> points = largeur == 40 ? std::vector<POINT>(4, {20, 15}) : quarts;
    EXPECT_EQ(teintes(image->pixels(), points), attendues);
    if (!exactes) continue;
    auto ici = std::dynamic_pointer_cast<const ImageMatricielle>(decoder_wic(wic.Get(), systeme(nom), {}, jamais));
    ASSERT_NE(ici, nullptr);
    EXPECT_TRUE(ici->pixels().octets == image->pixels().octets);
  }
  // Decoded only at what the screen's box needs: 6000 x 4000 fitted into
  // 1024 x 768 is 1024 x 682.7, a hundredth more.
  auto grande = decodee(images, L"grand.tif", Cadre{{1024, 768}});
  ASSERT_NE(grande, nullptr);
  EXPECT_EQ(std::pair(grande->pixels().largeur, grande->pixels().hauteur), std::pair(1035, 690));
  // JPEG XR: shown, or, where the system's decoder gives a size but no
  // pixels, the error path.
  auto jxr = decodee(images, L"essai.jxr");
  EXPECT_TRUE(!jxr || teintes(jxr->pixels(), quarts) == "RVBJ");
  EXPECT_TRUE(decode_a_part(systeme(L"essai.jxr")) && !decode_a_part(systeme(L"quarts.png")));
}

// Registered before anything in this process asks which codecs there are.
// Each bad file costs its one picture, the hanging one its bound; the
// pictures around them show, and a child that dies leaves nothing behind.
TEST(Isolation, ACodecThatCrashesHangsOrTakesAllMemoryCostsOnePictureAndNothingMore) {
  test::CodecEssai codec;
  test::DossierEssai dossier(L"pixavue isolation");
  dossier.copier(test::echantillon(L"colline.bmp"), L"1.bmp");
  for (const wchar_t* nom : {L"chute", L"bloque", L"memoire", L"ok"})
    dossier.copier(systeme(std::wstring(nom) + L".pxe"), std::wstring(L"2-") + nom + L".pxe");
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", L"0"}};
  ASSERT_EQ(banc.veille.NombreImages, 5);
  std::string vus;
  const auto debut = std::chrono::steady_clock::now();
  for (int i = 0; i < 5; ++i) {
    banc.tick();
    vus += banc.veille.txtInfos.Visible ? 'E' : '.';
  }
  EXPECT_EQ(vus + test::teinte(banc.pixel(512, 384)), ".EEE.B");  // the test codec's blue picture last
  EXPECT_LT(std::chrono::steady_clock::now() - debut, 25s) << "the hanging codec's bound is 10 s";

  // Its good pictures, again and again; a file that killed its decoder is
  // not handed to one again.
  const auto avant = test::Ressources::maintenant();
  for (int i = 0; i < 20; ++i) banc.tick();
  EXPECT_EQ(test::Ressources::maintenant().de_plus(avant), "GDI +0, handles +0, windows +0, threads +0, children +0");
  EXPECT_EQ(banc.processus.terminaisons, 0);
}

// The real program over them: it goes on from picture to picture and ends
// on input with code 0, its decoding children gone with it.
TEST(Isolation, TheRealRunOverBadPicturesEndsOnInputWithCodeZero) {
  test::CodecEssai codec;
  test::DossierEssai dossier(L"pixavue isolation reelle");
  for (const wchar_t* nom : {L"chute", L"memoire", L"ok"})
    dossier.copier(systeme(std::wstring(nom) + L".pxe"), nom + std::wstring(L".pxe"));
  test::ecrire_reglages({{L"dossier demarrage", dossier.chemin()}, {L"secondes", L"-0.5"}});
  const int l = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const POINT points[] = {{l / 2, h / 2}, {3, 3}, {l - 3, h - 3}, {l - 3, 3}, {3, h - 3}, {l / 4, h / 3}};
  test::bouger_souris_vers(points[0]);
  test::Lancement lancement(L"/s");
  ASSERT_NE(lancement.fenetre(L"frmVeille"), nullptr);
  EXPECT_TRUE(test::attendre_que([&] { return test::teinte(test::pixel_ecran(points[0])) == 'B'; }, 10s))
      << "the good picture, after the bad ones";
  for (int i = 1; i < 6; ++i) test::bouger_souris_vers(points[i]);
  test::bouger_souris_vers(points[0]);
  EXPECT_EQ(lancement.sortie(10s), 0u);
  const auto enfants_restants = [&] {
    long n = 0;
    HANDLE instantane = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W processus{sizeof processus};
    for (BOOL encore = Process32FirstW(instantane, &processus); encore; encore = Process32NextW(instantane, &processus))
      n += processus.th32ParentProcessID == lancement.pid();
    CloseHandle(instantane);
    return n;
  };
  EXPECT_TRUE(test::attendre_que([&] { return enfants_restants() == 0; }, 5s)) << "its decoder outlived it";
  test::effacer_reglages();
}

}  // namespace
}  // namespace pixavue::win32
