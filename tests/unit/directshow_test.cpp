// The media player against a fake graph: what it holds and releases, when it
// rewinds, and what a failure leaves behind.
#include "services/DirectShow.h"

#include <gtest/gtest.h>

#include "faux_media.h"

namespace pixavue {
namespace {

using Appels = std::vector<std::wstring>;

struct Lecteur : ::testing::Test {
  test::FauxMoteurMedia moteur;  // outlives the player, which reports to it
  DirectShow lecteur{moteur};

  void ouvrir(const wchar_t* fichier = L"a.wav") {
    lecteur.Ouvrir(fichier, 1, 2, 300, 200, 0x2A0);
    moteur.appels.clear();
  }
};

TEST_F(Lecteur, NothingHappensBeforeTheFirstOpening) {
  double position = 5;
  lecteur.fixe_position(position);
  lecteur.jouer();
  lecteur.arret();
  lecteur.nettoyer();
  EXPECT_EQ(lecteur.obtient_duree(), 0);
  EXPECT_EQ(lecteur.obtient_position(), 0);
  EXPECT_EQ(position, 5);
  EXPECT_TRUE(moteur.appels.empty());
}

TEST_F(Lecteur, WithoutAnEngineNothingIsHeldAndNothingFails) {
  moteur.echecs = {L"creer_graphe"};
  lecteur.Ouvrir(L"a.wav", 0, 0, 10, 10, 1);
  EXPECT_EQ(moteur.appels, Appels{L"1:creer_graphe"});
  lecteur.jouer();
  EXPECT_EQ(lecteur.obtient_duree(), 0);
  EXPECT_EQ(moteur.appels.size(), 1u);
}

TEST_F(Lecteur, AGraphThatCantBeMadeDropsThePreviousOne) {
  // An audio-only file keeps its references after cleaning up; the next
  // file must not be rendered into that graph beside it.
  moteur.echecs = {L"put_Owner"};
  ouvrir();
  moteur.echecs = {L"put_Owner", L"creer_graphe"};
  lecteur.Ouvrir(L"b.wav", 0, 0, 10, 10, 1);
  EXPECT_TRUE(moteur.appels_de(L"RenderFile").empty());
  EXPECT_EQ(lecteur.obtient_duree(), 0);
}

TEST_F(Lecteur, OpeningTwiceStopsTheFirstFileBeforeTheSecondIsPrepared) {
  lecteur.Ouvrir(L"a.wav", 0, 0, 10, 10, 1);
  lecteur.jouer();
  moteur.appels.clear();
  lecteur.Ouvrir(L"b.wav", 0, 0, 10, 10, 1);
  Appels debut(moteur.appels.begin(), moteur.appels.begin() + 8);
  Appels attendus = {L"1:Stop",     L"1:put_Owner(0)", L"1:~audio",       L"1:~controle",
                     L"1:~fenetre", L"1:~position",    L"2:creer_graphe", L"2:RenderFile(b.wav)"};
  EXPECT_EQ(debut, attendus);
}

TEST_F(Lecteur, AnAudioOnlyFileIsStoppedButKeepsItsReferencesUntilReplaced) {
  moteur.echecs = {L"put_WindowStyle", L"put_Top", L"put_Left", L"put_Width", L"put_Height", L"put_Owner"};
  ouvrir();
  lecteur.jouer();
  ASSERT_TRUE(moteur.en_lecture);
  moteur.appels.clear();
  lecteur.nettoyer();
  EXPECT_EQ(moteur.appels, (Appels{L"1:Stop", L"1:put_Owner(0)"}));
  EXPECT_FALSE(moteur.en_lecture);
  EXPECT_DOUBLE_EQ(lecteur.obtient_duree(), 10.4);  // the references still answer

  lecteur.Ouvrir(L"b.wav", 0, 0, 10, 10, 1);
  for (const wchar_t* libere : {L"1:~audio", L"1:~controle", L"1:~fenetre", L"1:~position"})
    EXPECT_EQ(std::count(moteur.appels.begin(), moteur.appels.end(), libere), 1) << libere;
}

TEST_F(Lecteur, PlayingRewindsOnlyWhenPositionAndEndAreTheSameWholeSecond) {
  struct Cas {
    double position;
    bool rembobine;
  } cas[] = {
      {9.6, true},  {9.4, false}, {10.4, true},
      {0, false},   {9.5, true},  // halves go to the even neighbour: 10 against 10
      {10.5, true},               // 10 too
  };
  ouvrir();
  for (auto [position, rembobine] : cas) {
    moteur.appels.clear();
    moteur.position = position;
    lecteur.jouer();
    Appels attendus = {L"1:get_CurrentPosition", L"1:get_Duration"};
    if (rembobine) attendus.push_back(L"1:put_CurrentPosition(0)");
    attendus.push_back(L"1:Run");
    EXPECT_EQ(moteur.appels, attendus) << position;
  }
}

TEST_F(Lecteur, SeekingIsClampedAndTheCallerSeesTheClampedValue) {
  ouvrir();
  double avant = -5;
  lecteur.fixe_position(avant);
  EXPECT_EQ(avant, 0);
  EXPECT_EQ(moteur.position, 0);

  double apres = 99;
  lecteur.fixe_position(apres);
  EXPECT_DOUBLE_EQ(apres, 10.4);
  EXPECT_EQ(moteur.position, 10.4);

  double milieu = 3.25;
  lecteur.fixe_position(milieu);
  EXPECT_EQ(moteur.position, 3.25);

  moteur.echecs = {L"get_Duration"};
  double illisible = 2;
  lecteur.fixe_position(illisible);
  EXPECT_EQ(moteur.position, 3.25);
  EXPECT_EQ(lecteur.obtient_duree(), 0);
}

}  // namespace
}  // namespace pixavue
