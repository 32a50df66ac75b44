// The decoders on the bundled samples: natural sizes as a picture object
// reports them, and what a prepared picture really shows.
#include <gtest/gtest.h>

#include "echantillons.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

struct Images : ::testing::Test {
  InitialisationCom com;
  ImagesWin32 images{96};

  std::shared_ptr<const ImageWin32> charger(const wchar_t* nom, std::optional<Taille> cadre = std::nullopt) {
    return std::dynamic_pointer_cast<const ImageWin32>(images.charger(test::echantillon(nom), cadre));
  }
  // The picture prepared at that size over that background; its pixel (x, y).
  static COLORREF pixel(const ImageWin32& image, int l, int h, COLORREF fond, int x, int y) {
    ImagePreparee p = creer_dib(l, h);
    image.preparer(l, h, {0, 0, l, h}, fond, p);
    const std::uint8_t* o = p.bits + 4 * (static_cast<std::size_t>(y) * l + x);
    return RGB(o[2], o[1], o[0]);
  }
};

TEST_F(Images, EveryTypeLoadsWithItsNaturalSize) {
  struct Cas {
    const wchar_t* nom;
    double largeur, hauteur;
  } cas[] = {
      {L"colline.bmp", 160, 120},
      {L"portrait.bmp", 120, 160},
      {L"bande.dib", 200, 100},
      {L"vallee.gif", 240, 180},
      {L"grand paysage.jpg", 1600, 1200},
      {L"photo été 写真.jpg", 320, 240},
      {L"carre.JPEG", 300, 300},
      {L"rond.ico", 48, 48},
      {L"viseur.cur", 32, 32},
      {L"dessin.wmf", 3 * 96, 2 * 96},                          // 3 x 2 inches
      {L"schema.emf", 8000 * 96 / 2540.0, 5000 * 96 / 2540.0},  // 80 x 50 mm
  };
  for (auto [nom, largeur, hauteur] : cas) {
    auto image = charger(nom);
    ASSERT_NE(image, nullptr) << nom;
    EXPECT_NEAR(image->taille_naturelle().largeur, largeur, 0.01) << nom;
    EXPECT_NEAR(image->taille_naturelle().hauteur, hauteur, 0.01) << nom;
  }
  EXPECT_EQ(charger(L"lisez-moi.txt"), nullptr);
  EXPECT_EQ(charger(L"absent.jpg"), nullptr);
}

TEST_F(Images, ALargeJpegIsDecodedAtTheScaleTheScreenNeeds) {
  auto image = std::dynamic_pointer_cast<const ImageMatricielle>(charger(L"grand paysage.jpg", Taille{400, 300}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->taille_naturelle(), (Taille{1600, 1200}));
  // 400 / 1600 = 1/4, and a hundredth more for the ratio's rounding: 3/8.
  EXPECT_EQ(image->pixels().largeur, 600);
  EXPECT_EQ(image->pixels().hauteur, 450);
  auto entiere = std::dynamic_pointer_cast<const ImageMatricielle>(charger(L"grand paysage.jpg"));
  EXPECT_EQ(entiere->pixels().largeur, 1600);
}

TEST_F(Images, PreparedPicturesShowTheirContent) {
  // The landscapes: a yellow sun high on the right, green hills below.
  auto jpeg = charger(L"grand paysage.jpg", Taille{800, 600});
  COLORREF soleil = pixel(*jpeg, 800, 600, 0, 560, 150);
  EXPECT_GT(GetRValue(soleil), 220);
  EXPECT_GT(GetGValue(soleil), 190);
  EXPECT_LT(GetBValue(soleil), 60);
  COLORREF colline = pixel(*jpeg, 800, 600, 0, 100, 560);
  EXPECT_GT(GetGValue(colline), GetRValue(colline) + 40);

  // The icon is a disc: its corner lets the background through.
  auto icone = charger(L"rond.ico");
  EXPECT_EQ(pixel(*icone, 48, 48, RGB(10, 20, 30), 0, 0), RGB(10, 20, 30));
  EXPECT_NE(pixel(*icone, 48, 48, RGB(10, 20, 30), 24, 24), RGB(10, 20, 30));
  auto curseur = charger(L"viseur.cur");
  EXPECT_EQ(pixel(*curseur, 64, 64, RGB(200, 0, 0), 0, 0), RGB(200, 0, 0));

  // The metafiles are played as vectors at the size asked: the blue frame
  // fills the picture, the yellow disc sits left of centre.
  auto wmf = charger(L"dessin.wmf");
  EXPECT_EQ(pixel(*wmf, 600, 400, RGB(255, 255, 255), 300, 10), RGB(0x33, 0x66, 0xCC));
  auto emf = charger(L"schema.emf");
  COLORREF disque = pixel(*emf, 800, 500, RGB(255, 255, 255), 280, 250);
  EXPECT_EQ(disque, RGB(0xFF, 0xCC, 0x00));
}

}  // namespace
}  // namespace pixavue::win32
