// The settings dialog as the screen shows it, at whatever dots per inch the
// prefix runs at (96 and 144 in the test runs): every caption whole, no
// control over another; and a picture of it for review.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layouts/frmOptions.h"
#include "win32/ecran_win32.h"
#include "win32/fenetre_options.h"

namespace pixavue::win32 {
namespace {

struct Place {
  std::wstring nom;
  RECT rect;
  HWND hwnd;
};

// The visible controls, in the dialog's client coordinates.
std::vector<Place> places(const FenetreOptions& dialogue) {
  std::vector<Place> visibles;
  for (const auto& d : kDispositionOptions.controles) {
    HWND h = dialogue.controle(d.nom, d.indice);
    if (!h || !IsWindowVisible(h)) continue;
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, dialogue.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    visibles.push_back({std::wstring(d.nom) + (d.indice >= 0 ? L"(" + std::to_wstring(d.indice) + L")" : L""), r, h});
  }
  return visibles;
}

// Room the control leaves its caption, and the caption's width in its font.
int place_du_texte(HWND h) {
  RECT client;
  GetClientRect(h, &client);
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  wchar_t classe[16] = {};
  GetClassNameW(h, classe, 16);
  int marge = 0;
  if (lstrcmpiW(classe, L"Button") == 0) {
    const LONG genre = style & BS_TYPEMASK;
    const bool boite = genre == BS_AUTOCHECKBOX || genre == BS_CHECKBOX || genre == BS_AUTORADIOBUTTON;
    // The box or the circle and its gap; a push button's edges.
    marge = boite ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 2 * GetSystemMetrics(SM_CXEDGE) + 2;
  }
  return client.right - marge;
}

int largeur_du_texte(HWND h) {
  wchar_t texte[256] = {};
  const int n = GetWindowTextW(h, texte, 256);
  HDC dc = GetDC(h);
  HGDIOBJ ancienne = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
  RECT r{};
  DrawTextW(dc, texte, n, &r, DT_CALCRECT | DT_SINGLELINE);  // "&" marks a letter, takes no room
  SelectObject(dc, ancienne);
  ReleaseDC(h, dc);
  return r.right;
}

void enregistrer_image(HWND fenetre, const std::wstring& chemin) {
  RECT r;
  GetWindowRect(fenetre, &r);
  const int l = r.right - r.left, h = r.bottom - r.top;
  HDC ecran = GetDC(nullptr);
  HDC memoire = CreateCompatibleDC(ecran);
  BITMAPINFO infos{{sizeof(BITMAPINFOHEADER), l, -h, 1, 24, BI_RGB}};
  void* bits = nullptr;
  HBITMAP image = CreateDIBSection(ecran, &infos, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ ancienne = SelectObject(memoire, image);
  BitBlt(memoire, 0, 0, l, h, ecran, r.left, r.top, SRCCOPY);
  const DWORD taille_ligne = (static_cast<DWORD>(l) * 3 + 3) & ~3u;
  BITMAPFILEHEADER entete{
      0x4D42,
      static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + taille_ligne * static_cast<DWORD>(h)), 0,
      0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  HANDLE fichier = CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD ecrits;
  WriteFile(fichier, &entete, sizeof entete, &ecrits, nullptr);
  WriteFile(fichier, &infos.bmiHeader, sizeof infos.bmiHeader, &ecrits, nullptr);
  WriteFile(fichier, bits, taille_ligne * static_cast<DWORD>(h), &ecrits, nullptr);
  CloseHandle(fichier);
  SelectObject(memoire, ancienne);
  DeleteObject(image);
  DeleteDC(memoire);
  ReleaseDC(nullptr, ecran);
}

TEST(DispositionReelle, EveryCaptionIsWholeAndNoControlCoversAnother) {
  FenetreOptions dialogue{GetModuleHandleW(nullptr), points_par_pouce()};
  ShowWindow(dialogue.hwnd(), SW_SHOW);
  UpdateWindow(dialogue.hwnd());
  const auto visibles = places(dialogue);
  ASSERT_EQ(visibles.size(), 25u);
  RECT client;
  GetClientRect(dialogue.hwnd(), &client);
  for (std::size_t i = 0; i < visibles.size(); ++i) {
    const Place& a = visibles[i];
    RECT dedans;
    IntersectRect(&dedans, &a.rect, &client);
    EXPECT_TRUE(EqualRect(&dedans, &a.rect)) << a.nom << L" reaches outside the window";
    if (GetWindowTextLengthW(a.hwnd) > 0 && a.nom != L"txtDossier") {
      EXPECT_LE(largeur_du_texte(a.hwnd), place_du_texte(a.hwnd)) << a.nom << L": its caption is cut";
    }
    for (std::size_t j = i + 1; j < visibles.size(); ++j) {
      RECT commun;
      EXPECT_FALSE(IntersectRect(&commun, &a.rect, &visibles[j].rect))
          << a.nom << L" covers " << visibles[j].nom << L": " << a.rect.left << L".." << a.rect.right << L" / "
          << visibles[j].rect.left << L".." << visibles[j].rect.right;
    }
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  CreateDirectoryW(L"screenshots", nullptr);
  enregistrer_image(dialogue.hwnd(),
                    L"screenshots\\options-" + std::to_wstring(static_cast<int>(points_par_pouce())) + L"dpi.bmp");
}

}  // namespace
}  // namespace pixavue::win32
