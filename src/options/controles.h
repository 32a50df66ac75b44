// The settings dialog's controls as its logic sees them. Setting a value from
// code runs the control's reaction at once and to its end, exactly as a
// user's change does, and only when the value really changes: the one place
// where that rule lives.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "layouts/disposition.h"
#include "platform/dialogue.h"
#include "services/echec.h"

namespace pixavue {

class ControleDialogue {
 public:
  ControleDialogue(const Disposition& disposition, std::wstring_view nom, int indice = -1);
  ControleDialogue(const ControleDialogue&) = delete;
  ControleDialogue& operator=(const ControleDialogue&) = delete;

  const ControleDecrit& decrit() const { return *decrit_; }
  // The real control that shows this one; none in the logic's tests.
  void montrer_dans(FenetreDialogue* vue) { vue_ = vue; }
  // A text box's Change, a list's or a button's Click.
  std::function<void()> reaction;

  const std::wstring& Text() const { return texte_; }
  bool Enabled() const { return actif_; }
  // Check box: 0 unchecked, 1 checked, 2 greyed. Option button: 0 or 1.
  int Value() const { return valeur_; }
  // The selected item of a list, -1 for none.
  int ListIndex() const { return indice_liste_; }
  int ListCount() const { return static_cast<int>(elements_.size()); }
  const std::vector<std::wstring>& elements() const { return elements_; }
  Couleur BackColor() const { return fond_; }
  std::wstring_view ToolTipText() const { return decrit_->info_bulle; }

  // From code. A value the control can't take throws Echec and changes
  // nothing: a state other than 0 to 2, an index outside -1 .. ListCount-1.
  void set_Text(std::wstring texte);
  void set_Value(int valeur);
  void set_ListIndex(int indice);
  void set_Enabled(bool actif);
  void set_BackColor(Couleur couleur);
  void AddItem(std::wstring element);
  void Clear();

  // From the user, typing: the real control already shows the new text, and
  // setting it again would move the caret. Clicks come through the setters.
  void par_l_utilisateur_Text(std::wstring texte);

  // Option buttons of one group: selecting one clears the others.
  void grouper_avec(ControleDialogue& autre) { groupe_.push_back(&autre); }

 private:
  template <typename T>
  void changer(T& champ, T valeur, bool montrer);
  void montrer();

  const ControleDecrit* decrit_;
  FenetreDialogue* vue_ = nullptr;
  std::wstring texte_;
  bool actif_ = true;
  int valeur_ = 0;
  int indice_liste_ = -1;
  std::vector<std::wstring> elements_;
  Couleur fond_;
  std::vector<ControleDialogue*> groupe_;
};

}  // namespace pixavue
