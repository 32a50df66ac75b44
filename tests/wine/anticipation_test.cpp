// The picture prepared ahead, in the real window with the real decoders: the
// tick shows the file as it is at the tick, never as it was prepared.
#include <windows.h>
#include <gtest/gtest.h>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "echantillons.h"

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

TEST_F(Anticipation, ASizeModeChangedBetweenTwoTicksIsHonoured) {
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", L"0"}, {L"type fichier", L"1"}};
  banc.tick();  // b.bmp prepared at its natural size
  banc.magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"taille", L"2");
  banc.tick();
  // Every picture fitted to the screen: the portrait as tall as the screen.
  EXPECT_EQ(banc.veille.Image1[1].Height, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
}  // namespace pixavue::win32
