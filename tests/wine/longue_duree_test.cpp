// A soak, driven fast: twenty thousand ticks over a folder of every type,
// broken files among them and one whose codec crashes, with a sound
// looping, leave GDI objects, windows, kernel handles, threads, processes
// and memory where they were. PIXAVUE_TOURS sets
// another number of rounds through the folder.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "banc_reel.h"
#include "codec_essai.h"
#include "outils.h"

namespace pixavue::test {
namespace {

TEST(LongueDuree, TwentyThousandTicksLeaveNothingBehind) {
  CodecEssai codec;
  DossierEssai dossier(L"pixavue longue duree");
  std::filesystem::copy(echantillon(L""), dossier.chemin());  // every type, and a text file never listed
  for (const wchar_t* casse : {L"coupe-0-photo.jpg", L"bits-3-schema.emf", L"bits-5-vallee.gif", L"png-60000.png"})
    dossier.copier(chemin_wine(PIXAVUE_CORPUS, casse), casse);
  dossier.copier(chemin_wine(PIXAVUE_SYSTEME, L"chute.pxe"), L"chute.pxe");  // its codec crashes its decoding process
  BancReel banc{{L"dossier demarrage", dossier.chemin()},
                {L"taille", L"2"},
                {L"son", chemin_wine(PIXAVUE_SONS, L"deux-tons.wav")}};
  const int tour = banc.veille.NombreImages;
  ASSERT_EQ(tour, 17);
  // A first round: fonts, the decoders' and the sound's first allocations.
  for (int i = 0; i < tour; ++i) banc.tick();
  Ressources::maintenant();  // the probes' own first growth of the tables, out of the way
  const Ressources avant = Ressources::maintenant();

  // The heap keeps some of what the largest pictures took, now and then: the
  // least committed over a stretch of rounds, early against late, shows a
  // leak and not that.
  const char* choisis = std::getenv("PIXAVUE_TOURS");
  const int tours = choisis ? std::atoi(choisis) : 1251;  // 20,016 ticks
  const int etendue = std::max(1, std::min(200, tours / 4));
  SIZE_T debut = SIZE_MAX, fin = SIZE_MAX;
  for (int t = 0; t < tours; ++t) {
    for (int i = 0; i < tour; ++i) banc.tick();
    const SIZE_T engagee = Ressources::memoire_engagee();
    if (t < etendue) debut = std::min(debut, engagee);
    if (t >= tours - etendue) fin = std::min(fin, engagee);
  }
  const Ressources apres = Ressources::maintenant();
  // The window, its fonts, the shown picture; the window and its hidden picture box.
  EXPECT_TRUE(avant.gdi > 0 && avant.fenetres >= 2);
  EXPECT_EQ(apres.de_plus(avant), "GDI +0, handles +0, windows +0, threads +0, children +0");
  EXPECT_LT(fin, debut + (SIZE_T{2} << 20));
  EXPECT_GT(banc.son.DureeSon, 0);  // the sound was playing all along
  // A cover over each monitor but the primary; with one, not even a hidden one.
  int couvertures = 0;
  for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, win32::kClasseCouverture, nullptr));) ++couvertures;
  EXPECT_EQ(couvertures, GetSystemMetrics(SM_CMONITORS) - 1);
}

}  // namespace
}  // namespace pixavue::test
