// A long run, driven fast: a thousand ticks over the samples leave GDI
// objects, handles and memory where they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "banc_reel.h"
#include "echantillons.h"

namespace pixavue::win32 {
namespace {

SIZE_T memoire_engagee() {
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  return m.PagefileUsage;
}

TEST(LongueDuree, AThousandTicksLeaveNothingBehind) {
  test::BancReel banc{{L"dossier demarrage", test::echantillon(L"")}, {L"taille", L"2"}};
  const int tour = banc.veille.NombreImages;
  ASSERT_EQ(tour, 11);
  // A first round: fonts, the decoders' first allocations.
  for (int i = 0; i < tour; ++i) banc.tick();
  test::Ressources::maintenant();  // the probes' own first growth of the tables, out of the way
  const auto avant = test::Ressources::maintenant();

  // The heap keeps some of what the largest pictures took, now and then: the
  // least committed at the end of a round, early against late, shows a leak
  // and not that.
  constexpr int kTours = 92;  // 1,012 ticks
  SIZE_T debut = SIZE_MAX, fin = SIZE_MAX;
  for (int t = 0; t < kTours; ++t) {
    for (int i = 0; i < tour; ++i) banc.tick();
    const SIZE_T maintenant = memoire_engagee();
    if (t < 20) debut = std::min(debut, maintenant);
    if (t >= kTours - 20) fin = std::min(fin, maintenant);
  }
  const auto apres = test::Ressources::maintenant();
  std::printf("GDI %ld -> %ld, handles %ld -> %ld, least committed %.1f -> %.1f MB\n", avant.gdi, apres.gdi,
              avant.poignees, apres.poignees, debut / 1e6, fin / 1e6);
  EXPECT_GT(avant.gdi, 0);  // the window, its fonts, the shown picture
  EXPECT_LE(apres.gdi, avant.gdi + 2);
  EXPECT_LE(apres.poignees, avant.poignees + 2);
  EXPECT_LT(fin, debut + (SIZE_T{2} << 20));
  EXPECT_FALSE(banc.veille.txtInfos.Visible);
}

}  // namespace
}  // namespace pixavue::win32
