// Start-up: from the process's creation to its first painted frame, that is
// until its window thread first waits for input with nothing left to do
// (painting included). The programs start in turn, round after round, so that
// a slower spell of the machine weighs on each of them alike; one round first
// warms the caches.
//   bench_demarrage ROUNDS PROGRAM[|ARGUMENT]...
// prints, a line a program: "min median max" in ms
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// One start, to the first painted frame; a negative time when it failed.
double demarrer(const std::wstring& programme, const std::wstring& argument) {
  std::wstring ligne = L"\"" + programme + L"\"";
  if (!argument.empty()) ligne += L" " + argument;
  STARTUPINFOW demarrage{sizeof demarrage};
  PROCESS_INFORMATION infos{};
  const auto debut = std::chrono::steady_clock::now();
  if (!CreateProcessW(programme.c_str(), ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage,
                      &infos))
    return -1;
  const DWORD attente = WaitForInputIdle(infos.hProcess, 20000);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
  TerminateProcess(infos.hProcess, 0);
  WaitForSingleObject(infos.hProcess, 5000);
  CloseHandle(infos.hThread);
  CloseHandle(infos.hProcess);
  return attente == 0 ? ms : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const int tours = std::max(1, _wtoi(argv[1]));
  struct Programme {
    std::wstring chemin, argument;
    std::vector<double> durees;
  };
  std::vector<Programme> programmes;
  for (int i = 2; i < argc; ++i) {
    std::wstring texte = argv[i];
    const auto barre = texte.find(L'|');
    programmes.push_back({texte.substr(0, barre), barre == std::wstring::npos ? L"" : texte.substr(barre + 1), {}});
  }
  for (int tour = 0; tour <= tours; ++tour)
    for (Programme& p : programmes) {
      const double ms = demarrer(p.chemin, p.argument);
      if (ms < 0) return 1;
      if (tour > 0) p.durees.push_back(ms);
      Sleep(200);
    }
  for (Programme& p : programmes) {
    std::sort(p.durees.begin(), p.durees.end());
    std::printf("%.1f %.1f %.1f\n", p.durees.front(), p.durees[p.durees.size() / 2], p.durees.back());
  }
  return 0;
}
