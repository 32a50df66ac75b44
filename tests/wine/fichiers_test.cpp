// The real file system behind the file list, and a full-screen start-up of
// the real window in-process, reading the real registry.
#include <gtest/gtest.h>

#include "dossier_essai.h"
#include "platform/win32/ecran_win32.h"
#include "platform/win32/fenetre_veille.h"
#include "platform/win32/fichiers_win32.h"
#include "platform/win32/images_win32.h"
#include "platform/win32/magasin_registre.h"
#include "settings/types_images.h"

namespace pixavue::win32 {
namespace {

TEST(Fichiers, PlainVisibleFilesOnlyWhateverTheirNames) {
  test::DossierEssai dossier(L"pixavue-fichiers");
  dossier.fichier(L"photo été 写真.jpg");
  dossier.fichier(L"b.GIF");
  dossier.fichier(L"cache.jpg", FILE_ATTRIBUTE_HIDDEN);
  dossier.dossier(L"dossier.jpg");
  FichiersWin32 fichiers;

  auto noms = fichiers.fichiers_du_dossier(dossier.chemin());
  ASSERT_TRUE(noms);
  std::sort(noms->begin(), noms->end());
  EXPECT_EQ(*noms, (std::vector<std::wstring>{L"b.GIF", L"photo été 写真.jpg"}));
  EXPECT_EQ(fichiers.fichiers_du_dossier(dossier.chemin() + L"\\"), noms);  // a trailing separator is fine

  EXPECT_FALSE(fichiers.fichiers_du_dossier(dossier.chemin() + L"\\absent"));
  EXPECT_FALSE(fichiers.fichiers_du_dossier(dossier.chemin() + L"\\b.GIF"));  // a file is no folder
  EXPECT_FALSE(fichiers.fichiers_du_dossier(L""));
  EXPECT_FALSE(fichiers.dossier_windows().empty());
}

// Every other service is the real one; the command line is the test's.
struct ProcessusPleinEcran : Processus {
  bool autre_instance() override { return false; }
  std::wstring argument() override { return L"/s"; }
  void terminer() override {}
};

TEST(Fichiers, AFullScreenStartUpListsMatchingFilesSortedWithoutRegardToCase) {
  test::DossierEssai dossier(L"pixavue-liste");
  for (const wchar_t* nom : {L"b.jpg", L"A.BMP", L"photo été 写真.jpg", L"c.Jpeg", L"notes.txt", L"a.emf"})
    dossier.fichier(nom);
  dossier.dossier(L"dossier.gif");

  MagasinRegistre magasin;
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
  magasin.ecrire_parametre(L"PixavueSCR", L"parametres", L"dossier demarrage", dossier.chemin());

  ProcessusPleinEcran processus;
  EcranWin32 ecran;
  FichiersWin32 fichiers;
  InitialisationCom com;
  ImagesWin32 images(points_par_pouce());
  FenetreVeille fenetre(GetModuleHandleW(nullptr), points_par_pouce());
  frmVeille veille({magasin, processus, ecran, fichiers, fenetre, fenetre, images}, points_par_pouce());
  fenetre.attacher(veille);
  EXPECT_EQ(veille.Form_Load(), SuiteDemarrage::fenetre);
  ecran.afficher_curseur(true);  // undo the start-up's hiding for the tests after this one

  ASSERT_EQ(veille.NombreImages, 5);
  const wchar_t* attendus[] = {L"A.BMP", L"a.emf", L"b.jpg", L"c.Jpeg", L"photo été 写真.jpg"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(veille.ListeFichiers.List(i), attendus[i]);
  EXPECT_EQ(veille.LargeurEcran, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(veille.HauteurEcran, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(magasin.lire_parametre(L"PixavueSCR", L"parametres", L"taille"), L"1");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");
}

}  // namespace
}  // namespace pixavue::win32
