// The end of a run: from the sixth key press to the process's exit, while
// the worker is decoding a 24-megapixel photo at full size for the next
// tick. Median of 5 runs.
//   bench_fin PIXAVUE.SCR FOLDER   prints "ms"
// FOLDER holds a.jpg (small) and b.jpg (the large photo); the settings are
// written here: an interval of 0 s, natural size.
//   bench_fin PIXAVUE.SCR FOLDER bloque   prints "ms"
// FOLDER's listing doesn't answer while the run lasts: from the sixth key
// press to the window gone from the screen, median of 3 runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void poser(const wchar_t* cle, const std::wstring& valeur) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR\\parametres", cle, REG_SZ, valeur.c_str(),
                  static_cast<DWORD>((valeur.size() + 1) * sizeof(wchar_t)));
}

HWND fenetre_de(DWORD pid) {
  for (int essai = 0; essai < 400; ++essai) {
    HWND trouvee = nullptr;
    while ((trouvee = FindWindowExW(nullptr, trouvee, L"frmVeille", nullptr))) {
      DWORD proprietaire = 0;
      GetWindowThreadProcessId(trouvee, &proprietaire);
      if (proprietaire == pid && IsWindowVisible(trouvee)) return trouvee;
    }
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && argc != 4) return 2;
  const bool bloque = argc == 4;
  poser(L"dossier demarrage", argv[2]);
  poser(L"secondes", L"0");
  poser(L"taille", L"0");
  poser(L"son", L"");
  std::vector<double> durees;
  for (int essai = 0; essai < (bloque ? 3 : 5); ++essai) {
    std::wstring ligne = L"\"" + std::wstring(argv[1]) + L"\" /s";
    STARTUPINFOW demarrage{sizeof demarrage};
    PROCESS_INFORMATION infos{};
    if (!CreateProcessW(argv[1], ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage, &infos))
      return 1;
    HWND fenetre = fenetre_de(infos.dwProcessId);
    if (!fenetre) return 1;
    Sleep(1100);  // the first tick shows a.jpg; b.jpg starts decoding
    HDC ecran = GetDC(nullptr);
    const COLORREF couverte = GetPixel(ecran, 3, 3);
    for (int i = 0; i < 6; ++i) PostMessageW(fenetre, WM_KEYDOWN, 'A', 0);
    const auto debut = std::chrono::steady_clock::now();
    while (bloque && GetPixel(ecran, 3, 3) == couverte &&
           std::chrono::steady_clock::now() - debut < std::chrono::seconds(5))
      Sleep(1);
    ReleaseDC(nullptr, ecran);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    const DWORD attente = WaitForSingleObject(infos.hProcess, 20000);
    durees.push_back(
        bloque ? ms : std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    if (attente != WAIT_OBJECT_0) TerminateProcess(infos.hProcess, 1);
    CloseHandle(infos.hThread);
    CloseHandle(infos.hProcess);
    Sleep(300);
  }
  std::sort(durees.begin(), durees.end());
  std::printf("%.1f\n", durees[durees.size() / 2]);
  return 0;
}
