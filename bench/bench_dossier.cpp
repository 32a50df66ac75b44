// Folder scale: the start-up's listing of a folder (every picture type's
// pattern, sorted as the system sorts names) against FindFirstFileW alone
// walking the same folder, in turn, round after round. With "arbre", the
// listing of the folder's whole tree against a bare walk of the same tree,
// FindFirstFileExW (basic information, large fetch) into each sub-folder.
//   bench_dossier FOLDER ROUNDS [arbre]
// prints two lines, the listing's then the yardstick's: "min median max" in
// ms; with "arbre", a third: the pictures listed and the bytes the list
// keeps a picture.
#include <windows.h>
#include <psapi.h>

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

namespace {

// Every entry of the folder and of its sub-folders, counted.
int parcourir(const std::wstring& dossier, bool arbre) {
  WIN32_FIND_DATAW trouve;
  HANDLE recherche = arbre ? FindFirstFileExW((dossier + L"\\*").c_str(), FindExInfoBasic, &trouve,
                                              FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH)
                           : FindFirstFileW((dossier + L"\\*").c_str(), &trouve);
  if (recherche == INVALID_HANDLE_VALUE) return 0;
  int trouves = 0;
  do {
    const std::wstring_view nom = trouve.cFileName;
    ++trouves;
    if (arbre && (trouve.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && nom != L"." && nom != L"..")
      trouves += parcourir(dossier + L"\\" + trouve.cFileName, true);
  } while (FindNextFileW(recherche, &trouve));
  FindClose(recherche);
  return trouves;
}

SIZE_T engagee() {
  PROCESS_MEMORY_COUNTERS m{sizeof m};
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  return m.PagefileUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && argc != 4) return 2;
  const std::wstring dossier = argv[1];
  const int tours = std::max(1, _wtoi(argv[2]));
  const bool arbre = argc == 4 && std::wstring(argv[3]) == L"arbre";
  win32::FichiersWin32 fichiers;
  int compte = 0, trouves = 0;
  const auto nouvelle_liste = [&] {
    ListeFichiers l;
    l.Pattern = *motif_du_type(0, L"");
    l.Path = dossier;
    l.SousDossiers = arbre;
    return l;
  };
  const std::function<void()> lister = [&] {
    ListeFichiers l = nouvelle_liste();
    l.Refresh(fichiers);
    compte = l.ListCount();
  };
  const std::function<void()> yardstick = [&] { trouves = parcourir(dossier, arbre); };
  // In turn, round after round, after one round that warms the cache.
  std::vector<double> durees[2];
  for (int tour = 0; tour <= tours; ++tour) {
    int i = 0;
    for (const auto* travail : {&lister, &yardstick}) {
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
  if (arbre) {  // what the list keeps, once the listing's own work is let go
    const SIZE_T avant = engagee();
    ListeFichiers l = nouvelle_liste();
    l.Refresh(fichiers);
    std::printf("%d %.0f\n", l.ListCount(), double(engagee() - avant) / std::max(1, l.ListCount()));
  }
  return compte > 0 ? 0 : 1;
}
