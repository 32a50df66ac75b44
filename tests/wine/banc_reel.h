// A full-screen screensaver window in this process, with every real service
// but the command line, driven tick by tick as fast as the test wants.
#pragma once

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "outils.h"
#include "win32/codecs_win32.h"
#include "win32/decodage_a_part.h"
#include "win32/ecran_win32.h"
#include "win32/fenetre_veille.h"
#include "win32/fichiers_win32.h"
#include "win32/images_win32.h"
#include "win32/magasin_registre.h"
#include "win32/media_directshow.h"

namespace pixavue::test {

// A colour by the channels it has past half: Noir, Rouge, Vert, Jaune, Bleu,
// Magenta, Cyan, W for white. A few points of a picture read as one string of
// these compare whole, whatever a decoder's rounding.
inline char teinte(COLORREF c) {
  return "NRVJBMCW"[(GetRValue(c) > 127) + 2 * (GetGValue(c) > 127) + 4 * (GetBValue(c) > 127)];
}
inline std::string teintes(const std::function<COLORREF(int, int)>& pixel, const std::vector<POINT>& points) {
  std::string vues;
  for (POINT p : points) vues += teinte(pixel(p.x, p.y));
  return vues;
}

class BancReel {
 public:
  // Settings written before the start-up, over a clean store.
  explicit BancReel(std::initializer_list<Reglages::value_type> reglages) {
    ecrire_reglages(reglages);
    fenetre.attacher(veille);
    veille.Form_Load();
    fenetre.montrer();
    attendre_que([this] { return veille.ListePrete; }, 30s);  // the listing's message, as the window's loop gets it
  }
  ~BancReel() {
    ecran.afficher_curseur(true);
    effacer_reglages();
  }

  // One tick as the window runs it, painted. The picture prepared ahead is
  // ready first, as a real interval leaves it time to be.
  void tick() {
    images.attendre();
    fenetre.tick();
    RedrawWindow(fenetre.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pomper(0ms);
  }

  // The window's pixel, as the screen shows it.
  COLORREF pixel(int x, int y) {
    HDC dc = GetDC(fenetre.hwnd());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(fenetre.hwnd(), dc);
    return c;
  }
  std::string teintes(const std::vector<POINT>& points) {
    return test::teintes([this](int x, int y) { return pixel(x, y); }, points);
  }

  win32::InitialisationCom com;
  win32::MagasinRegistre magasin;
  ProcessusCompte processus{L"/s"};
  win32::EcranWin32 ecran;
  win32::FichiersWin32 fichiers;
  win32::ImagesWin32 images_ici{win32::points_par_pouce()};
  // The picture prepared ahead, as the program has it.
  ImagesAnticipees images{
      images_ici,
      [](const std::atomic<bool>& abandon) { return win32::images_du_fil(win32::points_par_pouce(), abandon); },
      win32::empreinte_fichier, win32::peut_aller_a_un_enfant};
  win32::MoteurDirectShow media;
  win32::FenetreVeille fenetre{GetModuleHandleW(nullptr), win32::points_par_pouce()};
  SonPartage son;  // after the window: a video stream's window lives in it
  win32::CodecsWin32 codecs;
  frmVeille veille{{magasin, processus, ecran, fichiers, fenetre, fenetre, images, media, son, codecs},
                   win32::points_par_pouce()};
};

// What the process holds: GDI objects, kernel handles, windows, threads,
// committed bytes. Wine answers 0 to GetGuiResources and to the handle count,
// so the first two are probed: both tables hand out their free slots before growing,
// so after K fresh objects the highest slot in use, less K, was already held.
struct Ressources {
  long gdi = 0, poignees = 0, fenetres = 0, fils = 0, enfants = 0;  // enfants: processes still running
  SIZE_T memoire = 0;

  template <typename Creer, typename Liberer, typename Rang>
  static long sonder(int sondes, Creer creer, Liberer liberer, Rang rang) {
    std::vector<decltype(creer(0))> faits;
    long plus_haut = 0;
    for (int i = 0; i < sondes; ++i) plus_haut = std::max(plus_haut, rang(faits.emplace_back(creer(i))));
    for (auto objet : faits) liberer(objet);
    return plus_haut - sondes;
  }
  static SIZE_T memoire_engagee() {
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return m.PagefileUsage;  // committed private bytes; Wine leaves PrivateUsage at 0
  }
  // What the process holds beyond `avant`, less what the probes may take
  // themselves, two slots of each table.
  std::string de_plus(const Ressources& avant) const {
    std::ostringstream o;
    o << "GDI +" << std::max(0L, gdi - avant.gdi - 2) << ", handles +" << std::max(0L, poignees - avant.poignees - 2)
      << ", windows +" << std::max(0L, fenetres - avant.fenetres) << ", threads +" << std::max(0L, fils - avant.fils)
      << ", children +" << std::max(0L, enfants - avant.enfants);
    return o.str();
  }
  static Ressources maintenant() {
    Ressources r;
    r.memoire = memoire_engagee();
    // Measured after the memory: the probes themselves grow the tables.
    r.gdi = sonder(
        20000, [](int i) { return CreateSolidBrush(RGB(i & 255, 0, 0)); }, DeleteObject,
        [](HBRUSH b) { return LOWORD(reinterpret_cast<UINT_PTR>(b)) + 1L; });
    r.poignees = sonder(
        2000, [](int) { return CreateEventW(nullptr, FALSE, FALSE, nullptr); }, CloseHandle,
        [](HANDLE h) { return static_cast<long>(reinterpret_cast<UINT_PTR>(h) / 4); });
    // Wine answers 0 for the user objects of GetGuiResources: the windows, the
    // user objects a run makes (the media player's video window among them),
    // are counted instead, every descendant of this process's windows.
    EnumWindows(
        [](HWND fenetre, LPARAM total) {
          DWORD processus = 0;
          GetWindowThreadProcessId(fenetre, &processus);
          if (processus == GetCurrentProcessId()) {
            ++*reinterpret_cast<long*>(total);
            EnumChildWindows(
                fenetre, [](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<long*>(n) > 0; }, total);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&r.fenetres));
    HANDLE instantane = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD | TH32CS_SNAPPROCESS, 0);
    THREADENTRY32 fil{sizeof fil};
    for (BOOL encore = Thread32First(instantane, &fil); encore; encore = Thread32Next(instantane, &fil))
      r.fils += fil.th32OwnerProcessID == GetCurrentProcessId();
    PROCESSENTRY32W processus{sizeof processus};
    for (BOOL encore = Process32FirstW(instantane, &processus); encore; encore = Process32NextW(instantane, &processus))
      r.enfants += processus.th32ParentProcessID == GetCurrentProcessId();
    CloseHandle(instantane);
    return r;
  }
};

}  // namespace pixavue::test
