// The real Pixavue.scr on two monitors, the primary on the left, as
// scripts/ecran-prive.sh lays them out: the second takes the run's
// background at every tick, and its input ends the run.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "lancement.h"
#include "outils.h"

namespace pixavue::test {
namespace {

// The colour that five by four points of a rectangle, its edges included,
// all show, or CLR_INVALID.
COLORREF couleur_unie(const RECT& r) {
  const COLORREF premiere = pixel_ecran({r.left, r.top});
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j)
      if (pixel_ecran({r.left + (r.right - 1 - r.left) * i / 4, r.top + (r.bottom - 1 - r.top) * j / 3}) != premiere)
        return CLR_INVALID;
  return premiere;
}

// A random background changes on both monitors at the same tick, and the
// sixth move, all of them over the second monitor, ends the run.
TEST(DeuxMoniteurs, TheSecondMonitorTakesEachTicksBackgroundAndItsMovesEndTheRun) {
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "run under scripts/ecran-prive.sh deux-moniteurs";
  RECT moniteurs[2]{};  // the primary, the second
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR moniteur, HDC, LPRECT, LPARAM rectangles) -> BOOL {
        MONITORINFO info{sizeof info};
        GetMonitorInfoW(moniteur, &info);
        reinterpret_cast<RECT*>(rectangles)[info.dwFlags & MONITORINFOF_PRIMARY ? 0 : 1] = info.rcMonitor;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(moniteurs));
  const RECT &principal = moniteurs[0], &second = moniteurs[1];
  DossierEssai dossier(L"pixavue deux moniteurs");
  dossier.copier(echantillon(L"carre.JPEG"), L"a.jpg");
  ecrire_reglages({{L"dossier demarrage", dossier.chemin()}, {L"secondes", L"0"}, {L"couleur fond", L""}});
  const LONG l = second.left, h = second.top, L = second.right - second.left, H = second.bottom - second.top;
  const POINT points[] = {{l + L / 2, h + H / 2}, {l + 3, h + 3},     {l + L - 3, h + H - 3},
                          {l + L - 3, h + 3},     {l + 3, h + H - 3}, {l + L / 4, h + H / 3}};
  bouger_souris_vers(points[0]);
  Lancement lancement(L"/s");
  ASSERT_NE(lancement.fenetre(L"frmVeille"), nullptr);

  // The primary's background, beside the picture and the captions.
  const auto fond_principal = [&] { return pixel_ecran({principal.left + 2, (principal.top + principal.bottom) / 2}); };
  COLORREF vues[2] = {CLR_INVALID, CLR_INVALID};
  for (COLORREF& vue : vues) {
    const COLORREF avant = fond_principal();
    for (auto fin = std::chrono::steady_clock::now() + 3s;
         fond_principal() == avant && std::chrono::steady_clock::now() < fin;)
      Sleep(20);
    Sleep(100);
    vue = fond_principal();
    EXPECT_EQ(couleur_unie(second), vue);
  }
  EXPECT_NE(vues[0], vues[1]);
  EXPECT_NE(pixel_ecran({(principal.left + principal.right) / 2, (principal.top + principal.bottom) / 2}), vues[1])
      << "the picture, on the primary alone";

  // Wine may add one move of its own when a cover appears under the pointer.
  for (int i = 1; i < 5; ++i) bouger_souris_vers(points[i]);
  EXPECT_EQ(lancement.sortie(500ms), STILL_ACTIVE);
  bouger_souris_vers(points[5]);
  bouger_souris_vers(points[0]);
  EXPECT_EQ(lancement.sortie(10s), 0u);
  effacer_reglages();
}

}  // namespace
}  // namespace pixavue::test
