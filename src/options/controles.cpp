// The dialog's controls: values, the real control that shows them, and the
// reaction that a change of value runs.
#include "options/controles.h"

#include <utility>

namespace pixavue {
namespace {

const ControleDecrit& decrit_de(const Disposition& disposition, std::wstring_view nom, int indice) {
  static const ControleDecrit kAbsent{};
  const ControleDecrit* d = trouver(disposition, nom, indice);
  return d ? *d : kAbsent;
}

}  // namespace

ControleDialogue::ControleDialogue(const Disposition& disposition, std::wstring_view nom, int indice)
    : decrit_(&decrit_de(disposition, nom, indice)),
      texte_(decrit_->texte),
      elements_(decrit_->elements.begin(), decrit_->elements.end()),
      fond_(decrit_->fond) {
  // The first option button of a group starts selected, as laid out.
  if (decrit_->genre == Genre::bouton_option && indice == 0) valeur_ = 1;
}

void ControleDialogue::montrer() {
  if (vue_) vue_->actualiser(*this);
}

template <typename T>
void ControleDialogue::changer(T& champ, T valeur, bool montrer_aussi) {
  if (champ == valeur) return;
  champ = std::move(valeur);
  if (montrer_aussi) montrer();
  if (reaction) reaction();
}

void ControleDialogue::set_Text(std::wstring texte) { changer(texte_, std::move(texte), true); }

void ControleDialogue::par_l_utilisateur_Text(std::wstring texte) { changer(texte_, std::move(texte), false); }

void ControleDialogue::set_Value(int valeur) {
  const int plus_grande = decrit_->genre == Genre::bouton_option ? 1 : 2;
  if (valeur < 0 || valeur > plus_grande) throw echecs::valeur_non_valide();
  if (valeur == 1 && valeur_ != 1) {
    for (ControleDialogue* autre : groupe_) {
      autre->valeur_ = 0;
      autre->montrer();
    }
  }
  changer(valeur_, valeur, true);
}

void ControleDialogue::set_ListIndex(int indice) {
  if (indice < -1 || indice >= ListCount()) throw echecs::valeur_non_valide();
  changer(indice_liste_, indice, true);
}

void ControleDialogue::set_Enabled(bool actif) {
  if (actif_ == actif) return;
  actif_ = actif;
  montrer();
}

void ControleDialogue::set_BackColor(Couleur couleur) {
  if (fond_ == couleur) return;
  fond_ = couleur;
  montrer();
}

void ControleDialogue::AddItem(std::wstring element) {
  elements_.push_back(std::move(element));
  montrer();
}

// The selection goes with the items, without a click.
void ControleDialogue::Clear() {
  elements_.clear();
  indice_liste_ = -1;
  montrer();
}

}  // namespace pixavue
