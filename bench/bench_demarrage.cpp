// Start-up: from the process's creation to its first painted frame, that is
// until its window thread first waits for input with nothing left to do
// (painting included). Median of 9 starts, after one to warm the caches.
//   bench_demarrage PROGRAM [ARGUMENT]   prints "ms"
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring ligne = L"\"" + std::wstring(argv[1]) + L"\"";
  if (argc > 2) ligne += L" " + std::wstring(argv[2]);
  std::vector<double> durees;
  for (int essai = 0; essai < 10; ++essai) {
    STARTUPINFOW demarrage{sizeof demarrage};
    PROCESS_INFORMATION infos{};
    std::wstring copie = ligne;
    const auto debut = std::chrono::steady_clock::now();
    if (!CreateProcessW(argv[1], copie.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage, &infos))
      return 1;
    const DWORD attente = WaitForInputIdle(infos.hProcess, 20000);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    TerminateProcess(infos.hProcess, 0);
    WaitForSingleObject(infos.hProcess, 5000);
    CloseHandle(infos.hThread);
    CloseHandle(infos.hProcess);
    if (attente != 0) return 1;
    if (essai > 0) durees.push_back(ms);
    Sleep(200);
  }
  std::sort(durees.begin(), durees.end());
  std::printf("%.1f\n", durees[durees.size() / 2]);
  return 0;
}
