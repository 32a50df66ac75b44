// The background sound of a full-screen run: its start, the check of every
// tick that restarts it, and its release when the run ends.
#include <gtest/gtest.h>

#include "fakes.h"

namespace pixavue {
namespace {

// Picture1 is laid out 3195 x 2355 twips: 213 x 157 pixels at 96 dpi.
std::wstring vent(const wchar_t* lecture, const wchar_t* proprietaire) {
  return L"C:\\sons\\vent.wav " + std::wstring(lecture) + L" held; Balance=0 Height=157 Left=0 Owner=" + proprietaire +
         L" Rate=1 Top=0 Volume=0 Width=213 WindowStyle=268435456";
}

TEST(SonFond, TheChosenSoundPlaysInThePictureBoxTillTheSixthMoveOrTheTwentiethEmptyTickReleasesIt) {
  for (bool souris : {true, false}) {
    test::Banc banc;
    auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
    EXPECT_EQ(banc.media.etat(), vent(L"playing at 0, 4", L"672"));
    for (int i = 0; i < 20 && !banc.processus.terminaisons; ++i)
      souris ? fenetre->Form_MouseMove() : fenetre->Timer1_Timer();
    EXPECT_FALSE(banc.son.Lecteur);
    EXPECT_EQ(banc.media.etat(), vent(L"stopped at 0, 0", L"0"));  // its window taken from Picture1 first
  }
}

TEST(SonFond, SilentWithoutAnAudioOutputOrASoundThoughThePlayerIsMade) {
  for (auto [sorties, son] : {std::pair{0, L"C:\\sons\\vent.wav"}, {1, L""}}) {
    test::Banc banc;
    banc.media.sorties = sorties;
    banc.demarrer(L"/s", {{L"son", son}});
    EXPECT_TRUE(banc.son.Lecteur);
    EXPECT_EQ(banc.son.FichierSon + test::nombre(banc.son.DureeSon) + std::to_wstring(banc.media.graphes), L"00");
  }
}

TEST(SonFond, TheTickRestartsTheSoundOncePlayedToTheEndTakenAtStart) {
  // A duration unread at start is never read again: that sound never restarts.
  for (auto [position, duree_lue, relance] :
       {std::tuple{10.3, true, false}, {10.4, true, true}, {11.0, true, true}, {10.4, false, false}}) {
    test::Banc banc;
    if (!duree_lue) banc.media.echecs = {L"get_Duration"};
    auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
    banc.media.echecs.clear();
    banc.media.position = position;
    banc.media.en_lecture = false;
    fenetre->Timer1_Timer();  // an empty folder's tick: the check runs all the same
    EXPECT_EQ(std::pair(banc.media.en_lecture, banc.media.position), std::pair(relance, relance ? 0 : position))
        << position;
  }
}

}  // namespace
}  // namespace pixavue
