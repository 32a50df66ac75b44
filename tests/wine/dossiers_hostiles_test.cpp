// Folders that make a slideshow's life hard, with the real file system: odd
// names, files and a folder that vanish or are locked before their tick,
// 100,000 files.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banc_reel.h"
#include "outils.h"

namespace pixavue::win32 {
namespace {

// One letter a tick: "." its picture shown, captioned with its path in that
// folder; "E" the error text; "?" anything else.
std::wstring ticks(test::BancReel& banc, const std::wstring& dossier, int nombre) {
  std::wstring vus;
  const auto& v = banc.veille;
  while (nombre-- > 0) {
    banc.tick();
    if (v.txtInfos.Visible)
      vus += v.txtInfos.Caption == L"Erreur lors de la lecture du fichier" ? L'E' : L'?';
    else
      vus += v.Image1[1].Visible && v.lblInfo.Caption.starts_with(dossier + L"\\") ? L'.' : L'?';
  }
  return vus;
}

TEST(DossiersHostiles, NamesWithEveryAllowedOddCharacterShow) {
  test::DossierEssai dossier(L"pixavue noms étranges");
  const std::wstring long_nom(200, L'n');
  for (const std::wstring nom : {L"a b", L"été", L"写真", L"#%&'()+,;=@[]^_{}~!$", L" espace devant",
                                 L"points... multiples", L"\U0001F5BC", long_nom.c_str()})
    ASSERT_TRUE(dossier.copier(test::echantillon(L"colline.bmp"), nom + L".bmp"));
  dossier.dossier(L"un sous-dossier.bmp");  // never listed
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}, {L"taille", L"1"}};
  EXPECT_EQ(banc.veille.NombreImages, 8);
  EXPECT_EQ(ticks(banc, dossier.chemin(), 8), L"........");
}

// Between the listing and a file's tick, the file goes away, or another
// program holds it, or its whole folder goes: that tick shows the error text,
// and the run goes on.
TEST(DossiersHostiles, AFileOrFolderThatVanishesOrIsLockedBeforeItsTickTakesTheErrorPath) {
  auto dossier = std::make_unique<test::DossierEssai>(L"pixavue fichiers qui partent");
  const std::wstring chemin = dossier->chemin();
  for (const wchar_t* nom : {L"a.bmp", L"b.bmp", L"c.bmp"}) dossier->copier(test::echantillon(L"colline.bmp"), nom);
  test::BancReel banc{{L"dossier demarrage", chemin}};
  banc.images.attendre();
  DeleteFileW((chemin + L"\\a.bmp").c_str());
  HANDLE verrou =
      CreateFileW((chemin + L"\\b.bmp").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(verrou, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ticks(banc, chemin, 2), L"EE");
  CloseHandle(verrou);
  EXPECT_EQ(ticks(banc, chemin, 2), L".E");  // c.bmp, then a.bmp still gone
  banc.images.attendre();
  dossier.reset();
  EXPECT_EQ(ticks(banc, chemin, 4), L"EEEE");
  EXPECT_EQ(banc.processus.terminaisons, 0);
}

// The start-up lists 100,000 files once; the first tick shows the first;
// the list costs memory in proportion to the names, nothing more.
TEST(DossiersHostiles, AHundredThousandFilesAreListedAndTheFirstTickShows) {
  const SIZE_T avant = test::Ressources::memoire_engagee();
  const std::wstring dossier = test::chemin_wine(PIXAVUE_DOSSIERS, L"100000");
  test::BancReel banc{{L"dossier demarrage", dossier}};
  EXPECT_EQ(banc.veille.NombreImages, 100000);
  EXPECT_EQ(ticks(banc, dossier, 1), L".");
  EXPECT_LT(test::Ressources::memoire_engagee() - avant, 64u << 20) << "bytes committed by the listing";
}

}  // namespace
}  // namespace pixavue::win32
