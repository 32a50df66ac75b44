// The dialog's tab order covers each of its controls that can sit in it exactly once.
#include <gtest/gtest.h>

#include <set>

#include "layouts/frmOptions.h"

namespace pixavue {
namespace {

TEST(Disposition, TabOrderNamesEachDialogControlOnce) {
  std::set<std::pair<std::wstring_view, int>> vus;
  for (auto [nom, indice] : kOrdreTabulation) {
    EXPECT_NE(trouver(kDispositionOptions, nom, indice), nullptr) << std::wstring(nom) << L"(" << indice << L")";
    EXPECT_TRUE(vus.insert({nom, indice}).second) << std::wstring(nom) << L" twice";
  }
  for (const auto& c : kDispositionOptions.controles) {
    bool hors_tabulation = c.genre == Genre::ligne || c.genre == Genre::dialogue_commun;
    EXPECT_EQ(vus.count({c.nom, c.indice}) == 0, hors_tabulation) << std::wstring(c.nom);
  }
  EXPECT_NE(trouver(kDispositionOptions, kBoutonParDefaut), nullptr);
  EXPECT_NE(trouver(kDispositionOptions, kBoutonAnnuler), nullptr);
}

}  // namespace
}  // namespace pixavue
