// The screen, its monitors and the cursor on Windows.
#include "win32/ecran_win32.h"

#include <windows.h>

#include "win32/poignees.h"

namespace pixavue::win32 {

double points_par_pouce() {
  ContexteFenetre ecran(nullptr);
  int ppp = ecran.get() ? GetDeviceCaps(ecran.get(), LOGPIXELSY) : 0;
  return ppp > 0 ? ppp : 96.0;
}

MesuresEcran EcranWin32::mesures() {
  const double twips_par_pixel = 1440.0 / points_par_pouce();
  return {GetSystemMetrics(SM_CXSCREEN) * twips_par_pixel, GetSystemMetrics(SM_CYSCREEN) * twips_par_pixel,
          twips_par_pixel, twips_par_pixel};
}

std::vector<Moniteur> EcranWin32::moniteurs() {
  std::vector<Moniteur> liste;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR moniteur, HDC, LPRECT, LPARAM donnees) -> BOOL {
        MONITORINFO info{sizeof info};
        if (GetMonitorInfoW(moniteur, &info)) {
          const RECT& r = info.rcMonitor;
          reinterpret_cast<std::vector<Moniteur>*>(donnees)->push_back(
              {{r.left, r.top, r.right - r.left, r.bottom - r.top}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&liste));
  return liste;
}

void EcranWin32::afficher_curseur(bool afficher) { ShowCursor(afficher ? TRUE : FALSE); }

}  // namespace pixavue::win32
