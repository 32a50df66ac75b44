// The covers of the other monitors on Windows.
#include "win32/couvertures_win32.h"

#include "win32/classe_fenetre.h"
#include "win32/gdi.h"

namespace pixavue::win32 {

CouverturesWin32::CouverturesWin32(HINSTANCE instance, HWND proprietaire, const Diaporama& diaporama)
    : instance_(instance), proprietaire_(proprietaire), diaporama_(diaporama) {
  static const ATOM classe = enregistrer_classe(instance, kClasseCouverture, &CouverturesWin32::procedure, nullptr);
  (void)classe;
}

void CouverturesWin32::disposer(const std::vector<RectangleEcran>& zones) {
  if (fenetres_.size() > zones.size()) fenetres_.resize(zones.size());
  for (std::size_t i = 0; i < zones.size(); ++i) {
    const RectangleEcran& z = zones[i];
    if (i < fenetres_.size()) {
      SetWindowPos(fenetres_[i].get(), HWND_TOPMOST, z.gauche, z.haut, z.largeur, z.hauteur, SWP_NOACTIVATE);
      continue;
    }
    // A tool window stays off the taskbar; owned, it goes with its owner.
    HWND fenetre = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClasseCouverture, L"",
                                   WS_POPUP, z.gauche, z.haut, z.largeur, z.hauteur, proprietaire_, nullptr, instance_,
                                   const_cast<Diaporama*>(&diaporama_));
    if (!fenetre) continue;
    fenetres_.emplace_back(fenetre);
    ShowWindow(fenetre, SW_SHOWNOACTIVATE);
  }
}

void CouverturesWin32::repeindre() const {
  for (const PoigneeFenetre& fenetre : fenetres_) InvalidateRect(fenetre.get(), nullptr, FALSE);
}

LRESULT CALLBACK CouverturesWin32::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* creation = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  const auto* diaporama = reinterpret_cast<const Diaporama*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // Counted by the run's window, toward the same end of the run. Keys
      // reach a cover only if some system activates it all the same.
      return SendMessageW(GetWindow(hwnd, GW_OWNER), message, wparam, lparam);
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT) break;
      SetCursor(nullptr);
      return TRUE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      Peinture peinture(hwnd);
      RECT client;
      GetClientRect(hwnd, &client);
      PoigneePinceau fond(CreateSolidBrush(diaporama ? couleur_gdi(diaporama->BackColor, 0) : 0));
      FillRect(peinture.dc(), &client, fond.get());
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pixavue::win32
