// The settings dialog on Windows: real controls built from the layout table,
// in the dialog's tab order, with tool tips, the hand cursor, the default and
// cancel buttons. It shows frmOptions's controls and turns the user's
// messages into calls on its handlers.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "layouts/disposition.h"
#include "options/frmOptions.h"
#include "platform/dialogue.h"
#include "win32/gdi.h"

namespace pixavue::win32 {

inline constexpr wchar_t kClasseOptions[] = L"frmOptions";

class FenetreOptions : public FenetreDialogue {
 public:
  // Creates the window and its controls, hidden.
  FenetreOptions(HINSTANCE instance, double points_par_pouce);
  ~FenetreOptions() override;
  FenetreOptions(const FenetreOptions&) = delete;
  FenetreOptions& operator=(const FenetreOptions&) = delete;

  // The handlers that messages reach; set once, before the load runs.
  void attacher(frmOptions& logique);
  // Shows the window and runs its messages until it closes. The window sees
  // every key before the control that has the focus.
  void montrer_modal();
  // One message as the loop handles it; false once the window is gone.
  bool traiter_message(MSG& message);

  HWND hwnd() const { return hwnd_; }
  HWND controle(std::wstring_view nom, int indice = -1) const;

  void actualiser(const ControleDialogue& controle) override;
  void donner_focus(const ControleDialogue& controle) override;
  SelectionTexte selection(const ControleDialogue& controle) override;
  void selectionner(const ControleDialogue& controle, SelectionTexte selection) override;
  double largeur_twips() override;
  double hauteur_twips() override;
  void placer(double gauche_twips, double haut_twips) override;
  std::intptr_t poignee() override { return reinterpret_cast<std::intptr_t>(hwnd_); }
  std::int32_t poignee_picture1() override;
  void boite_message(std::wstring_view texte, std::wstring_view titre, Icone icone) override;
  void envoyer_f1() override;

 private:
  struct Enfant {
    const ControleDecrit* decrit;
    HWND hwnd;
    PoigneePinceau fond;
    ControleDialogue* logique = nullptr;  // not owned; none for the fixed labels
  };

  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT traiter(UINT message, WPARAM wparam, LPARAM lparam);
  void commande(Enfant& enfant, WORD notification);
  void creer_controles(HINSTANCE instance);
  void ajouter_info_bulle(HWND controle, std::wstring_view texte);
  void ajuster_legendes();
  int largeur_legende(HWND controle, HFONT police);
  Enfant* enfant(HWND hwnd);
  Enfant* enfant(const ControleDialogue& controle);
  LRESULT couleurs(HDC dc, HWND controle);
  void peindre_lignes(HDC dc);
  // Runs a handler of the logic: whatever fails in it ends it, never the program.
  template <typename F>
  void appeler(F&& f);

  HWND hwnd_ = nullptr;
  HWND bulles_ = nullptr;
  HCURSOR main_ = nullptr;
  double ppp_;
  PoigneePolice police_;
  std::vector<PoigneePolice> polices_reduites_;  // for captions that need one
  PoigneeIcone grande_icone_, petite_icone_;
  std::vector<Enfant> enfants_;
  frmOptions* logique_ = nullptr;  // not owned; outlives the window's messages
  bool texte_par_code_ = false;    // a text set from code, not typed
};

}  // namespace pixavue::win32
