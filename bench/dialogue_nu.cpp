// The settings dialog's own yardstick: the same window and controls, from the
// same layout, with their font, tool tips and lists, and the count of audio
// outputs the dialog needs, shown and painted; no logic, no settings, no
// folder. What "/c" takes beyond it is the program's own start-up.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <cmath>
#include <string>

#include "layouts/frmOptions.h"

using namespace pixavue;

namespace {

const wchar_t* classe_de(Genre genre) {
  static constexpr struct {
    Genre genre;
    const wchar_t* classe;
  } kClasses[] = {
      {Genre::zone_texte, L"EDIT"},           {Genre::etiquette, L"STATIC"},       {Genre::bouton, L"BUTTON"},
      {Genre::case_a_cocher, L"BUTTON"},      {Genre::bouton_option, L"BUTTON"},   {Genre::liste, L"LISTBOX"},
      {Genre::liste_deroulante, L"COMBOBOX"}, {Genre::liste_fichiers, L"LISTBOX"}, {Genre::boite_image, L"STATIC"}};
  for (const auto& c : kClasses)
    if (c.genre == genre) return c.classe;
  return nullptr;
}

int px(double twips) { return static_cast<int>(std::lround(twips / 15)); }

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX communs{sizeof communs, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&communs);
  WNDCLASSW classe{};
  classe.lpfnWndProc = procedure;
  classe.hInstance = instance;
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = L"DialogueNu";
  RegisterClassW(&classe);
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, L"DialogueNu", std::wstring(kDispositionOptions.titre).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                              px(kDispositionOptions.largeur_client), px(kDispositionOptions.hauteur_client), nullptr,
                              nullptr, instance, nullptr);
  HFONT police = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
  HWND bulles = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, instance, nullptr);
  for (const auto& d : kDispositionOptions.controles) {
    const wchar_t* nom_classe = classe_de(d.genre);
    if (!nom_classe) continue;
    HWND controle = CreateWindowExW(0, nom_classe, std::wstring(d.texte).c_str(),
                                    WS_CHILD | (d.visible ? WS_VISIBLE : 0), px(d.rect.gauche), px(d.rect.haut),
                                    px(d.rect.largeur), px(d.rect.hauteur), hwnd, nullptr, instance, nullptr);
    SendMessageW(controle, WM_SETFONT, reinterpret_cast<WPARAM>(police), FALSE);
    for (std::wstring_view element : d.elements)
      SendMessageW(controle, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(element).c_str()));
    if (d.genre == Genre::liste_deroulante)
      for (int i = 1; i <= 60; ++i)
        SendMessageW(controle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L" " + std::to_wstring(i)).c_str()));
    if (d.info_bulle.empty()) continue;
    std::wstring texte(d.info_bulle);
    TTTOOLINFOW outil{sizeof outil};
    outil.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    outil.hwnd = hwnd;
    outil.uId = reinterpret_cast<UINT_PTR>(controle);
    outil.lpszText = texte.data();
    SendMessageW(bulles, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&outil));
  }
  waveOutGetNumDevs();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(hwnd, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(police);
  return 0;
}
