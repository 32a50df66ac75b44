// The picture prepared ahead, in the real window with the real decoders: the
// tick shows the file as it is at the tick, never as it was prepared.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "echantillons.h"
#include "slideshow/ajustement.h"

namespace pixavue::win32 {
namespace {

struct Anticipation : ::testing::Test {
  test::DossierEssai dossier{L"pixavue-anticipation"};
  void copier(const wchar_t* echantillon, const wchar_t* nom) {
    CopyFileW(test::echantillon(echantillon).c_str(), (dossier.chemin() + L"\\" + nom).c_str(), FALSE);
  }
  void SetUp() override {
    copier(L"colline.bmp", L"a.bmp");   // 160 x 120
    copier(L"portrait.bmp", L"b.bmp");  // 120 x 160
  }
};

TEST_F(Anticipation, AFileReplacedOrDeletedSinceItWasPreparedIsShownAsItIsNow) {
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", L"0"}, {L"type fichier", L"1"}};
  banc.tick();  // a.bmp; b.bmp is prepared meanwhile
  banc.images.attendre();
  Sleep(20);  // a later write time
  copier(L"colline.bmp", L"b.bmp");
  banc.tick();
  EXPECT_EQ(banc.veille.Image1[1].Width, 160);  // the new b.bmp, not the portrait prepared
  EXPECT_EQ(banc.veille.Image1[1].Height, 120);

  banc.tick();  // a.bmp again; b.bmp prepared again
  banc.images.attendre();
  DeleteFileW((dossier.chemin() + L"\\b.bmp").c_str());
  banc.tick();
  EXPECT_TRUE(banc.veille.txtInfos.Visible);
  EXPECT_EQ(banc.veille.txtInfos.Caption, L"Erreur lors de la lecture du fichier");
}

// Made ahead at its shown size, a picture must reach the screen exactly as
// one decoded at its own tick: same size, same pixels, same composition of
// its transparent parts over the tick's background.
TEST(AnticipationAuPixelPres, APreparedPictureShowsTheSamePixelsAsOneDecodedAtItsTick) {
  const std::wstring echantillons[] = {L"grand paysage.jpg", L"rond.ico", L"vallee.gif", L"colline.bmp"};
  for (const std::wstring& echantillon : echantillons) {
    for (const wchar_t* mode : {L"1", L"2"}) {
      SCOPED_TRACE(testing::Message() << echantillon << L", mode " << mode);
      test::DossierEssai dossier{L"pixavue-au-pixel-pres"};
      const std::wstring extension = echantillon.substr(echantillon.rfind(L'.'));
      for (const wchar_t* nom : {L"1", L"2"})
        CopyFileW(test::echantillon(echantillon).c_str(), (dossier.chemin() + L"\\" + nom + extension).c_str(), FALSE);
      test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", mode}, {L"couleur fond", L"4227327"}};

      // The first tick decodes its picture; the second takes the one prepared.
      std::vector<COLORREF> vus[2];
      RECT montre[2];
      for (int tick = 0; tick < 2; ++tick) {
        banc.tick();
        const Controle& image = banc.veille.Image1[1];
        ASSERT_TRUE(image.Visible);
        ASSERT_FALSE(banc.veille.txtInfos.Visible);
        const RectanglePixels r = en_pixels(image);
        montre[tick] = {r.x, r.y, r.x + r.largeur, r.y + r.hauteur};
        // The caption, whose path differs, is left out.
        const double fin_legende = banc.veille.lblInfo.Top + banc.veille.lblInfo.Height + 8;
        for (int i = 0; i < 24; ++i)
          for (int j = 0; j < 24; ++j) {
            const int x = r.x + (r.largeur - 1) * i / 23, y = r.y + (r.hauteur - 1) * j / 23;
            if (y > fin_legende) vus[tick].push_back(banc.pixel(x, y));
          }
      }
      EXPECT_TRUE(EqualRect(&montre[0], &montre[1]));
      EXPECT_GT(vus[0].size(), 100u);
      EXPECT_EQ(vus[0], vus[1]);
    }
  }
}

}  // namespace
}  // namespace pixavue::win32
