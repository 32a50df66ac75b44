// Folder scale: the start-up's listing of a folder (every picture type's
// pattern, sorted as the system sorts names) against FindFirstFileW alone
// walking the same folder. Median of 5 of each, after one to warm the cache.
//   bench_dossier FOLDER   prints "listing_ms findfirst_ms count"
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "screensaver/liste_fichiers.h"
#include "settings/types_images.h"
#include "win32/fichiers_win32.h"

using namespace pixavue;

namespace {

double mediane_ms(const std::function<void()>& travail) {
  std::vector<double> durees;
  for (int i = 0; i < 6; ++i) {
    const auto debut = std::chrono::steady_clock::now();
    travail();
    if (i > 0)
      durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
  }
  std::sort(durees.begin(), durees.end());
  return durees[durees.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const std::wstring dossier = argv[1];
  win32::FichiersWin32 fichiers;
  int compte = 0;
  const double liste = mediane_ms([&] {
    ListeFichiers l;
    l.Pattern = std::wstring(*motif_du_type(0));
    l.Path = dossier;
    l.Refresh(fichiers);
    compte = l.ListCount();
  });
  int trouves = 0;
  const double seul = mediane_ms([&] {
    WIN32_FIND_DATAW trouve;
    HANDLE recherche = FindFirstFileW((dossier + L"\\*").c_str(), &trouve);
    trouves = 0;
    if (recherche == INVALID_HANDLE_VALUE) return;
    do ++trouves;
    while (FindNextFileW(recherche, &trouve));
    FindClose(recherche);
  });
  std::printf("%.1f %.1f %d\n", liste, seul, compte);
  return compte > 0 ? 0 : 1;
}
