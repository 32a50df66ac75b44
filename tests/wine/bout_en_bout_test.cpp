// The real Pixavue.scr, started with its switches the way Windows starts it,
// watched and driven from outside through its windows and the registry.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "dossier_essai.h"
#include "echantillons.h"
#include "win32/magasin_registre.h"
#include "win32/processus_win32.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;

class Lancement {
 public:
  explicit Lancement(const std::wstring& argument) {
    std::wstring ligne = L"\"Pixavue.scr\"";
    if (!argument.empty()) ligne += L" " + argument;
    STARTUPINFOW demarrage{sizeof demarrage};
    lance_ = CreateProcessW(L"Pixavue.scr", ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage,
                            &infos_) != FALSE;
  }
  ~Lancement() {
    if (!lance_) return;
    if (WaitForSingleObject(infos_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(infos_.hProcess, 99);
    WaitForSingleObject(infos_.hProcess, 5000);
    CloseHandle(infos_.hThread);
    CloseHandle(infos_.hProcess);
  }
  Lancement(const Lancement&) = delete;
  Lancement& operator=(const Lancement&) = delete;

  bool lance() const { return lance_; }
  bool fini_dans(std::chrono::milliseconds delai) const {
    return WaitForSingleObject(infos_.hProcess, static_cast<DWORD>(delai.count())) == WAIT_OBJECT_0;
  }
  DWORD code_de_sortie() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(infos_.hProcess, &code);
    return code;
  }
  // The program's visible top-level window of that class, once it shows;
  // with `boites_ok`, the message boxes on its way are answered OK.
  HWND fenetre(const wchar_t* classe, std::chrono::milliseconds delai = 20s, bool boites_ok = false) const {
    auto fin = std::chrono::steady_clock::now() + delai;
    while (std::chrono::steady_clock::now() < fin) {
      if (HWND trouvee = a_lui(classe)) return trouvee;
      if (HWND boite = boites_ok ? a_lui(L"#32770") : nullptr) PostMessageW(boite, WM_COMMAND, IDOK, 0);
      if (fini_dans(50ms)) return nullptr;
    }
    return nullptr;
  }
  HWND a_lui(const wchar_t* classe) const {
    HWND trouvee = nullptr;
    while ((trouvee = FindWindowExW(nullptr, trouvee, classe, nullptr))) {
      DWORD pid = 0;
      GetWindowThreadProcessId(trouvee, &pid);
      if (pid == infos_.dwProcessId && IsWindowVisible(trouvee)) return trouvee;
    }
    return nullptr;
  }

 private:
  PROCESS_INFORMATION infos_{};
  bool lance_ = false;
};

struct BoutEnBout : ::testing::Test {
  MagasinRegistre magasin;
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR"); }
  void TearDown() override { SetUp(); }
  std::wstring lire(const wchar_t* cle) { return magasin.lire_parametre(L"PixavueSCR", L"parametres", cle); }
  bool existe(const wchar_t* cle) {
    return RegGetValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR\\parametres", cle, RRF_RT_REG_SZ, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
  }
};

TEST_F(BoutEnBout, PreviewEndsAtOnceHavingWrittenTheWindowsFolder) {
  Lancement apercu(L"/p 1234");
  ASSERT_TRUE(apercu.lance());
  ASSERT_TRUE(apercu.fini_dans(15s));
  EXPECT_EQ(apercu.code_de_sortie(), 0u);
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  EXPECT_EQ(lire(L"dossier demarrage"), windows);
  EXPECT_TRUE(existe(L"couleur fond"));  // written empty, not left absent
  EXPECT_FALSE(existe(L"son"));
}

// A setting of Wine's X11 driver for the programs started meanwhile.
class ReglageWine {
 public:
  ReglageWine(const wchar_t* nom, const wchar_t* valeur) : nom_(nom) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kCle, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &cle_, nullptr);
    DWORD taille = sizeof ancien_;
    avait_ = RegGetValueW(cle_, nullptr, nom, RRF_RT_REG_SZ, nullptr, ancien_, &taille) == ERROR_SUCCESS;
    RegSetValueExW(cle_, nom, 0, REG_SZ, reinterpret_cast<const BYTE*>(valeur), (lstrlenW(valeur) + 1) * 2);
  }
  ~ReglageWine() {
    if (avait_)
      RegSetValueExW(cle_, nom_, 0, REG_SZ, reinterpret_cast<const BYTE*>(ancien_), (lstrlenW(ancien_) + 1) * 2);
    else
      RegDeleteValueW(cle_, nom_);
    RegCloseKey(cle_);
  }
  ReglageWine(const ReglageWine&) = delete;
  ReglageWine& operator=(const ReglageWine&) = delete;

 private:
  static constexpr wchar_t kCle[] = L"Software\\Wine\\X11 Driver";
  const wchar_t* nom_;
  HKEY cle_ = nullptr;
  wchar_t ancien_[16] = {};
  bool avait_ = false;
};

// Real input, as a user's mouse or keyboard gives it: it reaches whatever
// window is under the pointer or has the focus.
void bouger_souris_vers(int x, int y) {
  INPUT entree{INPUT_MOUSE};
  entree.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  entree.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  entree.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &entree, sizeof entree);
  Sleep(150);  // moves waiting in a queue are merged into one
}
void touche(WORD code, bool enfoncee) {
  INPUT entree{INPUT_KEYBOARD};
  entree.ki.wVk = code;
  entree.ki.dwFlags = enfoncee ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &entree, sizeof entree);
  Sleep(100);
}

TEST_F(BoutEnBout, BareWindowCoversTheScreenAndEndsOnTheSixthMoveAnywhereOnIt) {
  const int l = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const POINT points[] = {{l - 3, h - 3}, {3, h - 3},         {l - 3, 3},
                          {l / 2, h / 2}, {l / 5, 4 * h / 5}, {4 * l / 5, h / 5}};
  bouger_souris_vers(points[0].x, points[0].y);
  // As in a new user's prefix: windows left to a window manager, and none runs.
  ReglageWine geres(L"Managed", L"Y");
  Lancement nue(L"/a");
  HWND fenetre = nue.fenetre(L"frmVeille");
  ASSERT_NE(fenetre, nullptr);
  EXPECT_FALSE(GetWindowLongW(fenetre, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  EXPECT_TRUE(IsZoomed(fenetre));
  RECT rect;
  GetWindowRect(fenetre, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, l);
  EXPECT_EQ(rect.bottom, h);
  Sleep(300);
  // What the screen really shows: the window's grey everywhere, not the
  // black of the bare X screen around a window left at its laid-out size.
  HDC ecran = GetDC(nullptr);
  const COLORREF fond = GetSysColor(COLOR_BTNFACE);
  for (POINT p : points) EXPECT_EQ(GetPixel(ecran, p.x, p.y), fond) << p.x << "," << p.y;
  ReleaseDC(nullptr, ecran);
  // Wine may add one move of its own when the window appears under the pointer.
  for (int i = 1; i < 5; ++i) bouger_souris_vers(points[i].x, points[i].y);
  EXPECT_FALSE(nue.fini_dans(1s));
  bouger_souris_vers(points[5].x, points[5].y);
  bouger_souris_vers(points[0].x, points[0].y);
  ASSERT_TRUE(nue.fini_dans(10s));
  EXPECT_EQ(nue.code_de_sortie(), 0u);
}

// Both ends that no input makes, while the sound plays on the engine's
// threads: the process must not crash or hang on them.
TEST_F(BoutEnBout, TheTwentiethEmptyTickEndsTheRunWhileItsSoundPlays) {
  test::DossierEssai vide(L"pixavue vide");
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", vide.chemin());
  // -0.9 reads as a number: (-0.9 + 1) x 1000, a tick every 100 ms.
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"secondes", L"-0.9");
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"son", test::son_essai(L"trois.mp3"));
  Lancement plein(L"/s");
  ASSERT_NE(plein.fenetre(L"frmVeille"), nullptr);
  EXPECT_FALSE(plein.fini_dans(1s));  // ten ticks
  ASSERT_TRUE(plein.fini_dans(10s));
  EXPECT_EQ(plein.code_de_sortie(), 0u);
}

TEST_F(BoutEnBout, TheRunEndsAtOnceWhileTheNextPictureIsBeingPrepared) {
  test::DossierEssai dossier(L"pixavue grande");
  CopyFileW(test::echantillon(L"carre.JPEG").c_str(), (dossier.chemin() + L"\\a.jpg").c_str(), FALSE);
  CopyFileW(test::chemin_wine(PIXAVUE_PHOTOS, L"grande.jpg").c_str(), (dossier.chemin() + L"\\b.jpg").c_str(), FALSE);
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", dossier.chemin());
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"secondes", L"0");
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"taille", L"0");  // 24 megapixels at full size
  Lancement plein(L"/s");
  HWND fenetre = plein.fenetre(L"frmVeille");
  ASSERT_NE(fenetre, nullptr);
  Sleep(1100);  // the first tick: a.jpg shows, b.jpg starts decoding
  for (int i = 0; i < 6; ++i) PostMessageW(fenetre, WM_KEYDOWN, 'A', 0);
  // How soon it ends is measured by bench/run.sh; here, that it ends well.
  ASSERT_TRUE(plein.fini_dans(5s));
  EXPECT_EQ(plein.code_de_sortie(), 0u);
}

// The system closing the window, and the user logging off, which sends no
// close: both end the run, and the settings dialog, with code 0.
TEST_F(BoutEnBout, TheSystemClosingTheWindowOrTheSessionEndsTheRunWhileItsSoundPlays) {
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", test::echantillon(L""));
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"son", test::son_essai(L"video.avi"));
  const struct { const wchar_t *argument, *classe; } fenetres[] = {{L"/s", L"frmVeille"}, {L"/c", L"frmOptions"}};
  for (const auto& f : fenetres)
    for (const bool deconnexion : {false, true}) {
      SCOPED_TRACE(testing::Message() << f.argument << (deconnexion ? L", logoff" : L", close"));
      Lancement lancement(f.argument);
      HWND fenetre = lancement.fenetre(f.classe);
      ASSERT_NE(fenetre, nullptr);
      Sleep(1500);
      if (deconnexion) {
        DWORD_PTR accord = 0;
        ASSERT_TRUE(
            SendMessageTimeoutW(fenetre, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &accord));
        EXPECT_EQ(accord, TRUE);  // never in the way
        SendMessageTimeoutW(fenetre, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, nullptr);
      } else {
        PostMessageW(fenetre, WM_CLOSE, 0, 0);
      }
      ASSERT_TRUE(lancement.fini_dans(5s));
      EXPECT_EQ(lancement.code_de_sortie(), 0u);
    }
}

TEST_F(BoutEnBout, ASecondCopyBesideARunningOneEndsAtOnceWritingNothing) {
  for (const wchar_t* premier_mode : {L"/c", L"/a"}) {
    // A folder with pictures: the dialog shows without a message first.
    magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", test::echantillon(L""));
    Lancement premier(premier_mode);
    HWND fenetre = premier.fenetre(premier_mode == std::wstring(L"/c") ? L"frmOptions" : L"frmVeille");
    ASSERT_NE(fenetre, nullptr) << premier_mode;
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
    for (const wchar_t* second_mode : {L"/s", L"/c", L""}) {
      Lancement second(second_mode);
      ASSERT_TRUE(second.fini_dans(15s)) << premier_mode << L" then " << second_mode;
      EXPECT_EQ(second.code_de_sortie(), 0u);
      EXPECT_FALSE(existe(L"dossier demarrage")) << premier_mode << L" then " << second_mode;
    }
    EXPECT_FALSE(premier.fini_dans(0ms));
    PostMessageW(fenetre, WM_CLOSE, 0, 0);
    ASSERT_TRUE(premier.fini_dans(10s));
    EXPECT_EQ(premier.code_de_sortie(), 0u);
  }
}

TEST_F(BoutEnBout, NoArgumentOpensTheSettingsDialogThatSavesWhatTheUserChangedAndClosingSavesNothing) {
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", test::echantillon(L""));
  Lancement configuration(L"");
  HWND dialogue = configuration.fenetre(L"frmOptions");
  ASSERT_NE(dialogue, nullptr);
  wchar_t titre[64] = {};
  GetWindowTextW(dialogue, titre, 64);
  EXPECT_STREQ(titre, L"Pixavue-SCR: Options");
  HWND veille = FindWindowW(L"frmVeille", nullptr);
  EXPECT_TRUE(!veille || !IsWindowVisible(veille));  // the screensaver window stays hidden
  HWND infos = FindWindowExW(dialogue, nullptr, L"Button",
                             L"Afficher les informations de copyright et de fin "
                             L"d'écran de veille");
  HWND enregistrer = FindWindowExW(dialogue, nullptr, L"Button", L"&Enregistrer");
  ASSERT_TRUE(infos && enregistrer);
  EXPECT_FALSE(IsWindowEnabled(enregistrer));
  SendMessageW(infos, BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(enregistrer));
  SendMessageW(enregistrer, BM_CLICK, 0, 0);
  EXPECT_EQ(lire(L"informations"), L"0");
  EXPECT_FALSE(IsWindowEnabled(enregistrer));

  SendMessageW(infos, BM_CLICK, 0, 0);  // changed again, then closed unsaved
  PostMessageW(dialogue, WM_CLOSE, 0, 0);
  ASSERT_TRUE(configuration.fini_dans(10s));
  EXPECT_EQ(configuration.code_de_sortie(), 0u);
  EXPECT_EQ(lire(L"informations"), L"0");
}

TEST_F(BoutEnBout, FullScreenCoversTheScreenOnTopWithoutCursorAndEndsOnTheSixthKey) {
  Lancement plein(L"/s");
  HWND fenetre = plein.fenetre(L"frmVeille");
  ASSERT_NE(fenetre, nullptr);
  RECT rect;
  GetWindowRect(fenetre, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(GetWindowLongW(fenetre, GWL_EXSTYLE) & WS_EX_TOPMOST);
  CURSORINFO curseur{sizeof curseur};
  ASSERT_TRUE(GetCursorInfo(&curseur));
  EXPECT_FALSE(curseur.flags & CURSOR_SHOWING);
  EXPECT_TRUE(existe(L"son"));

  // Real keys, Alt held with a key among them: system keys count too.
  SetForegroundWindow(fenetre);
  Sleep(300);
  touche(VK_MENU, true);  // one
  for (int i = 0; i < 4; ++i) {
    touche('A', true);  // two to five
    touche('A', false);
  }
  EXPECT_FALSE(plein.fini_dans(1s));
  touche('A', true);  // six
  touche('A', false);
  touche(VK_MENU, false);
  ASSERT_TRUE(plein.fini_dans(10s));
  EXPECT_EQ(plein.code_de_sortie(), 0u);
}

// Every key holding the same hostile text, through the real registry: the
// full-screen run ticks on and the dialog opens, both close with code 0, and
// a key keeps its text unless it was empty, when it takes its default.
TEST_F(BoutEnBout, EveryKeyHoldingHostileTextStillRunsAndKeepsIt) {
  const wchar_t* cles[] = {L"dossier demarrage", L"secondes",     L"chemin fichier", L"type fichier",
                           L"couleur fond",      L"informations", L"taille",         L"son"};
  std::wstring controle;
  for (wchar_t c = 1; c < 32; ++c) controle += c;
  const std::wstring valeurs[] = {
      L"",      L"   ",           L"abc", L"-1", L"99999999999", L"1e308", L"4.5", std::wstring(10'000, L'7'),
      controle, L"写真 фото صورة"};
  for (const std::wstring& valeur : valeurs)
    for (const auto& [argument, classe] : {std::pair{L"/s", L"frmVeille"}, std::pair{L"/c", L"frmOptions"}}) {
      SCOPED_TRACE(testing::Message() << argument << L" with " << valeur.substr(0, 12));
      SetUp();
      for (const wchar_t* cle : cles) magasin.ecrire_parametre(L"PixavueSCR", L"parametres", cle, valeur);
      Lancement lancement(argument);
      HWND fenetre = lancement.fenetre(classe, 20s, true);  // a folder without pictures has its box
      ASSERT_NE(fenetre, nullptr);
      EXPECT_FALSE(lancement.fini_dans(1500ms));  // a tick or more, or the dialog's load, survived
      PostMessageW(fenetre, WM_CLOSE, 0, 0);
      ASSERT_TRUE(lancement.fini_dans(5s));
      EXPECT_EQ(lancement.code_de_sortie(), 0u);
      if (valeur.empty()) continue;
      for (const wchar_t* cle : cles) EXPECT_EQ(lire(cle), valeur) << cle;
    }
}

}  // namespace
}  // namespace pixavue::win32
