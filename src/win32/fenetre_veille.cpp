// The screensaver window on Windows.
#include "win32/fenetre_veille.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "layouts/ressources.h"
#include "slideshow/ajustement.h"
#include "win32/classe_fenetre.h"

namespace pixavue::win32 {
namespace {

constexpr UINT_PTR kIdTimer1 = 1;
// Posted by the listing's worker once the run's list is whole.
constexpr UINT kMessageListeEntiere = WM_APP + 1;

RECT rect_de(const Controle& c) {
  return {static_cast<LONG>(std::floor(c.Left)), static_cast<LONG>(std::floor(c.Top)),
          static_cast<LONG>(std::floor(c.Left + c.Width)), static_cast<LONG>(std::floor(c.Top + c.Height))};
}

}  // namespace

FenetreVeille::FenetreVeille(HINSTANCE instance, double ppp) : ppp_(ppp) {
  static const ATOM classe = enregistrer_classe(instance, kClasseVeille, &FenetreVeille::procedure, nullptr);
  (void)classe;
  main_ = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_MAIN));
  hwnd_ =
      CreateWindowExW(0, kClasseVeille, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, static_cast<int>(en_pixels(4560, ppp)),
                      static_cast<int>(en_pixels(1395, ppp)), nullptr, nullptr, instance, this);
  // The media player draws a video stream into this box, which is never shown.
  picture1_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_BLACKRECT, static_cast<int>(en_pixels(840, ppp)),
                              static_cast<int>(en_pixels(2700, ppp)), static_cast<int>(en_pixels(3195, ppp)),
                              static_cast<int>(en_pixels(2355, ppp)), hwnd_, nullptr, instance, nullptr);
}

FenetreVeille::~FenetreVeille() {
  // The covers go first, while their owner still stands to be told.
  couvertures_.reset();
  // No message may reach this object once it is gone.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void FenetreVeille::attacher(frmVeille& logique) {
  logique_ = &logique;
  couvertures_.emplace(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), hwnd_, logique);
}

void FenetreVeille::montrer() {
  // Maximised, a borderless window covers its whole screen. A window manager
  // may leave an undecorated window at the size it had when shown instead
  // (Wine's managed windows do when none runs), and moves over the rest of
  // the screen would then never reach it: it takes the screen before it shows.
  MONITORINFO ecran{sizeof ecran};
  if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &ecran)) {
    const RECT& r = ecran.rcMonitor;
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
  UpdateWindow(hwnd_);
  if (couvertures_) couvertures_->disposer(logique_->Couvertures);
}

void FenetreVeille::plein_ecran() {
  SetWindowPos(hwnd_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FenetreVeille::premier_plan() {
  return SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE) != FALSE;
}

// Window handles carry 32 significant bits, sign-extended on 64-bit Windows.
std::int32_t FenetreVeille::poignee_picture1() {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(picture1_));
}

void FenetreVeille::retirer() {
  actif_ = false;
  KillTimer(hwnd_, kIdTimer1);
  if (couvertures_) couvertures_->disposer({});
  ShowWindow(hwnd_, SW_HIDE);
  // Wine hands its requests to the X server when the thread next looks at
  // its queue: once more, so that the window leaves the screen even if the
  // process is then held.
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

void FenetreVeille::reveiller() { PostMessageW(hwnd_, kMessageListeEntiere, 0, 0); }

void FenetreVeille::activer(bool actif) {
  actif_ = actif;
  armer();
}

bool FenetreVeille::fixer_intervalle(double ms) {
  if (!(ms >= 0 && ms <= 65535)) return false;
  intervalle_ = static_cast<UINT>(ms);
  armer();
  return true;
}

// SetTimer again restarts the countdown, as disabling and enabling should.
void FenetreVeille::armer() {
  if (actif_ && intervalle_ > 0)
    SetTimer(hwnd_, kIdTimer1, intervalle_, nullptr);
  else
    KillTimer(hwnd_, kIdTimer1);
}

LRESULT CALLBACK FenetreVeille::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* creation = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* fenetre = reinterpret_cast<FenetreVeille*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!fenetre || !fenetre->logique_) return DefWindowProcW(hwnd, message, wparam, lparam);
  return fenetre->traiter(message, wparam, lparam);
}

LRESULT FenetreVeille::traiter(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      logique_->Form_KeyDown();
      return 0;
    case WM_MOUSEMOVE:
      logique_->Form_MouseMove();
      return 0;
    case WM_TIMER:
      if (wparam != kIdTimer1) break;
      tick();
      return 0;
    case kMessageListeEntiere:
      logique_->Listage_Termine();
      return 0;
    case WM_DISPLAYCHANGE:
      logique_->Form_DisplayChange();
      couvertures_->disposer(logique_->Couvertures);
      return 0;
    case WM_CLOSE:
      logique_->Form_Unload();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // a logoff is never held up
    case WM_ENDSESSION:
      // The session ends without a close request: the run ends as on one.
      if (wparam) logique_->Form_Unload();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(hwnd_, &point);
        SetCursor(sous_une_main(point) && main_ ? main_ : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      Peinture peinture(hwnd_);
      RECT client;
      GetClientRect(hwnd_, &client);
      peindre(peinture.dc(), client);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void FenetreVeille::tick() {
  logique_->Timer1_Timer();
  preparer_image();
  InvalidateRect(hwnd_, nullptr, FALSE);
  couvertures_->repeindre();
}

void FenetreVeille::preparer_image() {
  const Controle& montree = logique_->Image1[1];
  const auto* image = dynamic_cast<const ImageWin32*>(montree.Picture.get());
  RECT client;
  GetClientRect(hwnd_, &client);
  const auto [x, y, largeur, hauteur] = en_pixels(montree);
  // Only what the screen shows of it is made: a picture at its natural size
  // may be far larger than the screen.
  const int x0 = std::max(0, -x), y0 = std::max(0, -y);
  const int x1 = std::min(largeur, static_cast<int>(client.right) - x);
  const int y1 = std::min(hauteur, static_cast<int>(client.bottom) - y);
  if (!montree.Visible || !image || x1 <= x0 || y1 <= y0) {
    preparation_ = {};
    preparee_ = {};
    telle_quelle_ = {};
    return;
  }
  Preparation voulue{image, x, y, largeur, hauteur, {x0, y0, x1 - x0, y1 - y0}, couleur_gdi(logique_->BackColor, 0)};
  if (voulue == preparation_ && (preparee_.bitmap || telle_quelle_.image)) return;
  preparee_ = {};  // the old one goes before the new one is made
  telle_quelle_ = {};
  if (HBITMAP bitmap = image->telle_quelle(largeur, hauteur)) {
    telle_quelle_ = {montree.Picture, bitmap};
  } else {
    preparee_ = creer_dib(x1 - x0, y1 - y0);
    if (!preparee_.bitmap) return;
    image->preparer(largeur, hauteur, voulue.partie, voulue.fond, preparee_);
  }
  preparation_ = voulue;
}

bool FenetreVeille::sous_une_main(POINT point) const {
  for (const Controle& image : logique_->Image1) {
    RECT zone = rect_de(image);
    if (image.Visible && PtInRect(&zone, point)) return true;
  }
  return false;
}

HFONT FenetreVeille::police(const Police& p) {
  auto cle = std::make_tuple(p.nom, p.points, p.gras);
  auto it = polices_.find(cle);
  if (it == polices_.end()) it = polices_.emplace(cle, creer_police(p, ppp_, p)).first;
  return it->second.get();
}

// Everything is drawn off screen first, so a repaint never flickers.
void FenetreVeille::peindre(HDC dc, const RECT& client) {
  const int largeur = client.right - client.left, hauteur = client.bottom - client.top;
  PoigneeDcMemoire memoire(CreateCompatibleDC(dc));
  PoigneeGdi<HBITMAP> tampon(CreateCompatibleBitmap(dc, largeur, hauteur));
  if (!memoire || !tampon) return;
  Selection choisi(memoire.get(), tampon.get());

  PoigneePinceau fond(CreateSolidBrush(couleur_gdi(logique_->BackColor, 0)));
  FillRect(memoire.get(), &client, fond.get());

  // The prepared part, or the visible part of the picture's own bitmap.
  const Zone& partie = preparation_.partie;
  if (HBITMAP bitmap = preparee_.bitmap ? preparee_.bitmap.get() : telle_quelle_.bitmap) {
    PoigneeDcMemoire source(CreateCompatibleDC(dc));
    Selection choisie(source.get(), bitmap);
    const int depuis_x = preparee_.bitmap ? 0 : partie.x0, depuis_y = preparee_.bitmap ? 0 : partie.y0;
    BitBlt(memoire.get(), preparation_.x + partie.x0, preparation_.y + partie.y0, partie.largeur, partie.hauteur,
           source.get(), depuis_x, depuis_y, SRCCOPY);
  }

  SetBkMode(memoire.get(), TRANSPARENT);
  peindre_texte(memoire.get(), logique_->lblInfo, rect_de(logique_->lblInfo), DT_LEFT);
  peindre_texte(memoire.get(), logique_->lblCopyright, rect_de(logique_->lblCopyright), DT_LEFT);
  // Its right edge is what the start-up places, 10 pixels from the screen's.
  peindre_texte(memoire.get(), logique_->lblCliquez, rect_de(logique_->lblCliquez), DT_RIGHT);

  const Controle& infos = logique_->txtInfos;
  if (infos.Visible) {
    RECT zone = rect_de(infos);
    PoigneePinceau fond_infos(CreateSolidBrush(couleur_gdi(infos.BackColor, GetSysColor(COLOR_WINDOW))));
    FillRect(memoire.get(), &zone, fond_infos.get());
    DrawEdge(memoire.get(), &zone, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    InflateRect(&zone, -1, 0);
    peindre_texte(memoire.get(), infos, zone, DT_LEFT | DT_VCENTER);
  }
  BitBlt(dc, 0, 0, largeur, hauteur, memoire.get(), 0, 0, SRCCOPY);
}

// Labels take the width their text needs: a picture's full path must show.
void FenetreVeille::peindre_texte(HDC dc, const Controle& controle, RECT zone, UINT format) {
  if (!controle.Visible || controle.Caption.empty()) return;
  Selection choisie(dc, police(controle.Font));
  SetTextColor(dc, couleur_gdi(controle.ForeColor, 0));
  DrawTextW(dc, controle.Caption.c_str(), static_cast<int>(controle.Caption.size()), &zone,
            format | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

}  // namespace pixavue::win32
