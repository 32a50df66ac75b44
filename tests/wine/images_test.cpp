// The decoders on the bundled samples: natural sizes as a picture object
// reports them, and what a prepared picture really shows.
#include <windows.h>
#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdlib>

#include "echantillons.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

struct Images : ::testing::Test {
  InitialisationCom com;
  ImagesWin32 images{96};

  std::shared_ptr<const ImageWin32> charger(const wchar_t* nom, std::optional<Cadre> cadre = std::nullopt) {
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
  auto image = std::dynamic_pointer_cast<const ImageMatricielle>(charger(L"grand paysage.jpg", Cadre{{400, 300}}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->taille_naturelle(), (Taille{1600, 1200}));
  // 400 / 1600 = 1/4, and a hundredth more for the ratio's rounding: 3/8.
  EXPECT_EQ(image->pixels().largeur, 600);
  EXPECT_EQ(image->pixels().hauteur, 450);
  auto entiere = std::dynamic_pointer_cast<const ImageMatricielle>(charger(L"grand paysage.jpg"));
  EXPECT_EQ(entiere->pixels().largeur, 1600);
}

// One picture stored in each of the eight Exif orientations, and with a
// broken tag: each is seen upright (red, green / blue, yellow), 60 x 90, and
// a broken tag leaves the picture as stored.
TEST_F(Images, PhotosAreSeenTheWayUpTheyWereTaken) {
  auto proche = [](COLORREF c, COLORREF attendue) {
    return std::abs(GetRValue(c) - GetRValue(attendue)) < 40 && std::abs(GetGValue(c) - GetGValue(attendue)) < 40 &&
           std::abs(GetBValue(c) - GetBValue(attendue)) < 40;
  };
  auto orientee = [&](const std::wstring& nom, std::optional<Cadre> cadre = std::nullopt) {
    return std::dynamic_pointer_cast<const ImageWin32>(images.charger(test::chemin_wine(PIXAVUE_PHOTOS, nom), cadre));
  };
  const COLORREF rouge = RGB(255, 0, 0), vert = RGB(0, 255, 0), bleu = RGB(0, 0, 255), jaune = RGB(255, 255, 0);
  for (int o = 1; o <= 8; ++o) {
    auto image = orientee(L"o" + std::to_wstring(o) + L".jpg");
    ASSERT_NE(image, nullptr) << o;
    EXPECT_EQ(image->taille_naturelle(), (Taille{60, 90})) << o;
    EXPECT_TRUE(proche(pixel(*image, 60, 90, 0, 12, 20), rouge)) << o;
    EXPECT_TRUE(proche(pixel(*image, 60, 90, 0, 48, 20), vert)) << o;
    EXPECT_TRUE(proche(pixel(*image, 60, 90, 0, 12, 70), bleu)) << o;
    EXPECT_TRUE(proche(pixel(*image, 60, 90, 0, 48, 70), jaune)) << o;
  }
  // Decoded smaller for a box of half its size, the box read the picture's
  // way up: 1/2 and a hundredth, 5/8 of the stored 90 x 60, then turned.
  // Read the other way, the box would have allowed 3/8 (23 x 34).
  auto petite = std::dynamic_pointer_cast<const ImageMatricielle>(orientee(L"o6.jpg", Cadre{{30, 45}}));
  ASSERT_NE(petite, nullptr);
  EXPECT_EQ(petite->pixels().largeur, 38);
  EXPECT_EQ(petite->pixels().hauteur, 57);
  for (const wchar_t* cassee :
       {L"o6-sans-etiquette.jpg", L"o6-tronquee.jpg", L"o6-hors-segment.jpg", L"o6-valeur-9.jpg"}) {
    auto image = orientee(cassee);
    ASSERT_NE(image, nullptr) << cassee;
    EXPECT_EQ(image->taille_naturelle(), (Taille{90, 60})) << cassee;
  }
}

TEST_F(Images, PrintWorkflowCmykIsShownInItsColours) {
  auto image = std::dynamic_pointer_cast<const ImageWin32>(
      images.charger(test::chemin_wine(PIXAVUE_PHOTOS, L"cmyk.jpg"), std::nullopt));
  ASSERT_NE(image, nullptr);
  const COLORREF quarts[] = {pixel(*image, 60, 90, 0, 12, 20), pixel(*image, 60, 90, 0, 48, 20),
                             pixel(*image, 60, 90, 0, 12, 70), pixel(*image, 60, 90, 0, 48, 70)};
  // Red, green, blue, yellow: the strongest channels are the right ones.
  EXPECT_GT(GetRValue(quarts[0]), 180);
  EXPECT_LT(GetGValue(quarts[0]) + GetBValue(quarts[0]), 120);
  EXPECT_GT(GetGValue(quarts[1]), 150);
  EXPECT_LT(GetRValue(quarts[1]) + GetBValue(quarts[1]), 150);
  EXPECT_GT(GetBValue(quarts[2]), 150);
  EXPECT_LT(GetRValue(quarts[2]) + GetGValue(quarts[2]), 150);
  EXPECT_GT(GetRValue(quarts[3]) + GetGValue(quarts[3]), 400);
  EXPECT_LT(GetBValue(quarts[3]), 100);
}

TEST_F(Images, APictureThatWouldNeedMoreThanTheBudgetIsRefusedFromItsHeaders) {
  PROCESS_MEMORY_COUNTERS avant{sizeof avant}, apres{sizeof apres};
  GetProcessMemoryInfo(GetCurrentProcess(), &avant, sizeof avant);
  const auto debut = GetTickCount64();
  // 22,500 x 33,300, progressive: every coefficient would be kept, gigabytes.
  EXPECT_EQ(images.charger(test::chemin_wine(PIXAVUE_PHOTOS, L"geant-progressif.jpg"), Cadre{{1920, 1080}}), nullptr);
  EXPECT_LT(GetTickCount64() - debut, 2000u);
  GetProcessMemoryInfo(GetCurrentProcess(), &apres, sizeof apres);
  EXPECT_LT(apres.PeakPagefileUsage - avant.PeakPagefileUsage, SIZE_T{256} << 20);
}

TEST_F(Images, AGifIsItsLogicalScreenAndOneWithoutColoursIsRefused) {
  auto photo = [&](const wchar_t* nom) {
    return std::dynamic_pointer_cast<const ImageWin32>(images.charger(test::chemin_wine(PIXAVUE_PHOTOS, nom), {}));
  };
  // The system's decoder would read a palette that is not there.
  EXPECT_EQ(photo(L"sans-couleurs.gif"), nullptr);
  auto toile = photo(L"toile.gif");
  ASSERT_NE(toile, nullptr);
  EXPECT_EQ(toile->taille_naturelle(), (Taille{60, 40}));
  const COLORREF fond = RGB(0, 0, 200);
  EXPECT_EQ(pixel(*toile, 60, 40, fond, 40, 25), RGB(255, 0, 0));  // the frame at its place
  EXPECT_EQ(pixel(*toile, 60, 40, fond, 5, 5), fond);              // the rest lets the background through
  EXPECT_EQ(pixel(*toile, 60, 40, fond, 29, 25), fond);
}

TEST_F(Images, PreparedPicturesShowTheirContent) {
  // The landscapes: a yellow sun high on the right, green hills below.
  auto jpeg = charger(L"grand paysage.jpg", Cadre{{800, 600}});
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

// The worker's decoders give up once a run has ended: every long decode
// looks at the flag between reads or rows.
TEST_F(Images, EveryLongDecodeGivesUpOnceAbandoned) {
  std::atomic<bool> abandon{false};
  ImagesWin32 fil(96, &abandon);
  const Cadre petit{{10, 10}};  // reduced as decoded, a band at a time
  for (const wchar_t* nom : {L"grand paysage.jpg", L"colline.bmp", L"vallee.gif", L"bande.dib"}) {
    abandon = false;
    EXPECT_NE(fil.charger(test::echantillon(nom), petit), nullptr) << nom;
    abandon = true;
    EXPECT_EQ(fil.charger(test::echantillon(nom), petit), nullptr) << nom;
  }
}

}  // namespace
}  // namespace pixavue::win32
