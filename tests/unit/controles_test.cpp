// The dialog's controls: a value set from code runs the control's reaction
// at once, once, and only when it changes; the real control is told.
#include "options/controles.h"

#include <gtest/gtest.h>

#include "faux_dialogue.h"
#include "layouts/frmOptions.h"

namespace pixavue {
namespace {

TEST(Controles, AReactionRunsOnceAndOnlyWhenTheValueChanges) {
  test::FausseFenetreDialogue vue;
  ControleDialogue liste(kDispositionOptions, L"lstTaille");
  ControleDialogue texte(kDispositionOptions, L"txtDossier");
  liste.montrer_dans(&vue);
  texte.montrer_dans(&vue);
  std::vector<std::wstring> journal;
  liste.reaction = [&] { journal.push_back(L"liste " + std::to_wstring(liste.ListIndex())); };
  texte.reaction = [&] { journal.push_back(L"texte " + texte.Text()); };

  EXPECT_EQ(liste.ListCount(), 3);  // the items come with the layout
  liste.set_ListIndex(1);
  liste.set_ListIndex(1);
  texte.set_Text(L"C:\\");
  texte.set_Text(L"C:\\");
  texte.par_l_utilisateur_Text(L"C:\\a");
  EXPECT_EQ(journal, (std::vector<std::wstring>{L"liste 1", L"texte C:\\", L"texte C:\\a"}));
  // Typing is already on screen: only changes from code are shown again.
  EXPECT_EQ(vue.actualises, (std::vector<std::wstring>{L"lstTaille", L"txtDossier"}));

  EXPECT_THROW(liste.set_ListIndex(3), Echec);
  EXPECT_THROW(liste.set_ListIndex(-2), Echec);
  EXPECT_EQ(liste.ListIndex(), 1);
  liste.Clear();  // no click
  EXPECT_EQ(liste.ListIndex(), -1);
  EXPECT_EQ(journal.size(), 3u);
}

TEST(Controles, OptionButtonsOfAGroupClearEachOtherAndCheckBoxesTakeThreeStates) {
  ControleDialogue aleatoire(kDispositionOptions, L"optCouleur", 0), definie(kDispositionOptions, L"optCouleur", 1);
  aleatoire.grouper_avec(definie);
  definie.grouper_avec(aleatoire);
  int clics_aleatoire = 0, clics_definie = 0;
  aleatoire.reaction = [&] { ++clics_aleatoire; };
  definie.reaction = [&] { ++clics_definie; };
  EXPECT_EQ(aleatoire.Value(), 1);  // as laid out
  definie.set_Value(1);
  EXPECT_EQ(aleatoire.Value(), 0);
  EXPECT_EQ(clics_definie, 1);
  EXPECT_EQ(clics_aleatoire, 0);  // cleared, not clicked
  EXPECT_THROW(definie.set_Value(2), Echec);

  ControleDialogue caseacocher(kDispositionOptions, L"chkInfos");
  caseacocher.set_Value(2);
  EXPECT_EQ(caseacocher.Value(), 2);
  EXPECT_THROW(caseacocher.set_Value(3), Echec);
  EXPECT_THROW(caseacocher.set_Value(-1), Echec);
}

}  // namespace
}  // namespace pixavue
