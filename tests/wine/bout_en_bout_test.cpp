// The real Pixavue.scr, started with its switches the way Windows starts it,
// watched and driven from outside through its windows, real input and the registry.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "lancement.h"
#include "outils.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;
using test::bouger_souris_vers;
using test::Lancement;
using test::touche;

// A window as the user sees it, in one line.
std::wstring etat(HWND fenetre) {
  wchar_t titre[64] = {};
  GetWindowTextW(fenetre, titre, 64);
  RECT r;
  GetWindowRect(fenetre, &r);
  CURSORINFO curseur{sizeof curseur};
  GetCursorInfo(&curseur);
  const RECT ecran{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return std::wstring(L"\"") + titre + L"\"" + (EqualRect(&r, &ecran) ? L", covers the screen" : L"") +
         (GetWindowLongW(fenetre, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME) ? L", framed" : L"") +
         (IsZoomed(fenetre) ? L", maximised" : L"") +
         (GetWindowLongW(fenetre, GWL_EXSTYLE) & WS_EX_TOPMOST ? L", on top" : L"") +
         (curseur.flags & CURSOR_SHOWING ? L"" : L", no cursor");
}

using test::Reglages;
enum Sortie { sixieme_touche, sixieme_mouvement, vingtieme_tick_vide, fermeture, fin_de_session };

struct BoutEnBout : ::testing::Test {
  void SetUp() override { test::effacer_reglages(); }
  void TearDown() override { test::effacer_reglages(); }
  bool existe(const wchar_t* cle) {
    return RegGetValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR\\parametres", cle, RRF_RT_REG_SZ, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
  }

  // One run over those settings to its end, which must be code 0, its window
  // shown as it should be; no way out writes a change the user never saved.
  void courir(const std::wstring& argument, Sortie sortie, const Reglages& reglages) {
    SCOPED_TRACE(testing::Message() << "\"" << argument << "\", way out " << sortie);
    test::ecrire_reglages(reglages);
    const int l = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const POINT points[] = {{l - 3, h - 3}, {3, h - 3},         {l - 3, 3},
                            {l / 2, h / 2}, {l / 5, 4 * h / 5}, {4 * l / 5, h / 5}};
    bouger_souris_vers(points[0]);
    const bool dialogue = argument.empty() || argument == L"/c";
    Lancement lancement(argument);
    HWND fenetre = lancement.fenetre(dialogue ? L"frmOptions" : L"frmVeille");  // a folder without pictures has its box
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(etat(fenetre), dialogue            ? L"\"Pixavue-SCR: Options\", framed"
                             : argument == L"/s" ? L"\"\", covers the screen, maximised, on top, no cursor"
                                                 : L"\"\", covers the screen, maximised");
    EXPECT_EQ(lancement.a_lui(L"frmVeille"), dialogue ? nullptr : fenetre);
    SendMessageW(FindWindowExW(fenetre, nullptr, L"Button",
                               L"Afficher les informations de copyright et de fin d'écran de veille"),
                 BM_CLICK, 0, 0);
    switch (sortie) {
      case sixieme_touche:
        // Real keys, Alt held and a key among them held and repeating: system
        // keys count too, and so does every repeat.
        SetForegroundWindow(fenetre);
        Sleep(300);
        touche(VK_MENU);
        for (int i = 0; i < 4; ++i) touche('A');
        // Meanwhile the first tick: the next picture starts being prepared.
        EXPECT_EQ(lancement.sortie(800ms), STILL_ACTIVE);
        touche('A');
        touche('A', KEYEVENTF_KEYUP);
        touche(VK_MENU, KEYEVENTF_KEYUP);
        break;
      case sixieme_mouvement: {
        // What the screen really shows: the window's grey everywhere, not the
        // black of the bare X screen around a window left at its laid-out size.
        Sleep(300);
        for (POINT p : points) EXPECT_EQ(test::pixel_ecran(p), GetSysColor(COLOR_BTNFACE)) << p.x << "," << p.y;
        // Wine may add one move of its own when the window appears under the pointer.
        for (int i = 1; i < 5; ++i) bouger_souris_vers(points[i]);
        EXPECT_EQ(lancement.sortie(1s), STILL_ACTIVE);
        bouger_souris_vers(points[5]);
        bouger_souris_vers(points[0]);
        break;
      }
      case vingtieme_tick_vide:
        EXPECT_EQ(lancement.sortie(1s), STILL_ACTIVE);  // ten ticks
        break;
      case fermeture:
        EXPECT_EQ(lancement.sortie(1500ms), STILL_ACTIVE);  // a tick or more, or the dialog's load, survived
        PostMessageW(fenetre, WM_CLOSE, 0, 0);
        break;
      case fin_de_session:
        // A logoff, which sends no close.
        EXPECT_EQ(lancement.sortie(1500ms), STILL_ACTIVE);
        DWORD_PTR accord = 0;
        ASSERT_TRUE(
            SendMessageTimeoutW(fenetre, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &accord));
        EXPECT_EQ(accord, TRUE);  // never in the way
        SendMessageTimeoutW(fenetre, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, nullptr);
    }
    EXPECT_EQ(lancement.sortie(10s), 0u);
    for (auto& [cle, valeur] : reglages) EXPECT_EQ(test::lire_reglage(cle), valeur) << cle;
  }
};

// Its exit code, the folder it wrote, and the keys written empty.
TEST_F(BoutEnBout, PreviewEndsAtOnceHavingWrittenTheWindowsFolder) {
  const DWORD code = Lancement(L"/p 1234").sortie(15s);
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  EXPECT_EQ(std::to_wstring(code) + L" " + test::lire_reglage(L"dossier demarrage") +
                (existe(L"couleur fond") ? L" couleur fond" : L"") + (existe(L"son") ? L" son" : L""),
            L"0 " + std::wstring(windows) + L" couleur fond");
}

// Whether Wine's X11 driver leaves the windows of the programs started
// meanwhile to a window manager, as in a new user's prefix.
void fenetres_gerees(const wchar_t* oui_non) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", REG_SZ, oui_non, 4);
}

TEST_F(BoutEnBout, BareWindowCoversTheScreenAndEndsOnTheSixthMoveAnywhereOnIt) {
  fenetres_gerees(L"Y");  // and no window manager runs
  courir(L"/a", sixieme_mouvement, {});
  fenetres_gerees(L"N");  // as scripts/wine-run.sh makes the prefix
}

// Every end of a run, while the sound plays on the engine's threads and a
// picture of 24 megapixels is being prepared: the process must not crash or
// hang on them. A start without argument is Windows asking for the settings.
TEST_F(BoutEnBout, EveryWayOutEndsTheRunWithCodeZeroWhileItsSoundPlays) {
  test::DossierEssai vide(L"pixavue vide"), grande(L"pixavue grande");
  grande.copier(test::echantillon(L"carre.JPEG"), L"a.jpg");
  grande.copier(test::chemin_wine(PIXAVUE_PHOTOS, L"grande.jpg"), L"b.jpg");
  const auto reglages = [](const test::DossierEssai& dossier, const wchar_t* secondes, const wchar_t* son) {
    return Reglages{{L"dossier demarrage", dossier.chemin()},
                    {L"secondes", secondes},
                    {L"son", test::chemin_wine(PIXAVUE_SONS, son)},
                    {L"taille", L"0"},  // b.jpg at full size
                    {L"informations", L"1"}};
  };
  courir(L"/s", sixieme_touche, reglages(grande, L"0", L"trois.mp3"));
  // -0.9 reads as a number: (-0.9 + 1) x 1000, a tick every 100 ms.
  courir(L"/s", vingtieme_tick_vide, reglages(vide, L"-0.9", L"trois.mp3"));
  for (const wchar_t* argument : {L"/s", L""})
    for (Sortie sortie : {fermeture, fin_de_session}) courir(argument, sortie, reglages(grande, L"0", L"video.avi"));
}

TEST_F(BoutEnBout, ASecondCopyBesideARunningOneEndsAtOnceWritingNothing) {
  Lancement premier(L"/a");
  ASSERT_NE(premier.fenetre(L"frmVeille"), nullptr);
  for (const wchar_t* second : {L"/s", L""}) {
    test::effacer_reglages();
    EXPECT_EQ(Lancement(second).sortie(15s), 0u) << second;
    EXPECT_FALSE(existe(L"dossier demarrage")) << second;
  }
  EXPECT_EQ(premier.sortie(0ms), STILL_ACTIVE);
}

// Every key holding the same hostile text, through the real registry: the
// full-screen run ticks on and the dialog opens, both close with code 0, and
// every key keeps its text. Ten thousand digits overflow every number.
TEST_F(BoutEnBout, EveryKeyHoldingHostileTextStillRunsAndKeepsIt) {
  std::wstring controle;
  for (wchar_t c = 1; c < 32; ++c) controle += c;
  for (const std::wstring& valeur : {std::wstring(10'000, L'7'), std::wstring(L"-1"), controle}) {
    Reglages reglages;
    for (const wchar_t* cle : {L"dossier demarrage", L"secondes", L"chemin fichier", L"type fichier", L"couleur fond",
                               L"informations", L"taille", L"son", L"sous dossiers", L"ordre aleatoire"})
      reglages.emplace_back(cle, valeur);
    for (const wchar_t* argument : {L"/s", L"/c"}) courir(argument, fermeture, reglages);
  }
}

}  // namespace
}  // namespace pixavue::win32
