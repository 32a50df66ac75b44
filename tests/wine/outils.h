// What the Wine tests share: where their files are as Wine sees them, a
// folder of test files, the program's settings written afresh, a message
// pump, the screen's pixels, the real process services with an end that only
// counts, and how far a call raises the peak memory.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win32/magasin_registre.h"
#include "win32/processus_win32.h"

namespace pixavue::test {

using namespace std::chrono_literals;

// A folder of the build as Wine sees it (Z: is the root), or a file in it.
inline std::wstring chemin_wine(const std::string& unix, const std::wstring& nom) {
  std::wstring chemin = L"Z:";
  for (char c : unix) chemin += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return nom.empty() ? chemin : chemin + L"\\" + nom;
}
inline std::wstring echantillon(const std::wstring& nom) { return chemin_wine(PIXAVUE_SAMPLES, nom); }

// A folder of test files in the prefix's temporary folder, gone afterwards.
class DossierEssai {
 public:
  explicit DossierEssai(const std::wstring& nom) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    chemin_ = std::wstring(temp) + nom;
    std::filesystem::remove_all(chemin_, ignoree_);
    CreateDirectoryW(chemin_.c_str(), nullptr);
  }
  ~DossierEssai() { std::filesystem::remove_all(chemin_, ignoree_); }
  DossierEssai(const DossierEssai&) = delete;
  DossierEssai& operator=(const DossierEssai&) = delete;

  const std::wstring& chemin() const { return chemin_; }
  // A copy of a file (a full path) under that name, with those attributes.
  bool copier(const std::wstring& source, const std::wstring& nom, DWORD attributs = FILE_ATTRIBUTE_NORMAL) const {
    const std::wstring copie = chemin_ + L"\\" + nom;
    return CopyFileW(source.c_str(), copie.c_str(), FALSE) && SetFileAttributesW(copie.c_str(), attributs);
  }
  void dossier(const std::wstring& nom) const { CreateDirectoryW((chemin_ + L"\\" + nom).c_str(), nullptr); }

 private:
  std::wstring chemin_;
  std::error_code ignoree_;
};

// The program's settings, key and text, written over a clean store.
using Reglages = std::vector<std::pair<const wchar_t*, std::wstring>>;
inline void effacer_reglages() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR"); }
inline void ecrire_reglages(const Reglages& reglages) {
  effacer_reglages();
  win32::MagasinRegistre magasin;
  for (const auto& [cle, valeur] : reglages) magasin.ecrire_parametre(L"PixavueSCR", L"parametres", cle, valeur);
}
inline std::wstring lire_reglage(const wchar_t* cle) {
  return win32::MagasinRegistre().lire_parametre(L"PixavueSCR", L"parametres", cle);
}

// This thread's messages handled, by `traiter` or as a plain loop does,
// until `fini` says so or the delay has passed; what `fini` said last.
inline bool attendre_que(
    const std::function<bool()>& fini, std::chrono::milliseconds delai,
    const std::function<void(MSG&)>& traiter = [](MSG& m) { DispatchMessageW(&m); }) {
  for (auto fin = std::chrono::steady_clock::now() + delai;;
       MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT)) {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) traiter(message);
    if (fini()) return true;
    if (std::chrono::steady_clock::now() >= fin) return false;
  }
}
inline void pomper(std::chrono::milliseconds duree) {
  attendre_que([] { return false; }, duree);
}

// The screen's pixel, as the X root shows it.
inline COLORREF pixel_ecran(POINT p) {
  HDC ecran = GetDC(nullptr);
  const COLORREF c = GetPixel(ecran, p.x, p.y);
  ReleaseDC(nullptr, ecran);
  return c;
}

// A rectangle of the screen, row by row, as the X root shows it.
inline std::vector<COLORREF> pixels_ecran(RECT r) {
  const int l = r.right - r.left, h = r.bottom - r.top;
  std::vector<COLORREF> pixels(std::size_t(l) * h);
  HDC ecran = GetDC(nullptr);
  HDC memoire = CreateCompatibleDC(ecran);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), l, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(ecran, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ avant = SelectObject(memoire, dib);
  BitBlt(memoire, 0, 0, l, h, ecran, r.left, r.top, SRCCOPY);
  GdiFlush();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t bgr = static_cast<const std::uint32_t*>(bits)[i];
    pixels[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  SelectObject(memoire, avant);
  DeleteObject(dib);
  DeleteDC(memoire);
  ReleaseDC(nullptr, ecran);
  return pixels;
}

// The real process services, but an end that only counts, and the command
// line a test gives.
struct ProcessusCompte : win32::ProcessusWin32 {
  explicit ProcessusCompte(std::wstring ligne = L"") : ligne(std::move(ligne)) {}
  bool autre_instance() override { return false; }
  std::wstring argument() override { return ligne; }
  void terminer() override { ++terminaisons; }
  std::wstring ligne;
  int terminaisons = 0;
};

// How far a call raises the process's peak memory, in MB. Wine keeps no peak
// of committed memory, but it does keep the peak working set: the figure
// means something from a fresh process, where ctest runs each such test.
template <typename Faire>
std::size_t pic_de_memoire(Faire&& faire) {
  PROCESS_MEMORY_COUNTERS avant{sizeof avant}, apres{sizeof apres};
  GetProcessMemoryInfo(GetCurrentProcess(), &avant, sizeof avant);
  faire();
  GetProcessMemoryInfo(GetCurrentProcess(), &apres, sizeof apres);
  return (apres.PeakWorkingSetSize - avant.PeakWorkingSetSize) >> 20;
}

}  // namespace pixavue::test
