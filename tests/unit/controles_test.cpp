// The dialog's controls: a value set from code runs the control's reaction
// at once, once, and only when it changes; the real control is told.
#include "options/controles.h"

#include <gtest/gtest.h>

#include "faux_dialogue.h"

namespace pixavue {
namespace {

TEST(Controles, AReactionRunsOnceAndOnlyWhenTheValueChanges) {
  test::FausseFenetreDialogue vue;
  ControleDialogue liste(kDispositionOptions, L"lstTaille"), texte(kDispositionOptions, L"txtDossier"),
      coche(kDispositionOptions, L"chkInfos");
  std::wstring journal;
  liste.reaction = [&] { journal += L"liste " + std::to_wstring(liste.ListIndex()) + L", "; };
  texte.reaction = [&] { journal += L"texte " + texte.Text() + L", "; };
  coche.reaction = [&] { journal += L"coche " + std::to_wstring(coche.Value()) + L", "; };
  for (ControleDialogue* c : {&liste, &texte, &coche}) c->montrer_dans(&vue);
  liste.set_ListIndex(1);  // the items come with the layout
  liste.set_ListIndex(1);
  texte.set_Text(L"C:\\");
  texte.set_Text(L"C:\\");
  texte.par_l_utilisateur_Text(L"C:\\a");
  coche.set_Value(2);
  for (int hors : {3, -2}) EXPECT_THROW(liste.set_ListIndex(hors), Echec);
  for (int hors : {3, -1}) EXPECT_THROW(coche.set_Value(hors), Echec);
  liste.Clear();  // no click
  EXPECT_EQ(journal + std::to_wstring(liste.ListIndex()), L"liste 1, texte C:\\, texte C:\\a, coche 2, -1");
  // Typing is already on screen: only changes from code are shown again.
  EXPECT_EQ(vue.actualises, (std::vector<std::wstring>{L"lstTaille", L"txtDossier", L"chkInfos", L"lstTaille"}));
}

}  // namespace
}  // namespace pixavue
