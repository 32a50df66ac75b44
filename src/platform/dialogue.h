// What the settings dialog's logic asks of its real window: show a control's
// state, move the focus and the text selection, place the window, message
// boxes, and a simulated key press.
#pragma once

#include <cstdint>
#include <string_view>

namespace pixavue {

class ControleDialogue;

enum class Icone { information, avertissement, arret };

struct SelectionTexte {
  int debut = 0, longueur = 0;
};

class FenetreDialogue {
 public:
  virtual ~FenetreDialogue() = default;
  // The control's values changed: the real control shows them now.
  virtual void actualiser(const ControleDialogue& controle) = 0;
  virtual void donner_focus(const ControleDialogue& controle) = 0;
  virtual SelectionTexte selection(const ControleDialogue& controle) = 0;
  virtual void selectionner(const ControleDialogue& controle, SelectionTexte selection) = 0;
  // The window's outer size, and its place on the screen, in twips.
  virtual double largeur_twips() = 0;
  virtual double hauteur_twips() = 0;
  virtual void placer(double gauche_twips, double haut_twips) = 0;
  // Window handles: the dialog's own, owner of what it opens, and its
  // hidden picture box, where a video stream is sent.
  virtual std::intptr_t poignee() = 0;
  virtual std::int32_t poignee_picture1() = 0;
  // A modal box with one OK button.
  virtual void boite_message(std::wstring_view texte, std::wstring_view titre, Icone icone) = 0;
  // Queues a press of F1 for the active window, without waiting for it.
  virtual void envoyer_f1() = 0;
};

}  // namespace pixavue
