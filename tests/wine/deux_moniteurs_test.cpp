// The real Pixavue.scr on two monitors, the primary on the left, as
// scripts/deux-moniteurs.sh lays them out: the second takes the run's
// background, its input ends the run, and every end gives it back.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "dossier_essai.h"
#include "echantillons.h"
#include "lancement.h"
#include "win32/magasin_registre.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;
using test::bouger_souris_vers;
using test::Lancement;

constexpr COLORREF kBureau = RGB(255, 0, 255);

// Five by four points of a rectangle, its edges included.
std::vector<POINT> grille(const RECT& r) {
  std::vector<POINT> points;
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j)
      points.push_back({r.left + (r.right - 1 - r.left) * i / 4, r.top + (r.bottom - 1 - r.top) * j / 3});
  return points;
}

// The screen's pixel, as the X root shows it.
COLORREF pixel(POINT p) {
  HDC ecran = GetDC(nullptr);
  const COLORREF c = GetPixel(ecran, p.x, p.y);
  ReleaseDC(nullptr, ecran);
  return c;
}

// The colour every sampled point of the rectangle shows, or CLR_INVALID.
COLORREF couleur_unie(const RECT& r) {
  const COLORREF premiere = pixel(grille(r)[0]);
  for (POINT p : grille(r))
    if (pixel(p) != premiere) return CLR_INVALID;
  return premiere;
}

void pomper(std::chrono::milliseconds duree) {
  for (auto fin = std::chrono::steady_clock::now() + duree; std::chrono::steady_clock::now() < fin; Sleep(20)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

struct DeuxMoniteurs : ::testing::Test {
  MagasinRegistre magasin;
  RECT principal{}, second{};
  HWND bureau = nullptr;

  // The test's own desktop, one colour over both monitors, under everything:
  // what a monitor shows when the run has left it.
  void SetUp() override {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "run under scripts/deux-moniteurs.sh";
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR moniteur, HDC, LPRECT, LPARAM soi) -> BOOL {
          MONITORINFO info{sizeof info};
          GetMonitorInfoW(moniteur, &info);
          auto* test = reinterpret_cast<DeuxMoniteurs*>(soi);
          (info.dwFlags & MONITORINFOF_PRIMARY ? test->principal : test->second) = info.rcMonitor;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    WNDCLASSW classe{};
    classe.lpfnWndProc = DefWindowProcW;
    classe.hInstance = GetModuleHandleW(nullptr);
    classe.hbrBackground = CreateSolidBrush(kBureau);
    classe.lpszClassName = L"BureauDEssai";
    RegisterClassW(&classe);
    bureau = CreateWindowExW(WS_EX_NOACTIVATE, L"BureauDEssai", L"", WS_POPUP | WS_VISIBLE,
                             GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                             GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr,
                             nullptr, classe.hInstance, nullptr);
    pomper(300ms);
    ASSERT_EQ(couleur_unie(second), kBureau);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
  }
  void TearDown() override {
    DestroyWindow(bureau);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
  }

  void regler(const std::vector<std::pair<const wchar_t*, std::wstring>>& reglages) {
    for (auto& [cle, valeur] : reglages) magasin.ecrire_parametre(L"PixavueSCR", L"parametres", cle, valeur);
  }
  // The primary's background, beside the picture and the captions.
  COLORREF fond_principal() const { return pixel({principal.left + 2, (principal.top + principal.bottom) / 2}); }
  // The run over, both monitors show the desktop again.
  void fin_attendue(const Lancement& lancement) {
    EXPECT_EQ(lancement.sortie(10s), 0u);
    pomper(500ms);
    EXPECT_EQ(couleur_unie(principal), kBureau);
    EXPECT_EQ(couleur_unie(second), kBureau);
  }
};

// A random background changes on both monitors at the same tick, and the
// sixth move, all of them over the second monitor, ends the run.
TEST_F(DeuxMoniteurs, TheSecondMonitorTakesEachTicksBackgroundAndItsMovesEndTheRun) {
  test::DossierEssai dossier(L"pixavue deux moniteurs");
  CopyFileW(test::echantillon(L"carre.JPEG").c_str(), (dossier.chemin() + L"\\a.jpg").c_str(), FALSE);
  regler({{L"dossier demarrage", dossier.chemin()}, {L"secondes", L"0"}, {L"couleur fond", L""}});
  const LONG l = second.left, h = second.top, L = second.right - second.left, H = second.bottom - second.top;
  const POINT points[] = {{l + L / 2, h + H / 2}, {l + 3, h + 3},     {l + L - 3, h + H - 3},
                          {l + L - 3, h + 3},     {l + 3, h + H - 3}, {l + L / 4, h + H / 3}};
  bouger_souris_vers(points[0]);
  Lancement lancement(L"/s");
  ASSERT_NE(lancement.fenetre(L"frmVeille"), nullptr);

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
  const POINT centre{(principal.left + principal.right) / 2, (principal.top + principal.bottom) / 2};
  EXPECT_NE(pixel(centre), vues[1]);  // the picture, on the primary alone

  // Wine may add one move of its own when a cover appears under the pointer.
  for (int i = 1; i < 5; ++i) bouger_souris_vers(points[i]);
  EXPECT_EQ(lancement.sortie(500ms), STILL_ACTIVE);
  bouger_souris_vers(points[5]);
  bouger_souris_vers(points[0]);
  fin_attendue(lancement);
}

// The twentieth empty tick, and a logoff, which sends no close.
TEST_F(DeuxMoniteurs, EveryOtherEndGivesTheSecondMonitorBack) {
  test::DossierEssai vide(L"pixavue deux moniteurs vide");
  regler({{L"dossier demarrage", vide.chemin()}, {L"secondes", L"-0.9"}});
  {
    Lancement lancement(L"/s");
    ASSERT_NE(lancement.fenetre(L"frmVeille"), nullptr);
    Sleep(500);
    EXPECT_EQ(couleur_unie(second), RGB(0, 0, 0));  // the empty folder's black
    fin_attendue(lancement);
  }
  regler({{L"dossier demarrage", test::echantillon(L"")}, {L"secondes", L"0"}, {L"couleur fond", L"65280"}});
  Lancement lancement(L"/s");
  HWND fenetre = lancement.fenetre(L"frmVeille");
  ASSERT_NE(fenetre, nullptr);
  Sleep(1500);
  EXPECT_EQ(couleur_unie(second), RGB(0, 255, 0));
  DWORD_PTR accord = 0;
  SendMessageTimeoutW(fenetre, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &accord);
  SendMessageTimeoutW(fenetre, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, nullptr);
  fin_attendue(lancement);
}

}  // namespace
}  // namespace pixavue::win32
