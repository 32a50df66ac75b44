// The background sound of a full-screen run: its start, the music check of
// every tick, and its release when the run ends.
#include <gtest/gtest.h>

#include "fakes.h"
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

using Appels = std::vector<std::wstring>;

TEST(SonFond, StartsTheChosenSoundInTheHiddenPictureBox) {
  test::Banc banc;
  auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
  ASSERT_TRUE(banc.son.Lecteur);
  EXPECT_EQ(banc.son.FichierSon, L"C:\\sons\\vent.wav");
  EXPECT_DOUBLE_EQ(banc.son.DureeSon, 10.4);
  EXPECT_TRUE(banc.media.en_lecture);
  // Picture1 is laid out 3195 x 2355 twips: 213 x 157 pixels at 96 dpi.
  EXPECT_EQ(
      banc.media.appels_de(L"put_"),
      (Appels{L"1:put_Volume(0)", L"1:put_Balance(0)", L"1:put_WindowStyle(268435456)", L"1:put_Top(0)",
              L"1:put_Left(0)", L"1:put_Width(213)", L"1:put_Height(157)", L"1:put_Owner(672)", L"1:put_Rate(1)"}));
}

TEST(SonFond, SilentWithoutADeviceOrASoundButThePlayerExists) {
  struct Cas {
    unsigned sorties;
    const wchar_t* son;
  } cas[] = {{0, L"C:\\sons\\vent.wav"}, {1, L""}, {0, L""}};
  for (auto [sorties, son] : cas) {
    test::Banc banc;
    banc.media.sorties = sorties;
    banc.demarrer(L"/s", {{L"son", son}});
    EXPECT_TRUE(banc.son.Lecteur) << sorties << son;
    EXPECT_TRUE(banc.media.appels.empty()) << sorties << son;
    EXPECT_EQ(banc.son.DureeSon, 0);
    EXPECT_TRUE(banc.magasin.existe(L"son"));
  }
  test::Banc neuf;  // a new user's first run writes the key, empty
  neuf.demarrer(L"/s");
  EXPECT_EQ(neuf.magasin.ecritures.back(), (std::pair<std::wstring, std::wstring>{L"son", L""}));
}

TEST(SonFond, AFileThatWontOpenGivesNoDurationAndTheTicksLeaveThePlayerAlone) {
  test::Banc banc;
  banc.media.echecs = {L"get_Duration"};
  auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\texte.wav"}});
  EXPECT_EQ(banc.son.DureeSon, 0);
  banc.media.appels.clear();
  for (int i = 0; i < 3; ++i) fenetre->Timer1_Timer();  // empty folder: the check runs all the same
  EXPECT_TRUE(banc.media.appels.empty());
}

TEST(SonFond, TheTickRestartsTheSoundOnlyOnceItHasPlayedToItsEnd) {
  test::Banc banc;
  auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
  banc.media.appels.clear();

  banc.media.position = 10.3;  // still playing: only asked where it is
  fenetre->Timer1_Timer();
  EXPECT_EQ(banc.media.appels, Appels{L"1:get_CurrentPosition"});

  banc.media.appels.clear();
  banc.media.position = 10.4;  // at its end: rewound and played again
  fenetre->Timer1_Timer();
  EXPECT_EQ(banc.media.appels, (Appels{L"1:get_CurrentPosition", L"1:get_Duration", L"1:put_CurrentPosition(0)",
                                       L"1:get_CurrentPosition", L"1:get_Duration", L"1:Run"}));
  EXPECT_EQ(banc.media.position, 0);
}

TEST(SonFond, EveryEndOfTheRunStopsAndReleasesThePlayer) {
  const Appels liberation = {L"1:Stop", L"1:put_Owner(0)", L"1:~audio", L"1:~controle", L"1:~fenetre", L"1:~position"};
  {
    test::Banc banc;
    auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
    banc.media.appels.clear();
    for (int i = 0; i < 6; ++i) fenetre->Form_MouseMove();
    EXPECT_EQ(banc.media.appels, liberation);
    EXPECT_FALSE(banc.son.Lecteur);
    EXPECT_EQ(banc.processus.terminaisons, 1);
  }
  {
    test::Banc banc;  // the twentieth empty tick
    auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
    banc.media.position = 1;
    for (int i = 0; i < 19; ++i) fenetre->Timer1_Timer();
    banc.media.appels.clear();
    fenetre->Timer1_Timer();
    EXPECT_EQ(banc.media.appels, liberation);
    EXPECT_EQ(banc.processus.terminaisons, 1);
  }
  {
    test::Banc banc;  // a bare window has no player to release
    auto fenetre = banc.demarrer(L"/a");
    fenetre->Form_Unload();
    EXPECT_FALSE(banc.son.Lecteur);
    EXPECT_EQ(banc.processus.terminaisons, 1);
  }
}

}  // namespace
}  // namespace pixavue
