// What the real window shows tick by tick: each picture's place and size over
// the background, the picture prepared ahead as it is at its tick, and every
// hostile file shown or refused while the run goes on.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "banc_reel.h"
#include "outils.h"
#include "slideshow/ajustement.h"

namespace pixavue::win32 {
namespace {

bool quelque_part(test::BancReel& banc, RectanglePixels zone, char teinte) {
  for (int y = zone.y; y < zone.y + zone.hauteur; ++y)
    for (int x = zone.x; x < zone.x + zone.largeur; ++x)
      if (test::teinte(banc.pixel(x, y)) == teinte) return true;
  return false;
}

// Each side read on both sides of its edge: the red background (R), then the
// picture's white outline (W).
TEST(Ecran, PicturesSitCentredAtTheirFittedSizeOverTheFixedColour) {
  // JPEGs only: carre.JPEG 300 x 300, grand paysage.jpg 1600 x 1200, photo été 写真.jpg 320 x 240.
  test::BancReel banc{{L"dossier demarrage", test::echantillon(L"")},
                      {L"type fichier", L"4"},
                      {L"couleur fond", L"255"},
                      {L"taille", L"1"}};
  ASSERT_EQ((std::pair<int, int>(banc.veille.LargeurEcran, banc.veille.HauteurEcran)), std::pair(1024, 768));

  banc.tick();  // 300 x 300 fits: one to one, at (362, 234)
  EXPECT_EQ(banc.teintes({{100, 100}, {361, 384}, {363, 384}, {660, 384}, {662, 384}, {512, 233}, {512, 235}}),
            "RRWWRRW");
  EXPECT_TRUE(quelque_part(banc, {5, 5, 195, 17}, 'N'));  // the path, in black

  banc.tick();  // 1600 x 1200 shrinks to 1021.44 x 768 at left 1.28; its sun 70 % across, 25 % down
  EXPECT_EQ(banc.teintes({{0, 384}, {2, 384}, {1021, 384}, {1023, 384}, {716, 192}}), "RWWRJ");

  banc.tick();  // 320 x 240 at (352, 264)
  EXPECT_EQ(banc.teintes({{351, 300}, {353, 300}, {512, 263}, {512, 265}}), "RWRW");
}

TEST(Ecran, AnEmptyFolderShowsItsMessageInRedOnBlack) {
  test::DossierEssai vide(L"pixavue-vide");
  test::BancReel banc{{L"dossier demarrage", vide.chemin()}};
  banc.tick();
  EXPECT_EQ(banc.pixel(50, 50), RGB(0, 0, 0));
  EXPECT_TRUE(quelque_part(banc, en_pixels(banc.veille.txtInfos), 'R'));
}

TEST(Anticipation, AFileReplacedSinceItWasPreparedIsShownAsItIsNow) {
  test::DossierEssai dossier{L"pixavue-anticipation"};
  dossier.copier(test::echantillon(L"colline.bmp"), L"a.bmp");  // 160 x 120
  dossier.copier(test::echantillon(L"portrait.bmp"),
                 L"b.bmp");  // 120 x 160, as many bytes: only the write time differs
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", L"0"}, {L"type fichier", L"1"}};
  banc.tick();  // a.bmp; b.bmp is prepared meanwhile
  banc.images.attendre();
  Sleep(20);  // a later write time
  dossier.copier(test::echantillon(L"colline.bmp"), L"b.bmp");
  banc.tick();
  EXPECT_EQ(std::pair(banc.veille.Image1[1].Width, banc.veille.Image1[1].Height), std::pair(160.0, 120.0));
}

// Made ahead at its shown size, a picture must reach the screen exactly as
// one decoded at its own tick: same size, same pixels, same composition of
// its transparent parts over the tick's background.
TEST(AnticipationAuPixelPres, APreparedPictureShowsTheSamePixelsAsOneDecodedAtItsTick) {
  for (const std::wstring echantillon : {L"grand paysage.jpg", L"rond.ico", L"vallee.gif", L"colline.bmp"})
    for (const wchar_t* mode : {L"1", L"2"}) {
      SCOPED_TRACE(testing::Message() << echantillon << L", mode " << mode);
      test::DossierEssai dossier{L"pixavue-au-pixel-pres"};
      for (const wchar_t* nom : {L"1", L"2"})
        dossier.copier(test::echantillon(echantillon), nom + echantillon.substr(echantillon.rfind(L'.')));
      test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", mode}, {L"couleur fond", L"4227327"}};

      // The first tick decodes its picture; the second takes the one prepared.
      // What each shows: its rectangle, then its pixels but the caption's,
      // whose path differs.
      std::vector<COLORREF> vus[2];
      for (int tick = 0; tick < 2; ++tick) {
        banc.tick();
        ASSERT_TRUE(banc.veille.Image1[1].Visible && !banc.veille.txtInfos.Visible);
        const RectanglePixels r = en_pixels(banc.veille.Image1[1]);
        vus[tick] = {COLORREF(r.x), COLORREF(r.y), COLORREF(r.largeur), COLORREF(r.hauteur)};
        const double fin_legende = banc.veille.lblInfo.Top + banc.veille.lblInfo.Height + 8;
        for (int i = 0; i < 24; ++i)
          for (int j = 0; j < 24; ++j) {
            const int x = r.x + (r.largeur - 1) * i / 23, y = r.y + (r.hauteur - 1) * j / 23;
            if (y > fin_legende) vus[tick].push_back(banc.pixel(x, y));
          }
      }
      EXPECT_GT(vus[0].size(), 100u);
      EXPECT_EQ(vus[0], vus[1]);
    }
}

// Broken and hostile pictures: every file either shows or takes the error
// path, the run goes on, and memory stays bounded.
TEST(Corpus, EveryFileShowsOrTakesTheErrorPathAndTheRunGoesOn) {
  test::BancReel banc{
      {L"dossier demarrage", test::chemin_wine(PIXAVUE_CORPUS, L"")}, {L"taille", L"2"}, {L"couleur fond", L"0"}};
  const int nombre = banc.veille.NombreImages;
  ASSERT_GT(nombre, 100);
  SIZE_T avant = test::Ressources::memoire_engagee(), pic = avant;
  int montrees = 0, erreurs = 0;
  for (int i = 0; i < nombre; ++i) {
    banc.tick();
    const Controle& image = banc.veille.Image1[1];
    const bool erreur = banc.veille.txtInfos.Visible;
    ++(erreur ? erreurs : montrees);
    // Shown, the display slot holds a picture fitted inside the screen.
    EXPECT_TRUE(image.Visible && (erreur ? banc.veille.txtInfos.Caption == L"Erreur lors de la lecture du fichier"
                                         : image.Picture && image.Width <= banc.veille.LargeurEcran &&
                                               image.Height <= banc.veille.HauteurEcran))
        << banc.veille.ListeFichiers.List(i);
    pic = std::max(pic, test::Ressources::memoire_engagee());
  }
  EXPECT_GT(erreurs, 50);
  EXPECT_GT(montrees, 5);  // some flips and cuts still decode
  EXPECT_LT(pic - avant, SIZE_T{400} << 20);
  EXPECT_EQ(banc.veille.IndexImage, nombre);
  EXPECT_EQ(banc.processus.terminaisons, 0);
}

}  // namespace
}  // namespace pixavue::win32
