// The settings dialog on Windows: real controls built from the layout table,
// in the dialog's tab order, with tool tips, the hand cursor, the default and
// cancel buttons. Closing it ends its message loop.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "layouts/disposition.h"
#include "win32/gdi.h"

namespace pixavue::win32 {

inline constexpr wchar_t kClasseOptions[] = L"frmOptions";

class FenetreOptions {
 public:
  FenetreOptions(HINSTANCE instance, double points_par_pouce);
  ~FenetreOptions();
  FenetreOptions(const FenetreOptions&) = delete;
  FenetreOptions& operator=(const FenetreOptions&) = delete;

  // Shows the window and runs its messages until it closes.
  void montrer_modal();

  HWND hwnd() const { return hwnd_; }
  HWND controle(std::wstring_view nom, int indice = -1) const;

 private:
  struct Enfant {
    const ControleDecrit* decrit;
    HWND hwnd;
    PoigneePinceau fond;
  };

  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT traiter(UINT message, WPARAM wparam, LPARAM lparam);
  void creer_controles(HINSTANCE instance);
  void ajouter_info_bulle(HWND controle, std::wstring_view texte);
  void elargir_au_texte(HWND etiquette, std::wstring_view texte);
  const Enfant* enfant(HWND hwnd) const;
  int identifiant(std::wstring_view nom) const;
  LRESULT couleurs(HDC dc, HWND controle);
  void peindre_lignes(HDC dc);

  HWND hwnd_ = nullptr;
  HWND bulles_ = nullptr;
  HCURSOR main_ = nullptr;
  double ppp_;
  PoigneePolice police_;
  PoigneeIcone grande_icone_, petite_icone_;
  std::vector<Enfant> enfants_;
};

}  // namespace pixavue::win32
