// The end of the run on the sixth key press or mouse move.
#include <gtest/gtest.h>

#include "fakes.h"
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

TEST(FinDuRun, EachKindCountsToSixOnItsOwn) {
  test::Banc banc;
  auto fenetre = banc.demarrer(L"/s");
  for (int i = 0; i < 5; ++i) fenetre->Form_MouseMove();
  for (int i = 0; i < 5; ++i) fenetre->Form_KeyDown();
  EXPECT_EQ(banc.processus.terminaisons, 0);
  EXPECT_EQ(banc.ecran.compte_curseur, -1);

  fenetre->Form_KeyDown();
  EXPECT_EQ(banc.processus.terminaisons, 1);
  EXPECT_EQ(banc.ecran.compte_curseur, 0);  // shown again
}

TEST(FinDuRun, TheSixthMouseMoveEndsABareRunToo) {
  test::Banc banc;
  auto fenetre = banc.demarrer(L"/a");
  for (int i = 0; i < 5; ++i) fenetre->Form_MouseMove();
  EXPECT_EQ(banc.processus.terminaisons, 0);
  fenetre->Form_MouseMove();
  EXPECT_EQ(banc.processus.terminaisons, 1);
  EXPECT_EQ(banc.ecran.compte_curseur, 1);  // raised once more, harmlessly
}

}  // namespace
}  // namespace pixavue
