// A full-screen screensaver window in this process, with every real service
// but the command line, driven tick by tick as fast as the test wants.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <vector>

#include "win32/ecran_win32.h"
#include "win32/fenetre_veille.h"
#include "win32/fichiers_win32.h"
#include "win32/images_win32.h"
#include "win32/magasin_registre.h"
#include "win32/media_directshow.h"
#include "win32/processus_win32.h"

namespace pixavue::test {

// The real process services, but a "/s" command line and an end that only counts.
struct ProcessusPleinEcran : win32::ProcessusWin32 {
  bool autre_instance() override { return false; }
  std::wstring argument() override { return L"/s"; }
  void terminer() override { ++terminaisons; }
  int terminaisons = 0;
};

class BancReel {
 public:
  // Settings written before the start-up, over a clean store.
  explicit BancReel(std::initializer_list<std::pair<const wchar_t*, std::wstring>> reglages) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
    for (auto& [cle, valeur] : reglages) magasin.ecrire_parametre(L"PixavueSCR", L"parametres", cle, valeur);
    fenetre.attacher(veille);
    veille.Form_Load();
    fenetre.montrer();
  }
  ~BancReel() {
    ecran.afficher_curseur(true);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
  }

  // One tick as the window runs it, painted. The picture prepared ahead is
  // ready first, as a real interval leaves it time to be.
  void tick() {
    images.attendre();
    veille.Timer1_Timer();
    fenetre.preparer_image();
    RedrawWindow(fenetre.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }

  // The window's pixel, as the screen shows it.
  COLORREF pixel(int x, int y) {
    HDC dc = GetDC(fenetre.hwnd());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(fenetre.hwnd(), dc);
    return c;
  }

  win32::InitialisationCom com;
  win32::MagasinRegistre magasin;
  ProcessusPleinEcran processus;
  win32::EcranWin32 ecran;
  win32::FichiersWin32 fichiers;
  win32::ImagesWin32 images_ici{win32::points_par_pouce()};
  // The picture prepared ahead, as the program has it.
  ImagesAnticipees images{
      images_ici,
      [](const std::atomic<bool>& abandon) { return win32::images_du_fil(win32::points_par_pouce(), abandon); },
      win32::empreinte_fichier};
  win32::MoteurDirectShow media;
  win32::FenetreVeille fenetre{GetModuleHandleW(nullptr), win32::points_par_pouce()};
  SonPartage son;  // after the window: a video stream's window lives in it
  frmVeille veille{{magasin, processus, ecran, fichiers, fenetre, fenetre, images, media, son},
                   win32::points_par_pouce()};
};

// What the process holds: GDI objects, kernel handles, committed bytes.
// Wine answers 0 to GetGuiResources and to the handle count, so the counts are
// probed: both tables hand out their free slots before growing, so after K
// fresh objects the highest slot in use, less K, is what was already held.
struct Ressources {
  long gdi = 0, poignees = 0, fenetres = 0;
  SIZE_T memoire = 0;

  static long objets_gdi() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(n);
    constexpr int kSondes = 20000;
    std::vector<HBRUSH> sondes;
    long plus_haut = 0;
    for (int i = 0; i < kSondes; ++i) {
      sondes.push_back(CreateSolidBrush(RGB(i & 255, 0, 0)));
      plus_haut = std::max<long>(plus_haut, LOWORD(reinterpret_cast<UINT_PTR>(sondes.back())));
    }
    for (HBRUSH b : sondes) DeleteObject(b);
    return plus_haut + 1 - kSondes;
  }
  static long poignees_noyau() {
    constexpr int kSondes = 2000;
    std::vector<HANDLE> sondes;
    long plus_haute = 0;
    for (int i = 0; i < kSondes; ++i) {
      sondes.push_back(CreateEventW(nullptr, FALSE, FALSE, nullptr));
      plus_haute = std::max<long>(plus_haute, static_cast<long>(reinterpret_cast<UINT_PTR>(sondes.back()) / 4));
    }
    for (HANDLE h : sondes) CloseHandle(h);
    return plus_haute - kSondes;
  }
  // Wine answers 0 for the user objects of GetGuiResources; the windows, the
  // user objects a run makes (the media player's video window among them),
  // are counted instead: every window of this process, children included.
  static BOOL CALLBACK compter_enfant(HWND, LPARAM total) {
    ++*reinterpret_cast<long*>(total);  // every descendant comes, not only the children
    return TRUE;
  }
  static BOOL CALLBACK compter_fenetre(HWND fenetre, LPARAM total) {
    DWORD processus = 0;
    GetWindowThreadProcessId(fenetre, &processus);
    if (processus != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<long*>(total);
    EnumChildWindows(fenetre, compter_enfant, total);
    return TRUE;
  }
  static long fenetres_du_processus() {
    long n = 0;
    EnumWindows(compter_fenetre, reinterpret_cast<LPARAM>(&n));
    return n;
  }
  static Ressources maintenant() {
    Ressources r;
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    r.memoire = m.PagefileUsage;  // committed private bytes; Wine leaves PrivateUsage at 0
    // Measured after the memory: the probes themselves grow the tables.
    r.gdi = objets_gdi();
    r.poignees = poignees_noyau();
    r.fenetres = fenetres_du_processus();
    return r;
  }
};

}  // namespace pixavue::test
