// The screensaver window on Windows: turns messages into calls on frmVeille's
// handlers and paints its controls. It is the Fenetre and the Minuterie that
// the logic asks for.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <tuple>

#include "platform/fenetre.h"
#include "screensaver/frmVeille.h"
#include "win32/couvertures_win32.h"
#include "win32/gdi.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {

inline constexpr wchar_t kClasseVeille[] = L"frmVeille";

class FenetreVeille : public Fenetre, public Minuterie {
 public:
  // Creates the window, hidden, with its hidden picture box.
  FenetreVeille(HINSTANCE instance, double points_par_pouce);
  ~FenetreVeille() override;
  FenetreVeille(const FenetreVeille&) = delete;
  FenetreVeille& operator=(const FenetreVeille&) = delete;

  // The handlers that messages reach; set once, before the start-up runs.
  void attacher(frmVeille& logique);
  // Shows the window maximised, as the start-up left it, and the covers of
  // the other monitors it laid out.
  void montrer();

  // One tick of Timer1: the slideshow's, then the shown picture prepared
  // and the window and the covers repainted.
  void tick();

  HWND hwnd() const { return hwnd_; }
  HWND picture1() const { return picture1_; }

  void plein_ecran() override;
  bool premier_plan() override;
  std::int32_t poignee_picture1() override;
  void retirer() override;
  void reveiller() override;
  void activer(bool actif) override;
  bool fixer_intervalle(double millisecondes) override;

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT traiter(UINT message, WPARAM wparam, LPARAM lparam);
  void peindre(HDC dc, const RECT& client);
  void peindre_texte(HDC dc, const Controle& controle, RECT zone, UINT format);
  HFONT police(const Police& police);
  bool sous_une_main(POINT point) const;
  void armer();
  // Prepares the shown picture at its shown size, once: painting then only
  // copies it.
  void preparer_image();

  HWND hwnd_ = nullptr;
  HWND picture1_ = nullptr;
  HCURSOR main_ = nullptr;
  double ppp_;
  frmVeille* logique_ = nullptr;  // not owned; outlives the window's messages
  bool actif_ = false;
  UINT intervalle_ = 1000;
  std::map<std::tuple<std::wstring_view, double, bool>, PoigneePolice> polices_;
  std::optional<CouverturesWin32> couvertures_;

  // What the prepared picture was made from, so that it is made again only
  // when one of these changes.
  struct Preparation {
    const Image* image = nullptr;
    int x = 0, y = 0, largeur = 0, hauteur = 0;
    Zone partie;
    COLORREF fond = 0;
    bool operator==(const Preparation& a) const {
      return image == a.image && x == a.x && y == a.y && largeur == a.largeur && hauteur == a.hauteur &&
             partie.x0 == a.partie.x0 && partie.y0 == a.partie.y0 && partie.largeur == a.partie.largeur &&
             partie.hauteur == a.partie.hauteur && fond == a.fond;
    }
  };
  Preparation preparation_;
  // Either a bitmap made for the screen, or the picture's own, held with it.
  ImagePreparee preparee_;
  struct TelleQuelle {
    std::shared_ptr<const Image> image;
    HBITMAP bitmap = nullptr;
  } telle_quelle_;
};

}  // namespace pixavue::win32
