// PNGs on real files: every colour type and bit depth, interlaced or not,
// with and without transparency, shown with the pixels the system's own
// decoder gives; what the walk or the budget refuses; an animation.
#include <windows.h>
#include <gtest/gtest.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstdlib>
#include <cwctype>
#include <filesystem>

#include "outils.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

using Microsoft::WRL::ComPtr;

std::wstring png(const std::wstring& nom) { return test::chemin_wine(PIXAVUE_PNG, nom); }

struct Png : ::testing::Test {
  void SetUp() override {
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&wic)));
  }
  // The file's premultiplied BGRA pixels as the imaging component decodes it.
  std::vector<std::uint8_t> par_le_systeme(const std::wstring& chemin) {
    const std::atomic<bool> jamais{false};
    auto image =
        std::dynamic_pointer_cast<const ImageMatricielle>(decoder_wic(wic.Get(), chemin, std::nullopt, jamais));
    return image ? image->pixels().octets : std::vector<std::uint8_t>{};
  }
  std::shared_ptr<const ImageMatricielle> charger(const std::wstring& nom, std::optional<Cadre> cadre = {}) {
    return std::dynamic_pointer_cast<const ImageMatricielle>(images.charger(png(nom), cadre));
  }

  InitialisationCom com;
  ComPtr<IWICImagingFactory> wic;
  ImagesWin32 images{96};
};

// The same pixels, but for 16 bits a sample: rounded to 8 here, where the
// system may cut them, and premultiplied after that, two levels at most.
TEST_F(Png, EveryColourTypeAndDepthShowsTheSystemDecodersPixels) {
  int vus = 0;
  for (const auto& entree : std::filesystem::directory_iterator(png(L""))) {
    const std::wstring nom = entree.path().filename().wstring();
    if (!(nom[0] == L'c' && std::iswdigit(nom[1])) && !nom.ends_with(L"-i.png")) continue;
    auto image = charger(nom);
    ASSERT_NE(image, nullptr) << nom;
    const std::vector<std::uint8_t> attendus = par_le_systeme(png(nom));
    ASSERT_EQ(image->pixels().octets.size(), attendus.size()) << nom;
    int ecart = 0;
    for (std::size_t i = 0; i < attendus.size(); ++i)
      ecart = std::max(ecart, std::abs(int(image->pixels().octets[i]) - int(attendus[i])));
    EXPECT_LE(ecart, nom.find(L"-16") != std::wstring::npos ? 2 : 0) << nom;
    ++vus;
  }
  EXPECT_EQ(vus, 62);
}

// Alone in its suite: it reads the process's peak memory.
using BudgetPng = Png;
TEST_F(BudgetPng, TheWalkAndTheBudgetRefuseFromTheFileAndALargePictureIsReducedAsItIsRead) {
  using test::pic_de_memoire;
  // 9,000 x 8,000 row by row, 288 MB at four bytes a pixel: a grey ramp,
  // black on the left, white on the right.
  std::shared_ptr<const ImageMatricielle> geant;
  EXPECT_LT(pic_de_memoire([&] { geant = charger(L"geant.png", Cadre{{1024, 768}}); }), 64u);
  // The same size interlaced, held whole while read: refused from its header.
  EXPECT_LT(pic_de_memoire([&] { EXPECT_EQ(charger(L"geant-entrelace.png", Cadre{{1024, 768}}), nullptr); }), 64u);
  EXPECT_EQ(charger(L"crc-faux.png"), nullptr);
  ASSERT_NE(geant, nullptr);
  const Pixels& p = geant->pixels();
  EXPECT_EQ(std::pair(p.largeur, p.hauteur), std::pair(873, 776));
  const std::size_t milieu = 4 * std::size_t(p.largeur) * (p.hauteur / 2);
  EXPECT_LT(p.octets[milieu + 4], 5);
  EXPECT_GT(p.octets[milieu + 4 * std::size_t(p.largeur - 2)], 250);
  // An animation shows its default image: red, not its green frame.
  auto anime = charger(L"anime.png");
  ASSERT_NE(anime, nullptr);
  EXPECT_EQ(std::vector(anime->pixels().octets.begin(), anime->pixels().octets.begin() + 4),
            (std::vector<std::uint8_t>{0, 0, 255, 255}));
}

}  // namespace
}  // namespace pixavue::win32
