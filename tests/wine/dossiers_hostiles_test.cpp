// Folders that make a slideshow's life hard, with the real file system: odd
// names, files that vanish or are locked before their tick, a folder that
// disappears, a path past the classic limit, 100,000 files.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "echantillons.h"

namespace pixavue::win32 {
namespace {

constexpr const wchar_t* kErreur = L"Erreur lors de la lecture du fichier";

void copier(const std::wstring& vers) {
  ASSERT_TRUE(CopyFileW(test::echantillon(L"colline.bmp").c_str(), vers.c_str(), FALSE));
}

// Every tick shows its picture, captioned with its path.
void chaque_tick_montre(test::BancReel& banc, const std::wstring& dossier, std::vector<std::wstring> noms) {
  for (int tour = 0; tour < static_cast<int>(noms.size()); ++tour) {
    banc.tick();
    EXPECT_FALSE(banc.veille.txtInfos.Visible) << banc.veille.lblInfo.Caption;
    EXPECT_TRUE(banc.veille.Image1[1].Visible);
    EXPECT_TRUE(banc.veille.lblInfo.Caption.starts_with(dossier + L"\\")) << banc.veille.lblInfo.Caption;
  }
}

TEST(DossiersHostiles, NamesWithEveryAllowedOddCharacterShow) {
  test::DossierEssai dossier(L"pixavue noms étranges");
  const std::vector<std::wstring> noms = {L"a b.bmp",
                                          L"été.bmp",
                                          L"写真.bmp",
                                          L"#%&'()+,;=@[]^_{}~!$.bmp",
                                          L" espace devant.bmp",
                                          L"points... multiples.bmp",
                                          L"\U0001F5BC.bmp",
                                          std::wstring(200, L'n') + L".bmp"};
  for (const auto& nom : noms) copier(dossier.chemin() + L"\\" + nom);
  dossier.dossier(L"un sous-dossier.bmp");  // never listed
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", L"1"}};
  EXPECT_EQ(banc.veille.NombreImages, static_cast<int>(noms.size()));
  chaque_tick_montre(banc, dossier.chemin(), noms);
}

// Between the listing and a file's tick, the file goes away or another
// program holds it: that tick shows the error text, and the next goes on.
TEST(DossiersHostiles, AFileThatVanishesOrIsLockedBeforeItsTickTakesTheErrorPath) {
  test::DossierEssai dossier(L"pixavue fichiers qui partent");
  for (const wchar_t* nom : {L"a.bmp", L"b.bmp", L"c.bmp"}) copier(dossier.chemin() + L"\\" + nom);
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}};
  banc.images.attendre();
  DeleteFileW((dossier.chemin() + L"\\a.bmp").c_str());
  HANDLE verrou = CreateFileW((dossier.chemin() + L"\\b.bmp").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(verrou, INVALID_HANDLE_VALUE);
  banc.tick();
  EXPECT_EQ(banc.veille.txtInfos.Caption, kErreur);
  EXPECT_TRUE(banc.veille.txtInfos.Visible);
  banc.tick();
  EXPECT_TRUE(banc.veille.txtInfos.Visible);
  CloseHandle(verrou);
  banc.tick();
  EXPECT_FALSE(banc.veille.txtInfos.Visible);  // c.bmp
  EXPECT_EQ(banc.processus.terminaisons, 0);
}

TEST(DossiersHostiles, AFolderThatDisappearsDuringTheRunLeavesItGoingOn) {
  auto dossier = std::make_unique<test::DossierEssai>(L"pixavue dossier qui part");
  for (const wchar_t* nom : {L"a.bmp", L"b.bmp"}) copier(dossier->chemin() + L"\\" + nom);
  test::BancReel banc{{L"dossier demarrage", dossier->chemin()}};
  banc.tick();
  EXPECT_FALSE(banc.veille.txtInfos.Visible);
  banc.images.attendre();
  dossier.reset();
  for (int tick = 0; tick < 4; ++tick) {
    banc.tick();
    EXPECT_EQ(banc.veille.txtInfos.Caption, kErreur);
  }
  EXPECT_EQ(banc.processus.terminaisons, 0);
}

// Past 260 characters the program takes the path's long form itself.
TEST(DossiersHostiles, AFolderPathLongerThanTheClassicLimitIsListedAndShown) {
  test::DossierEssai racine(L"pixavue chemin long");
  std::wstring dossier = racine.chemin();
  while (dossier.size() < 300) {
    dossier += L"\\un dossier au nom assez long pour aller loin";
    ASSERT_TRUE(CreateDirectoryW((LR"(\\?\)" + dossier).c_str(), nullptr));
  }
  for (const wchar_t* nom : {L"a.bmp", L"b.bmp"}) copier(LR"(\\?\)" + dossier + L"\\" + nom);
  test::BancReel banc{{L"dossier demarrage", dossier}};
  EXPECT_EQ(banc.veille.NombreImages, 2);
  chaque_tick_montre(banc, dossier, {L"a.bmp", L"b.bmp"});
}

// The start-up lists 100,000 files once; the first tick shows the first;
// the list costs memory in proportion to the names, nothing more.
TEST(DossiersHostiles, AHundredThousandFilesAreListedAndTheFirstTickShows) {
  const auto avant = test::Ressources::maintenant();
  test::BancReel banc{{L"dossier demarrage", test::chemin_wine(PIXAVUE_DOSSIERS, L"100000")}};
  EXPECT_EQ(banc.veille.NombreImages, 100000);
  banc.tick();
  EXPECT_FALSE(banc.veille.txtInfos.Visible);
  const auto apres = test::Ressources::maintenant();
  EXPECT_LT(apres.memoire - avant.memoire, 64u << 20) << "bytes committed by the listing";
}

}  // namespace
}  // namespace pixavue::win32
