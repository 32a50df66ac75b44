// The background sound of a full-screen run: its start, the check of every
// tick that restarts it, and its release when the run ends.
#include <gtest/gtest.h>

#include "fakes.h"

namespace pixavue {
namespace {

// The sound as the engine has it: the file, playing or not, the references
// held, its video window's owner and size. The graph's other settings are
// the player's own.
std::wstring son(test::FauxMoteurMedia& m) {
  return m.fichier + (m.en_lecture ? L" playing, " : L" stopped, ") + std::to_wstring(m.references) + L" held; owner " +
         m.reglages[L"Owner"] + L", " + m.reglages[L"Width"] + L"x" + m.reglages[L"Height"];
}

TEST(SonFond, TheChosenSoundPlaysInThePictureBoxTillTheSixthMoveOrTheTwentiethEmptyTickReleasesIt) {
  for (bool souris : {true, false}) {
    test::Banc banc;
    auto fenetre = banc.demarrer(L"/s", {{L"son", L"C:\\sons\\vent.wav"}});
    EXPECT_EQ(son(banc.media),
              L"C:\\sons\\vent.wav playing, 4 held; owner 672, 213x157");  // Picture1: 3195 x 2355 twips
    for (int i = 0; i < 20 && !banc.processus.terminaisons; ++i)
      souris ? fenetre->Form_MouseMove() : fenetre->Timer1_Timer();
    EXPECT_FALSE(banc.son.Lecteur);
    EXPECT_EQ(son(banc.media), L"C:\\sons\\vent.wav stopped, 0 held; owner 0, 213x157");  // taken from Picture1 first
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
