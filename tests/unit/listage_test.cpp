// A full-screen run's listing, left to its worker: the window never waits
// on a file system that doesn't answer.
#include <gtest/gtest.h>

#include <semaphore>

#include "fakes.h"
#include "layouts/frmVeille.h"

namespace pixavue {
namespace {

// Ticks before the list is whole leave the screen as the start-up laid it
// out and count no empty tick; the sixth move takes the window off the
// screen and ends the run at once; the listing then stops at its next folder.
TEST(Listage, TicksBeforeTheListLeaveTheScreenAndInputEndsTheRunWithoutWaitingForIt) {
  test::Banc banc;
  banc.fichiers.dossiers = {{L"D:\\img", {L"a.jpg"}}, {L"D:\\img\\b", {L"b.jpg"}}};
  std::binary_semaphore lit{0}, repond{0};
  std::vector<std::wstring> lus;
  banc.fichiers.avant_lecture = [&](const std::wstring& dossier) {
    lus.push_back(dossier);
    lit.release();
    repond.acquire();
  };
  auto f = banc.demarrer(L"/s", {{L"dossier demarrage", L"D:\\img"}, {L"sous dossiers", L"1"}}, false);
  lit.acquire();  // the listing is under way
  for (int i = 0; i < 25; ++i) f->Timer1_Timer();
  EXPECT_TRUE(f->txtInfos.Visible && f->txtInfos.Caption == kTextePreparation && !f->Image1[1].Picture);
  EXPECT_TRUE(banc.images.chargees.empty() && banc.images.anticipees.empty() && banc.processus.terminaisons == 0);
  for (int i = 0; i < 6; ++i) f->Form_MouseMove();
  EXPECT_TRUE(banc.fenetre.retiree && banc.processus.terminaisons == 1);
  repond.release();
  f.reset();
  EXPECT_EQ(lus, std::vector<std::wstring>{L"D:\\img"});
}

}  // namespace
}  // namespace pixavue
