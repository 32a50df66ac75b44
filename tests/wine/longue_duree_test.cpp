// A soak, driven fast: twenty thousand ticks over a folder of every type,
// broken files among them, with a sound looping, leave GDI objects, windows,
// kernel handles, threads and memory where they were.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "echantillons.h"

namespace pixavue::win32 {
namespace {

TEST(LongueDuree, TwentyThousandTicksLeaveNothingBehind) {
  test::DossierEssai dossier(L"pixavue longue duree");
  std::filesystem::copy(test::echantillon(L""), dossier.chemin());  // every type, and a text file never listed
  for (const wchar_t* casse :
       {L"coupe-0-photo.jpg", L"bits-3-schema.emf", L"bits-5-vallee.gif", L"png-60000.png"})
    CopyFileW(test::chemin_wine(PIXAVUE_CORPUS, casse).c_str(), (dossier.chemin() + L"\\" + casse).c_str(), FALSE);
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()},
                      {L"taille", L"2"},
                      {L"son", test::chemin_wine(PIXAVUE_SONS, L"deux-tons.wav")}};
  const int tour = banc.veille.NombreImages;
  ASSERT_EQ(tour, 16);
  // A first round: fonts, the decoders' and the sound's first allocations.
  for (int i = 0; i < tour; ++i) banc.tick();
  test::Ressources::maintenant();  // the probes' own first growth of the tables, out of the way
  const auto avant = test::Ressources::maintenant();

  // The heap keeps some of what the largest pictures took, now and then: the
  // least committed over a stretch of rounds, early against late, shows a
  // leak and not that.
  constexpr int kTours = 1251;  // 20,016 ticks
  SIZE_T debut = SIZE_MAX, fin = SIZE_MAX;
  for (int t = 0; t < kTours; ++t) {
    for (int i = 0; i < tour; ++i) banc.tick();
    const SIZE_T engagee = test::Ressources::memoire_engagee();
    if (t < 200) debut = std::min(debut, engagee);
    if (t >= kTours - 200) fin = std::min(fin, engagee);
  }
  const auto apres = test::Ressources::maintenant();
  EXPECT_GT(avant.gdi, 0);  // the window, its fonts, the shown picture
  EXPECT_LE(apres.gdi, avant.gdi + 2);
  EXPECT_GE(avant.fenetres, 2);  // the window and its hidden picture box
  EXPECT_LE(apres.fenetres, avant.fenetres);
  EXPECT_LE(apres.poignees, avant.poignees + 2);
  EXPECT_LE(apres.fils, avant.fils);
  EXPECT_LT(fin, debut + (SIZE_T{2} << 20));
  EXPECT_GT(banc.son.DureeSon, 0);  // the sound was playing all along
  // A cover over each monitor but the primary; with one, not even a hidden one.
  int couvertures = 0;
  for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, win32::kClasseCouverture, nullptr));) ++couvertures;
  EXPECT_EQ(couvertures, GetSystemMetrics(SM_CMONITORS) - 1);
}

}  // namespace
}  // namespace pixavue::win32
