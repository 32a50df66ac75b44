// The settings dialog on Windows.
#include "win32/fenetre_options.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "layouts/frmOptions.h"
#include "layouts/ressources.h"
#include "win32/classe_fenetre.h"

namespace pixavue::win32 {
namespace {

// Control identifiers start above IDOK and IDCANCEL, which mean Enter and Esc.
constexpr int kPremierIdentifiant = 100;
constexpr Police kPoliceDialogue{L"MS Sans Serif", 8.25, false};
constexpr DWORD kStyleFenetre = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr double kTwipsParPouce = 1440;
constexpr int kEcartPixels = 2;          // between a caption and the control after it
constexpr double kPlusPetitsPoints = 6;  // a caption's font is never made smaller
constexpr std::wstring_view kLigneAide = L"lblAide";

struct StyleBoite {
  Icone icone;
  UINT style;
};
constexpr StyleBoite kStylesBoites[] = {
    {Icone::information, MB_ICONINFORMATION},
    {Icone::avertissement, MB_ICONEXCLAMATION},
    {Icone::arret, MB_ICONSTOP},
};

struct Fabrication {
  Genre genre;
  const wchar_t* classe;  // nullptr: the window draws it, or nothing is shown
  DWORD style;
  DWORD style_etendu;
};

constexpr std::array kFabrications{
    Fabrication{Genre::zone_texte, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    Fabrication{Genre::etiquette, L"STATIC", SS_LEFT, 0},
    Fabrication{Genre::bouton, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0},
    // Three states, so that a stored 2 shows greyed; a click is the logic's.
    Fabrication{Genre::case_a_cocher, L"BUTTON", WS_TABSTOP | BS_3STATE, 0},
    Fabrication{Genre::bouton_option, L"BUTTON", BS_AUTORADIOBUTTON, 0},
    Fabrication{Genre::liste, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE},
    Fabrication{Genre::liste_deroulante, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0},
    Fabrication{Genre::liste_fichiers, L"LISTBOX", 0, 0},
    Fabrication{Genre::boite_image, L"STATIC", 0, 0},
    Fabrication{Genre::image, nullptr, 0, 0},
    Fabrication{Genre::ligne, nullptr, 0, 0},
    Fabrication{Genre::minuterie, nullptr, 0, 0},
    Fabrication{Genre::dialogue_commun, nullptr, 0, 0},
};

const Fabrication& fabrication(Genre genre) {
  for (const auto& f : kFabrications)
    if (f.genre == genre) return f;
  return kFabrications.back();
}

int px(double twips, double ppp) { return static_cast<int>(std::lround(en_pixels(twips, ppp))); }

}  // namespace

FenetreOptions::FenetreOptions(HINSTANCE instance, double ppp) : ppp_(ppp) {
  static const ATOM classe = enregistrer_classe(instance, kClasseOptions, &FenetreOptions::procedure,
                                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  (void)classe;
  INITCOMMONCONTROLSEX communs{sizeof communs, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&communs);

  RECT cadre{0, 0, px(kDispositionOptions.largeur_client, ppp), px(kDispositionOptions.hauteur_client, ppp)};
  AdjustWindowRectEx(&cadre, kStyleFenetre, FALSE, WS_EX_CONTROLPARENT);
  const int largeur = cadre.right - cadre.left, hauteur = cadre.bottom - cadre.top;
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClasseOptions, std::wstring(kDispositionOptions.titre).c_str(),
                          kStyleFenetre, (GetSystemMetrics(SM_CXSCREEN) - largeur) / 2,
                          (GetSystemMetrics(SM_CYSCREEN) - hauteur) / 2, largeur, hauteur, nullptr, nullptr, instance,
                          this);

  main_ = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_MAIN));
  grande_icone_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_OPTIONS), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  petite_icone_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_OPTIONS), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(grande_icone_.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(petite_icone_.get()));

  police_ = creer_police(kPoliceDialogue, ppp, kPoliceDialogue);
  bulles_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
  creer_controles(instance);
  ajuster_legendes();
}

FenetreOptions::~FenetreOptions() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

// Created in tab order, which is the order the keyboard walks them in.
void FenetreOptions::creer_controles(HINSTANCE instance) {
  for (const auto& place : kOrdreTabulation) {
    const ControleDecrit* d = trouver(kDispositionOptions, place.nom, place.indice);
    const Fabrication& f = fabrication(d->genre);
    if (!f.classe) continue;
    DWORD style = WS_CHILD | f.style | (d->visible ? WS_VISIBLE : 0);
    // Every control starts a group but the second option button, so that the
    // arrow keys move between the two options and nowhere else.
    if (!(d->genre == Genre::bouton_option && d->indice > 0)) style |= WS_GROUP;
    if (d->genre == Genre::bouton_option && d->indice == 0) style |= WS_TABSTOP;
    if (d->nom == kBoutonParDefaut) style = (style & ~BS_PUSHBUTTON) | BS_DEFPUSHBUTTON;
    if (d->bordure) style |= WS_BORDER;
    // A label sees the mouse only so: its hand cursor and its tip need it.
    if (d->genre == Genre::etiquette && (d->main || !d->info_bulle.empty())) style |= SS_NOTIFY;

    int hauteur = px(d->rect.hauteur, ppp_);
    if (d->genre == Genre::liste_deroulante) hauteur *= 8;  // room for the dropped-down list
    const int id = kPremierIdentifiant + static_cast<int>(enfants_.size());
    HWND hwnd = CreateWindowExW(f.style_etendu, f.classe, std::wstring(d->texte).c_str(), style,
                                px(d->rect.gauche, ppp_), px(d->rect.haut, ppp_), px(d->rect.largeur, ppp_), hauteur,
                                hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(police_.get()), FALSE);
    for (std::wstring_view element : d->elements)
      SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(element).c_str()));
    if (d->genre == Genre::bouton_option && d->indice == 0) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (!d->info_bulle.empty()) ajouter_info_bulle(hwnd, d->info_bulle);
    PoigneePinceau fond;
    if (d->fond.source != Couleur::Source::aucune) fond.reset(CreateSolidBrush(couleur_gdi(d->fond, 0)));
    enfants_.push_back({d, hwnd, std::move(fond)});
  }
}

// The design's sizes hold one line of the design's font; the fonts a system
// has may be wider. A caption (label, check box, option button) therefore
// takes the width its text needs, as far as the next control on its row and
// no further; one that still doesn't fit there gets a smaller font. The help
// line takes its whole row: its text changes with the mouse.
void FenetreOptions::ajuster_legendes() {
  RECT client;
  GetClientRect(hwnd_, &client);
  // The window itself is not shown yet: its controls' own style says which will be.
  auto visible = [](HWND h) { return (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0; };
  auto rect_de = [this](HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  for (auto& e : enfants_) {
    const Genre genre = e.decrit->genre;
    const bool legende = genre == Genre::case_a_cocher || genre == Genre::bouton_option ||
                         (genre == Genre::etiquette && !e.decrit->texte.empty());
    if (!legende || !visible(e.hwnd)) continue;
    const RECT r = rect_de(e.hwnd);
    LONG limite = client.right;
    for (const auto& voisin : enfants_) {
      if (&voisin == &e || !visible(voisin.hwnd)) continue;
      const RECT v = rect_de(voisin.hwnd);
      if (v.left > r.left && v.top < r.bottom && v.bottom > r.top) limite = std::min(limite, v.left - kEcartPixels);
    }
    const int place = limite - r.left;
    const int boite = genre == Genre::etiquette ? 0 : GetSystemMetrics(SM_CXMENUCHECK) + 4;
    HFONT police = police_.get();
    int besoin = largeur_legende(e.hwnd, police) + boite;
    for (double points = kPoliceDialogue.points - 0.5; besoin > place && points >= kPlusPetitsPoints; points -= 0.5) {
      polices_reduites_.push_back(
          creer_police({kPoliceDialogue.nom, points, kPoliceDialogue.gras}, ppp_, kPoliceDialogue));
      police = polices_reduites_.back().get();
      besoin = largeur_legende(e.hwnd, police) + boite;
    }
    if (police != police_.get()) SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(police), FALSE);
    const int largeur =
        e.decrit->nom == kLigneAide ? place : std::min<int>(place, std::max<int>(besoin, r.right - r.left));
    SetWindowPos(e.hwnd, nullptr, 0, 0, largeur, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  }
}

// The caption's width in that font as it draws; "&" marks a letter and takes
// no room. The extent GDI gives can fall short of the ink: under Wine, a
// long caption in a reduced font drew 4 pixels past it, and the edge of its
// control cut its last letter in half. So the caption is drawn once, off
// the screen, and measured by its ink as well.
int FenetreOptions::largeur_legende(HWND controle, HFONT police) {
  std::wstring texte(static_cast<std::size_t>(GetWindowTextLengthW(controle)), L'\0');
  GetWindowTextW(controle, texte.data(), static_cast<int>(texte.size()) + 1);
  ContexteFenetre dc(controle);
  Selection choisie(dc.get(), police);
  RECT r{};
  DrawTextW(dc.get(), texte.c_str(), static_cast<int>(texte.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  const int largeur = r.right + r.bottom + 4, hauteur = std::max<int>(1, r.bottom);  // room for any overhang
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), largeur, -hauteur, 1, 32, BI_RGB};
  void* bits = nullptr;
  PoigneeGdi<HBITMAP> dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  PoigneeDcMemoire memoire(CreateCompatibleDC(dc.get()));
  int encre = 0;
  if (dib && memoire) {
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + std::size_t(largeur) * hauteur, 0xFFFFFFu);
    Selection bitmap(memoire.get(), dib.get());
    Selection police_memoire(memoire.get(), police);
    SetTextColor(memoire.get(), RGB(0, 0, 0));
    SetBkMode(memoire.get(), TRANSPARENT);
    RECT zone{0, 0, largeur, hauteur};
    DrawTextW(memoire.get(), texte.c_str(), static_cast<int>(texte.size()), &zone, DT_SINGLELINE | DT_NOCLIP);
    GdiFlush();
    for (int x = 0; x < largeur; ++x)
      for (int y = 0; y < hauteur; ++y)
        if ((pixels[std::size_t(y) * largeur + x] & 0xFFFFFFu) != 0xFFFFFFu) encre = x + 1;
  }
  return std::max<int>(r.right, encre) + 2;  // the last glyph's overhang
}

void FenetreOptions::ajouter_info_bulle(HWND controle, std::wstring_view texte) {
  std::wstring copie(texte);
  TTTOOLINFOW outil{sizeof outil};
  outil.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  outil.hwnd = hwnd_;
  outil.uId = reinterpret_cast<UINT_PTR>(controle);
  outil.lpszText = copie.data();
  SendMessageW(bulles_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&outil));
}

void FenetreOptions::attacher(frmOptions& logique) {
  logique_ = &logique;
  logique.pour_chaque_controle([this](ControleDialogue& c) {
    if (Enfant* e = enfant(c)) e->logique = &c;
  });
}

void FenetreOptions::montrer_modal() {
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  SetFocus(controle(L"txtDossier"));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0)
    if (!traiter_message(message)) break;
}

bool FenetreOptions::traiter_message(MSG& message) {
  if (!IsWindow(hwnd_)) return false;
  // Key preview: the window sees the key first, whichever control has the focus.
  const bool a_nous = message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd);
  if (a_nous && logique_ && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)) {
    const int touche = static_cast<int>(message.wParam);
    appeler([&] { logique_->Form_KeyDown(touche); });
  }
  if (!IsWindow(hwnd_)) return false;
  if (IsDialogMessageW(hwnd_, &message)) return true;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

template <typename F>
void FenetreOptions::appeler(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

HWND FenetreOptions::controle(std::wstring_view nom, int indice) const {
  for (const auto& e : enfants_)
    if (e.decrit->nom == nom && e.decrit->indice == indice) return e.hwnd;
  return nullptr;
}

FenetreOptions::Enfant* FenetreOptions::enfant(HWND hwnd) {
  for (auto& e : enfants_)
    if (e.hwnd == hwnd) return &e;
  return nullptr;
}

FenetreOptions::Enfant* FenetreOptions::enfant(const ControleDialogue& c) {
  for (auto& e : enfants_)
    if (e.decrit == &c.decrit()) return &e;
  return nullptr;
}

// Shows every value of the control on the real one; only what differs is
// touched, so that nothing flickers and no caret moves.
void FenetreOptions::actualiser(const ControleDialogue& c) {
  Enfant* e = enfant(c);
  if (!e) return;
  const HWND h = e->hwnd;
  const Genre genre = e->decrit->genre;

  if (genre == Genre::zone_texte || genre == Genre::etiquette) {
    std::wstring actuel(static_cast<std::size_t>(GetWindowTextLengthW(h)), L'\0');
    GetWindowTextW(h, actuel.data(), static_cast<int>(actuel.size()) + 1);
    if (actuel != c.Text()) {
      // Windows tells of a text set from code as of a typed one.
      texte_par_code_ = true;
      SetWindowTextW(h, c.Text().c_str());
      texte_par_code_ = false;
    }
  }
  if (genre == Genre::case_a_cocher || genre == Genre::bouton_option)
    SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(c.Value()), 0);
  if (genre == Genre::liste || genre == Genre::liste_deroulante) {
    const bool liste = genre == Genre::liste;
    const UINT compter = liste ? LB_GETCOUNT : CB_GETCOUNT, vider = liste ? LB_RESETCONTENT : CB_RESETCONTENT;
    const UINT ajouter = liste ? LB_ADDSTRING : CB_ADDSTRING, choisir = liste ? LB_SETCURSEL : CB_SETCURSEL;
    // Items only ever come one more at a time, or all go: the control is
    // emptied when it holds more than the list, and takes only the new ones
    // otherwise (adding the whole list again on every item made filling a
    // list of 60 take most of the dialog's start).
    LRESULT deja = SendMessageW(h, compter, 0, 0);
    if (deja < 0 || deja > c.ListCount()) {
      SendMessageW(h, vider, 0, 0);
      deja = 0;
    }
    for (int i = static_cast<int>(deja); i < c.ListCount(); ++i)
      SendMessageW(h, ajouter, 0, reinterpret_cast<LPARAM>(c.elements()[static_cast<std::size_t>(i)].c_str()));
    SendMessageW(h, choisir, static_cast<WPARAM>(c.ListIndex()), 0);
  }
  if (c.BackColor().source == Couleur::Source::valeur) {
    e->fond.reset(CreateSolidBrush(couleur_gdi(c.BackColor(), 0)));
    InvalidateRect(h, nullptr, TRUE);
  }
  // A control that goes off while it has the focus hands it on, or the
  // keyboard would be left with nowhere to go.
  if (!c.Enabled() && GetFocus() == h) SetFocus(GetNextDlgTabItem(hwnd_, h, FALSE));
  EnableWindow(h, c.Enabled());
}

void FenetreOptions::donner_focus(const ControleDialogue& c) {
  if (Enfant* e = enfant(c)) SetFocus(e->hwnd);
}

SelectionTexte FenetreOptions::selection(const ControleDialogue& c) {
  Enfant* e = enfant(c);
  DWORD debut = 0, fin = 0;
  if (e) SendMessageW(e->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&debut), reinterpret_cast<LPARAM>(&fin));
  return {static_cast<int>(debut), static_cast<int>(fin - debut)};
}

void FenetreOptions::selectionner(const ControleDialogue& c, SelectionTexte s) {
  if (Enfant* e = enfant(c)) SendMessageW(e->hwnd, EM_SETSEL, s.debut, s.debut + s.longueur);
}

double FenetreOptions::largeur_twips() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  return (r.right - r.left) * kTwipsParPouce / ppp_;
}

double FenetreOptions::hauteur_twips() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  return (r.bottom - r.top) * kTwipsParPouce / ppp_;
}

void FenetreOptions::placer(double gauche, double haut) {
  SetWindowPos(hwnd_, nullptr, static_cast<int>(std::lround(gauche * ppp_ / kTwipsParPouce)),
               static_cast<int>(std::lround(haut * ppp_ / kTwipsParPouce)), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Window handles carry 32 significant bits, sign-extended on 64-bit Windows.
std::int32_t FenetreOptions::poignee_picture1() {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(controle(L"Picture1")));
}

void FenetreOptions::boite_message(std::wstring_view texte, std::wstring_view titre, Icone icone) {
  UINT style = MB_OK;
  for (const auto& s : kStylesBoites)
    if (s.icone == icone) style |= s.style;
  MessageBoxW(hwnd_, std::wstring(texte).c_str(), std::wstring(titre).c_str(), style);
}

// Through the input queue, as a user's key: it arrives after the click that
// sends it has been handled.
void FenetreOptions::envoyer_f1() {
  INPUT touches[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
  touches[0].ki.wVk = touches[1].ki.wVk = VK_F1;
  touches[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, touches, sizeof(INPUT));
}

LRESULT CALLBACK FenetreOptions::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* creation = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* fenetre = static_cast<FenetreOptions*>(creation->lpCreateParams);
    fenetre->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fenetre));
  }
  auto* fenetre = reinterpret_cast<FenetreOptions*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!fenetre) return DefWindowProcW(hwnd, message, wparam, lparam);
  return fenetre->traiter(message, wparam, lparam);
}

// A control's notification, turned into the change or the click it is.
void FenetreOptions::commande(Enfant& e, WORD notification) {
  ControleDialogue* c = e.logique;
  if (!c || !logique_) return;
  const HWND h = e.hwnd;
  switch (e.decrit->genre) {
    case Genre::zone_texte:
      if (notification == EN_CHANGE && !texte_par_code_) {
        std::wstring texte(static_cast<std::size_t>(GetWindowTextLengthW(h)), L'\0');
        GetWindowTextW(h, texte.data(), static_cast<int>(texte.size()) + 1);
        appeler([&] { c->par_l_utilisateur_Text(std::move(texte)); });
      }
      break;
    case Genre::case_a_cocher:
      // Checked from cleared, cleared from checked or greyed, as a
      // three-state box turns; a click never makes it greyed.
      if (notification == BN_CLICKED) appeler([&] { c->set_Value(c->Value() == 0 ? 1 : 0); });
      break;
    case Genre::bouton_option:
      if (notification == BN_CLICKED && SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED)
        appeler([&] { c->set_Value(1); });
      break;
    case Genre::liste:
      if (notification == LBN_SELCHANGE)
        appeler([&] { c->set_ListIndex(static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0))); });
      break;
    case Genre::liste_deroulante:
      if (notification == CBN_SELCHANGE)
        appeler([&] { c->set_ListIndex(static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0))); });
      break;
    case Genre::bouton:
      if (notification == BN_CLICKED && c->reaction) appeler(c->reaction);
      break;
    case Genre::etiquette:
      if (notification == STN_CLICKED && c->reaction) appeler(c->reaction);
      break;
    default:
      break;
  }
}

LRESULT FenetreOptions::traiter(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case DM_GETDEFID:
      if (HWND defaut = controle(kBoutonParDefaut)) return MAKELRESULT(GetDlgCtrlID(defaut), DC_HASDEFID);
      break;
    case WM_COMMAND: {
      const WORD id = LOWORD(wparam);
      // Esc, and the close button, close the window: the close request is
      // what ends the program.
      if (id == IDCANCEL || (lparam && reinterpret_cast<HWND>(lparam) == controle(kBoutonAnnuler))) {
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
        return 0;
      }
      // Enter reaches the default button as IDOK, while it is enabled.
      if (id == IDOK) {
        Enfant* e = enfant(controle(kBoutonParDefaut));
        if (e && IsWindowEnabled(e->hwnd)) commande(*e, BN_CLICKED);
        return 0;
      }
      if (Enfant* e = enfant(reinterpret_cast<HWND>(lparam))) commande(*e, HIWORD(wparam));
      return 0;
    }
    case WM_SETCURSOR: {
      Enfant* e = enfant(reinterpret_cast<HWND>(wparam));
      if (!e) break;
      if (HIWORD(lparam) == WM_MOUSEMOVE && e->logique && logique_) appeler([&] { logique_->Survol(*e->logique); });
      // The hand over the "hand" controls, the arrow over all the others,
      // text box included.
      SetCursor(e->decrit->main && main_ ? main_ : LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return couleurs(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_PAINT: {
      Peinture peinture(hwnd_);
      peindre_lignes(peinture.dc());
      return 0;
    }
    case WM_CLOSE:
      // Every way of closing ends the program, without saving.
      if (logique_) appeler([&] { logique_->Form_Unload(); });
      DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // a logoff is never held up
    case WM_ENDSESSION:
      // The session ends without a close request: it is one all the same.
      if (wparam) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT FenetreOptions::couleurs(HDC dc, HWND controle) {
  const Enfant* e = enfant(controle);
  SetTextColor(dc, e ? couleur_gdi(e->decrit->encre, GetSysColor(COLOR_BTNTEXT)) : GetSysColor(COLOR_BTNTEXT));
  if (e && e->fond) {
    SetBkColor(dc, e->logique ? couleur_gdi(e->logique->BackColor(), 0) : couleur_gdi(e->decrit->fond, 0));
    return reinterpret_cast<LRESULT>(e->fond.get());
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// Lines are drawn by the window itself, in layout order: the later on top.
void FenetreOptions::peindre_lignes(HDC dc) {
  for (const auto& d : kDispositionOptions.controles) {
    if (d.genre != Genre::ligne) continue;
    PoigneeStylo stylo(CreatePen(PS_SOLID, 1, couleur_gdi(d.encre, 0)));
    Selection choisi(dc, stylo.get());
    MoveToEx(dc, px(d.rect.gauche, ppp_), px(d.rect.haut, ppp_), nullptr);
    LineTo(dc, px(d.rect.largeur, ppp_), px(d.rect.hauteur, ppp_));
  }
}

}  // namespace pixavue::win32
