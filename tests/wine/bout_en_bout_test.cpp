// The real Pixavue.scr, started with its switches the way Windows starts it,
// watched and driven from outside through its windows and the registry.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

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
  // The program's visible top-level window of that class, once it shows.
  HWND fenetre(const wchar_t* classe, std::chrono::milliseconds delai = 20s) const {
    auto fin = std::chrono::steady_clock::now() + delai;
    while (std::chrono::steady_clock::now() < fin) {
      HWND trouvee = nullptr;
      while ((trouvee = FindWindowExW(nullptr, trouvee, classe, nullptr))) {
        DWORD pid = 0;
        GetWindowThreadProcessId(trouvee, &pid);
        if (pid == infos_.dwProcessId && IsWindowVisible(trouvee)) return trouvee;
      }
      if (fini_dans(50ms)) return nullptr;
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

TEST_F(BoutEnBout, PreviewEndsAtOnceHavingWrittenTheDefaults) {
  Lancement apercu(L"/p 1234");
  ASSERT_TRUE(apercu.lance());
  ASSERT_TRUE(apercu.fini_dans(15s));
  EXPECT_EQ(apercu.code_de_sortie(), 0u);
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  EXPECT_EQ(lire(L"dossier demarrage"), windows);
  EXPECT_EQ(lire(L"secondes"), L"4");
  EXPECT_EQ(lire(L"chemin fichier"), L"1");
  EXPECT_EQ(lire(L"type fichier"), L"0");
  EXPECT_TRUE(existe(L"couleur fond"));
  EXPECT_EQ(lire(L"couleur fond"), L"");
  EXPECT_EQ(lire(L"informations"), L"1");
  EXPECT_EQ(lire(L"taille"), L"1");
  EXPECT_FALSE(existe(L"son"));
}

TEST_F(BoutEnBout, ASecondCopyEndsAtOnceWritingNothing) {
  PoigneeNoyau premier(CreateMutexW(nullptr, FALSE, kNomMutexInstance));
  ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  Lancement second(L"/s");
  ASSERT_TRUE(second.fini_dans(15s));
  HKEY cle = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\PixavueSCR", 0, KEY_READ, &cle), ERROR_SUCCESS);
  if (cle) RegCloseKey(cle);
}

TEST_F(BoutEnBout, BareWindowEndsOnTheSixthMouseMove) {
  Lancement nue(L"/a");
  HWND fenetre = nue.fenetre(L"frmVeille");
  ASSERT_NE(fenetre, nullptr);
  EXPECT_FALSE(GetWindowLongW(fenetre, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  EXPECT_TRUE(IsZoomed(fenetre));
  // Wine may add one move of its own when the window appears under the pointer.
  for (int i = 0; i < 4; ++i) PostMessageW(fenetre, WM_MOUSEMOVE, 0, MAKELPARAM(10 + i, 10));
  EXPECT_FALSE(nue.fini_dans(1s));
  for (int i = 0; i < 2; ++i) PostMessageW(fenetre, WM_MOUSEMOVE, 0, MAKELPARAM(20 + i, 10));
  EXPECT_TRUE(nue.fini_dans(10s));
}

TEST_F(BoutEnBout, NoArgumentOpensTheOptionsDialogAndClosingItEnds) {
  Lancement configuration(L"");
  HWND dialogue = configuration.fenetre(L"frmOptions");
  ASSERT_NE(dialogue, nullptr);
  wchar_t titre[64] = {};
  GetWindowTextW(dialogue, titre, 64);
  EXPECT_STREQ(titre, L"Pixavue-SCR: Options");
  EXPECT_NE(FindWindowExW(dialogue, nullptr, L"Button", L"&Enregistrer"), nullptr);
  EXPECT_NE(FindWindowExW(dialogue, nullptr, L"Static", L"Dossier contenant les images:"), nullptr);
  HWND veille = FindWindowW(L"frmVeille", nullptr);
  EXPECT_TRUE(!veille || !IsWindowVisible(veille));  // the screensaver window stays hidden
  PostMessageW(dialogue, WM_CLOSE, 0, 0);
  EXPECT_TRUE(configuration.fini_dans(10s));
}

TEST_F(BoutEnBout, FullScreenCoversTheScreenOnTopWithoutCursorAndEndsOnKeys) {
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

  for (int i = 0; i < 5; ++i) PostMessageW(fenetre, WM_KEYDOWN, 'A', 0);
  EXPECT_FALSE(plein.fini_dans(1s));
  PostMessageW(fenetre, WM_KEYDOWN, 'A', 0);
  EXPECT_TRUE(plein.fini_dans(10s));
}

TEST_F(BoutEnBout, TheRealTimerShowsTheFirstPictureCentredAfterOneSecond) {
  // JPEGs of the samples, one a second, over red: the first is carre.JPEG,
  // 300 x 300, at its natural size in the middle of the screen.
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", test::echantillon(L""));
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"secondes", L"0");
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"type fichier", L"4");
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"couleur fond", L"255");
  Lancement plein(L"/s");
  ASSERT_NE(plein.fenetre(L"frmVeille"), nullptr);
  HDC ecran = GetDC(nullptr);
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  // Before the first tick the window is grey; the tick turns it red.
  bool rouge = false;
  for (int i = 0; i < 200 && !rouge; ++i) {
    rouge = GetPixel(ecran, 5, y) == RGB(255, 0, 0);
    if (!rouge) Sleep(25);
  }
  EXPECT_TRUE(rouge);
  EXPECT_EQ(GetPixel(ecran, x - 151, y), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(ecran, x - 149, y), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(ecran, x + 148, y), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(ecran, x + 151, y), RGB(255, 0, 0));
  ReleaseDC(nullptr, ecran);
  for (int i = 0; i < 6; ++i) PostMessageW(plein.fenetre(L"frmVeille"), WM_KEYDOWN, 'A', 0);
  EXPECT_TRUE(plein.fini_dans(10s));
}

}  // namespace
}  // namespace pixavue::win32
