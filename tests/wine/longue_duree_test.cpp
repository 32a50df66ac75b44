// A soak, driven fast: twenty thousand ticks over a folder of every type,
// broken files among them, with a sound looping, leave GDI objects, windows,
// kernel handles, threads and memory where they were.
#include <windows.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "echantillons.h"

namespace pixavue::win32 {
namespace {

SIZE_T memoire_engagee() {
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  return m.PagefileUsage;
}

int fils_du_processus() {
  HANDLE instantane = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 fil{sizeof fil};
  int n = 0;
  for (BOOL encore = Thread32First(instantane, &fil); encore; encore = Thread32Next(instantane, &fil))
    n += fil.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(instantane);
  return n;
}

TEST(LongueDuree, TwentyThousandTicksLeaveNothingBehind) {
  test::DossierEssai dossier(L"pixavue longue duree");
  for (const wchar_t* nom :
       {L"bande.dib", L"carre.JPEG", L"colline.bmp", L"dessin.wmf", L"grand paysage.jpg", L"photo été 写真.jpg",
        L"portrait.bmp", L"rond.ico", L"schema.emf", L"vallee.gif", L"viseur.cur"})
    CopyFileW(test::echantillon(nom).c_str(), (dossier.chemin() + L"\\" + nom).c_str(), FALSE);
  for (const wchar_t* casse : {L"coupe-0-photo.jpg", L"bits-3-schema.emf", L"bits-5-vallee.gif"})
    CopyFileW(test::chemin_wine(PIXAVUE_CORPUS, casse).c_str(), (dossier.chemin() + L"\\" + casse).c_str(), FALSE);
  test::BancReel banc{
      {L"dossier demarrage", dossier.chemin()}, {L"taille", L"2"}, {L"son", test::son_essai(L"deux-tons.wav")}};
  const int tour = banc.veille.NombreImages;
  ASSERT_EQ(tour, 14);
  // A first round: fonts, the decoders' and the sound's first allocations.
  for (int i = 0; i < tour; ++i) banc.tick();
  test::Ressources::maintenant();  // the probes' own first growth of the tables, out of the way
  const auto avant = test::Ressources::maintenant();
  const int fils_avant = fils_du_processus();

  // The heap keeps some of what the largest pictures took, now and then: the
  // least committed over a stretch of rounds, early against late, shows a
  // leak and not that.
  constexpr int kTours = 1430;  // 20,020 ticks
  SIZE_T debut = SIZE_MAX, fin = SIZE_MAX;
  for (int t = 0; t < kTours; ++t) {
    for (int i = 0; i < tour; ++i) banc.tick();
    const SIZE_T maintenant = memoire_engagee();
    if (t < 200) debut = std::min(debut, maintenant);
    if (t >= kTours - 200) fin = std::min(fin, maintenant);
    if (t % 286 == 0)
      std::printf("tick %5d: committed %.1f MB, %d threads\n", t * tour, maintenant / 1e6, fils_du_processus());
  }
  const auto apres = test::Ressources::maintenant();
  const int fils_apres = fils_du_processus();
  std::printf(
      "GDI %ld -> %ld, windows %ld -> %ld, handles %ld -> %ld, threads %d -> %d, least committed %.1f -> %.1f MB\n",
      avant.gdi, apres.gdi, avant.fenetres, apres.fenetres, avant.poignees, apres.poignees, fils_avant, fils_apres,
      debut / 1e6, fin / 1e6);
  EXPECT_GT(avant.gdi, 0);  // the window, its fonts, the shown picture
  EXPECT_LE(apres.gdi, avant.gdi + 2);
  EXPECT_GE(avant.fenetres, 2);  // the window and its hidden picture box
  EXPECT_LE(apres.fenetres, avant.fenetres);
  EXPECT_LE(apres.poignees, avant.poignees + 2);
  EXPECT_LE(fils_apres, fils_avant);
  EXPECT_LT(fin, debut + (SIZE_T{2} << 20));
  EXPECT_GT(banc.son.DureeSon, 0);  // the sound was playing all along
}

}  // namespace
}  // namespace pixavue::win32
