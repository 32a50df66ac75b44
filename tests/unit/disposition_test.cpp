// The layouts: every control the code names exists, and the dialog's tab
// order covers each of its controls that can sit in it exactly once.
#include <gtest/gtest.h>

#include <set>

#include "fakes.h"
#include "layouts/frmOptions.h"
#include "layouts/frmVeille.h"
#include "screensaver/frmVeille.h"

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

TEST(Disposition, ScreensaverWindowStartsAsDesigned) {
  test::Banc banc;
  frmVeille a96{banc.services(), 96};
  EXPECT_TRUE(a96.txtInfos.Visible);
  EXPECT_EQ(a96.txtInfos.Caption, L"PREPARATION DE L'ECRAN DE VEILLE...");
  EXPECT_FALSE(a96.lblInfo.Visible || a96.lblCopyright.Visible || a96.lblCliquez.Visible || a96.Picture1.Visible);
  EXPECT_TRUE(a96.Image1[0].Visible && a96.Image1[1].Visible);
  EXPECT_DOUBLE_EQ(a96.Image1[1].Left, 96);
  EXPECT_DOUBLE_EQ(a96.Image1[1].Top, -4);
  EXPECT_DOUBLE_EQ(a96.lblCliquez.Width, 367);

  frmVeille a144{banc.services(), 144};  // twips meet the real dots per inch
  EXPECT_DOUBLE_EQ(a144.lblCliquez.Width, 550.5);
  EXPECT_DOUBLE_EQ(a144.Picture1.Height, 2355 / 10.0);
}

}  // namespace
}  // namespace pixavue
