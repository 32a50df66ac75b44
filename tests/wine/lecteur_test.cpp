// The media player on the system's real playback engine, with real sound
// files, playing into the test's own audio device.
#include <windows.h>
#include <gtest/gtest.h>

#include "banc_reel.h"
#include "echantillons.h"
#include "services/DirectShow.h"
#include "win32/images_win32.h"
#include "win32/media_directshow.h"

namespace pixavue::win32 {
namespace {

// Waits while the window thread goes on handling its messages, as the
// screensaver's own loop does between ticks.
void attendre(DWORD millisecondes) {
  const ULONGLONG fin = GetTickCount64() + millisecondes;
  while (GetTickCount64() < fin) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

struct LecteurReel : ::testing::Test {
  InitialisationCom com;
  MoteurDirectShow moteur;
  DirectShow lecteur{moteur};
  ~LecteurReel() override { lecteur.nettoyer(); }

  void ouvrir(const wchar_t* nom, HWND cible = nullptr) {
    lecteur.Ouvrir(test::son_essai(nom), 0, 0, 160, 120,
                   static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(cible)));
  }
};

TEST_F(LecteurReel, RealFilesGiveTheirTrueDurationsAndBadOnesNothing) {
  ASSERT_GT(moteur.sorties_audio(), 0u) << "the tests need an audio device";
  struct Cas {
    const wchar_t* nom;
    double duree, marge;
  } cas[] = {
      {L"deux-tons.wav", 2.0, 0.01},
      {L"trois.mp3", 3.0, 0.1},  // the encoder pads its last frame
      {L"texte.wav", 0, 0},
      {L"absent.wav", 0, 0},
  };
  for (auto [nom, duree, marge] : cas) {
    ouvrir(nom);
    EXPECT_NEAR(lecteur.obtient_duree(), duree, marge) << nom;
    lecteur.jouer();  // nothing to play is no failure either
    EXPECT_EQ(lecteur.obtient_position(), 0) << nom;
  }
}

TEST_F(LecteurReel, PlayingAdvancesInRealTimeAndStopRewinds) {
  ouvrir(L"trois.wav");
  EXPECT_EQ(lecteur.obtient_position(), 0);
  lecteur.jouer();
  attendre(1500);
  const double position = lecteur.obtient_position();
  EXPECT_GT(position, 1.0);
  EXPECT_LT(position, 2.0);
  lecteur.arret();
  EXPECT_EQ(lecteur.obtient_position(), 0);
  attendre(300);
  EXPECT_EQ(lecteur.obtient_position(), 0);  // stopped, not playing on
}

TEST_F(LecteurReel, AVideoIsHeardWithItsPictureSentToTheHiddenWindow) {
  HWND cadre = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 150, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(cadre, nullptr);
  ouvrir(L"video.avi", cadre);
  EXPECT_NEAR(lecteur.obtient_duree(), 2.0, 0.1);
  lecteur.jouer();
  attendre(800);
  EXPECT_GT(lecteur.obtient_position(), 0.3);
  HWND video = GetWindow(cadre, GW_CHILD);
  ASSERT_NE(video, nullptr);  // the video window lives inside the target
  RECT zone;
  GetClientRect(video, &zone);
  EXPECT_EQ(zone.right, 160);
  EXPECT_EQ(zone.bottom, 120);
  EXPECT_FALSE(IsWindowVisible(video));  // its owner is never shown
  lecteur.nettoyer();
  EXPECT_EQ(GetWindow(cadre, GW_CHILD), nullptr);  // taken away from its owner
  DestroyWindow(cadre);
}

// Run by ctest with no sound server to reach (its name keeps it out of the
// other runs): the system then has no audio output at all.
TEST(SansSortieAudio, DISABLED_TheRunIsSilentAndTheTicksLeaveThePlayerAlone) {
  test::BancReel banc{{L"son", test::son_essai(L"deux-tons.wav")}, {L"secondes", L"0"}};
  ASSERT_EQ(banc.media.sorties_audio(), 0u);
  EXPECT_TRUE(banc.son.Lecteur);  // made all the same, for the unload to release
  EXPECT_EQ(banc.son.DureeSon, 0);
  EXPECT_TRUE(banc.son.FichierSon.empty());
  EXPECT_EQ(banc.son.Lecteur->obtient_duree(), 0);  // nothing was opened
  for (int i = 0; i < 3; ++i) banc.tick();
  banc.veille.Form_Unload();
  EXPECT_FALSE(banc.son.Lecteur);
  EXPECT_EQ(banc.processus.terminaisons, 1);
}

}  // namespace
}  // namespace pixavue::win32
