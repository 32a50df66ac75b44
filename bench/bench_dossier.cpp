// Folder scale: the start-up's listing of a folder (every picture type's
// pattern, sorted as the system sorts names) against FindFirstFileW alone
// walking the same folder, in turn, round after round.
//   bench_dossier FOLDER ROUNDS
// prints two lines, the listing's then FindFirstFileW's: "min median max" in ms
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "settings/types_images.h"
#include "slideshow/liste_fichiers.h"
#include "win32/fichiers_win32.h"

using namespace pixavue;

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const std::wstring dossier = argv[1];
  const int tours = std::max(1, _wtoi(argv[2]));
  win32::FichiersWin32 fichiers;
  int compte = 0, trouves = 0;
  const std::function<void()> lister = [&] {
    ListeFichiers l;
    l.Pattern = std::wstring(*motif_du_type(0));
    l.Path = dossier;
    l.Refresh(fichiers);
    compte = l.ListCount();
  };
  const std::function<void()> parcourir = [&] {
    WIN32_FIND_DATAW trouve;
    HANDLE recherche = FindFirstFileW((dossier + L"\\*").c_str(), &trouve);
    trouves = 0;
    if (recherche == INVALID_HANDLE_VALUE) return;
    do ++trouves;
    while (FindNextFileW(recherche, &trouve));
    FindClose(recherche);
  };
  // In turn, round after round, after one round that warms the cache.
  std::vector<double> durees[2];
  for (int tour = 0; tour <= tours; ++tour) {
    int i = 0;
    for (const auto* travail : {&lister, &parcourir}) {
      const auto debut = std::chrono::steady_clock::now();
      (*travail)();
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
      if (tour > 0) durees[i].push_back(ms);
      ++i;
    }
  }
  for (auto& d : durees) {
    std::sort(d.begin(), d.end());
    std::printf("%.1f %.1f %.1f\n", d.front(), d[d.size() / 2], d.back());
  }
  return compte > 0 ? 0 : 1;
}
