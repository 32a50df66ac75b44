// The media player against a fake engine: what it holds and releases, when it
// rewinds, and what a failure leaves behind.
#include "services/DirectShow.h"

#include <gtest/gtest.h>

#include "faux_media.h"

namespace pixavue {
namespace {

struct Lecteur : ::testing::Test {
  test::FauxMoteurMedia moteur;  // outlives the player, which holds its references
  DirectShow lecteur{moteur};
  void ouvrir(const wchar_t* fichier) { lecteur.Ouvrir(fichier, 1, 2, 300, 200, 0x2A0); }
  // Every other operation, none of which may fail whatever was opened: the
  // duration and the position read after them.
  std::wstring tout_essayer() {
    double position = 5;
    lecteur.fixe_position(position);
    lecteur.jouer();
    lecteur.arret();
    return test::nombre(lecteur.obtient_duree()) + L" " + test::nombre(lecteur.obtient_position());
  }
};

TEST_F(Lecteur, OpeningAgainStopsTheFirstFileBeforeTheSecondIsPreparedAndCleaningUpReleasesIt) {
  EXPECT_EQ(tout_essayer(), L"0 0");  // before any file
  // Taking the window from its owner fails for a file without video: it is
  // stopped, and its references, which still answer, go at the next opening.
  const wchar_t* etats[] = {
      L"b.wav stopped at 0, 0 held; Balance=0 Height=200 Left=2 Owner=0 Rate=1 Top=1 Volume=0 Width=300 "
      L"WindowStyle=268435456",
      L"b.wav stopped at 0, 4 held; Balance=0 Height= Left= Owner= Rate=1 Top= Volume=0 Width= WindowStyle="};
  for (bool video : {true, false}) {
    if (!video)
      moteur.echecs = {L"put_WindowStyle", L"put_Top", L"put_Left", L"put_Width", L"put_Height", L"put_Owner"};
    ouvrir(L"a.wav");
    lecteur.jouer();
    ouvrir(L"b.wav");
    EXPECT_FALSE(moteur.deux_a_la_fois);
    lecteur.jouer();
    lecteur.nettoyer();
    EXPECT_EQ(moteur.etat(), etats[video ? 0 : 1]);
    EXPECT_EQ(tout_essayer(), video ? L"0 0" : L"10.4 0");
  }
  // A graph that can't be made drops those references too: the next file
  // must not be rendered into that graph beside the first.
  moteur.echecs.insert(L"creer_graphe");
  ouvrir(L"c.wav");
  EXPECT_EQ(moteur.etat(), L"b.wav stopped at 0, 0 held;");
  EXPECT_EQ(tout_essayer(), L"0 0");
}

TEST_F(Lecteur, PlayingRewindsOnlyWhenPositionAndEndAreTheSameWholeSecond) {
  // The end is 10.4 s. Halves go to the even neighbour: 9.5 and 10.5 are 10.
  ouvrir(L"a.wav");
  for (auto [position, rembobine] :
       {std::pair{9.6, true}, {9.4, false}, {10.4, true}, {0.0, false}, {9.5, true}, {10.5, true}}) {
    moteur.position = position;
    moteur.en_lecture = false;
    lecteur.jouer();
    EXPECT_EQ(std::pair(moteur.en_lecture, moteur.position), std::pair(true, rembobine ? 0 : position)) << position;
  }
}

}  // namespace
}  // namespace pixavue
