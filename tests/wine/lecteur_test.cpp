// The media player on the system's real playback engine, with real files, for
// what only a real engine shows: true durations, real time, a real video window.
#include <windows.h>
#include <gtest/gtest.h>

#include "outils.h"
#include "services/DirectShow.h"
#include "win32/images_win32.h"
#include "win32/media_directshow.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;

TEST(LecteurReel, RealFilesGiveTheirTrueDurationsAndAVideoPlaysInRealTimeIntoTheHiddenWindow) {
  InitialisationCom com;
  MoteurDirectShow moteur;
  ASSERT_GT(moteur.sorties_audio(), 0u) << "the tests need an audio device";
  DirectShow lecteur{moteur};
  HWND cadre = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 150, nullptr, nullptr, nullptr, nullptr);
  // Within 0.1 s: the mp3's encoder pads its last frame. The video is opened last, to play on.
  for (auto [nom, duree] : {std::pair{L"deux-tons.wav", 1.0},
                            {L"trois.mp3", 3.0},
                            {L"texte.wav", 0.0},
                            {L"absent.wav", 0.0},
                            {L"video.avi", 2.0}}) {
    lecteur.Ouvrir(test::chemin_wine(PIXAVUE_SONS, nom), 0, 0, 160, 120,
                   static_cast<std::int32_t>(reinterpret_cast<intptr_t>(cadre)));
    EXPECT_NEAR(lecteur.obtient_duree(), duree, 0.1) << nom;
    lecteur.jouer();  // nothing to play is no failure either
  }

  // The window thread goes on handling its messages meanwhile, as the
  // screensaver's own loop does between ticks: the video window is its child.
  test::pomper(800ms);
  EXPECT_NEAR(lecteur.obtient_position(), 0.65, 0.35);  // 0.8 s, less the start
  HWND video = GetWindow(cadre, GW_CHILD);
  RECT zone{};
  GetClientRect(video, &zone);
  // Placed at the given size inside its owner, which is never shown.
  EXPECT_EQ(std::tuple(zone.right, zone.bottom, IsWindowVisible(video)), std::tuple(160L, 120L, FALSE));
  lecteur.arret();
  test::pomper(300ms);
  EXPECT_EQ(lecteur.obtient_position(), 0);  // rewound, and not playing on
  lecteur.nettoyer();
  EXPECT_EQ(GetWindow(cadre, GW_CHILD), nullptr);  // taken away from its owner
  DestroyWindow(cadre);
}

}  // namespace
}  // namespace pixavue::win32
