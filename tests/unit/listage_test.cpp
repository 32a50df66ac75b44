// A full-screen run's listing, left to its worker: the window never waits
// on a file system that doesn't answer.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

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
  std::mutex mutex;
  std::condition_variable signal;
  bool repond = false;
  std::vector<std::wstring> lus;
  banc.fichiers.avant_lecture = [&](const std::wstring& dossier) {
    std::unique_lock<std::mutex> verrou(mutex);
    lus.push_back(dossier);
    signal.notify_all();
    signal.wait(verrou, [&] { return repond; });
  };
  auto f = banc.demarrer(L"/s", {{L"dossier demarrage", L"D:\\img"}, {L"sous dossiers", L"1"}}, false);
  {
    std::unique_lock<std::mutex> verrou(mutex);
    signal.wait(verrou, [&] { return !lus.empty(); });  // the listing is under way
  }
  for (int i = 0; i < 25; ++i) f->Timer1_Timer();
  EXPECT_TRUE(f->txtInfos.Visible && f->txtInfos.Caption == kTextePreparation && !f->Image1[1].Picture);
  EXPECT_TRUE(banc.images.chargees.empty() && banc.images.anticipees.empty() && banc.processus.terminaisons == 0);
  for (int i = 0; i < 6; ++i) f->Form_MouseMove();
  EXPECT_TRUE(banc.fenetre.retiree && banc.processus.terminaisons == 1);
  {
    std::lock_guard<std::mutex> verrou(mutex);
    repond = true;
  }
  signal.notify_all();
  f.reset();
  EXPECT_EQ(lus, std::vector<std::wstring>{L"D:\\img"});
}

}  // namespace
}  // namespace pixavue
