// Folders that make a slideshow's life hard, with the real file system: odd
// names, files and a folder that vanish or are locked before their tick,
// 100,000 files, a tree that leads back to its top, and folders whose
// listing answers late or not at all.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banc_reel.h"
#include "lancement.h"
#include "outils.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;

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

// The real program over a tree (scripts/make-folders.py): red a.bmp at its
// top, green 2019\\b.bmp beside 2019\\lien, a link back to the top, blue
// zz\\c.bmp, and yellow .cache\\d.bmp, hidden. The screen's middle, read
// while the ticks go by, runs red, green, blue, round after round.
TEST(Arbre, EachPictureOfTheTreeOnceARoundNeitherAHiddenFolderNorALinkBackUp) {
  test::ecrire_reglages({{L"dossier demarrage", test::chemin_wine(PIXAVUE_DOSSIERS, L"arbre")},
                         {L"sous dossiers", L"1"},
                         {L"secondes", L"-0.6"},  // a tick every 400 ms
                         {L"taille", L"2"},
                         {L"couleur fond", L"0"}});
  test::Lancement lancement(L"/s");
  ASSERT_NE(lancement.fenetre(L"frmVeille"), nullptr);
  const POINT milieu{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
  std::string vues;
  for (auto fin = std::chrono::steady_clock::now() + 6s; std::chrono::steady_clock::now() < fin; Sleep(40))
    if (const char vue = test::teinte(test::pixel_ecran(milieu)); vues.empty() || vues.back() != vue) vues += vue;
  vues.erase(0, vues.find('R'));  // the start-up's grey before the first picture
  std::string rondes;
  while (rondes.size() < vues.size()) rondes += "RVB";
  EXPECT_GE(vues.size(), 9u) << vues;
  EXPECT_EQ(vues, rondes.substr(0, vues.size()));
  EXPECT_EQ(lancement.sortie(0ms), STILL_ACTIVE);
  test::effacer_reglages();
}

// Folders on FUSE whose listing answers after 8 s, or 3 s (dossiers_lents.sh,
// holding the samples): the window covers the screen at once and takes
// input meanwhile, or shows the pictures once they are listed.
TEST(DossiersLents, AFolderThatDoesntAnswerNeitherHoldsTheWindowNorItsInput) {
  const int l = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const POINT points[] = {{l / 2, h / 2}, {3, 3}, {l - 3, h - 3}, {l - 3, 3}, {3, h - 3}, {l / 4, h / 3}};
  const COLORREF gris = GetSysColor(COLOR_BTNFACE), rouge = RGB(255, 0, 0);
  for (const bool bloque : {true, false}) {
    SCOPED_TRACE(testing::Message() << (bloque ? "blocked" : "late"));
    const wchar_t* dossier = bloque ? L"bloque" : L"tardif";
    test::ecrire_reglages({{L"dossier demarrage", test::chemin_wine(PIXAVUE_LENTS, dossier)},
                           {L"secondes", L"-0.5"},
                           {L"couleur fond", L"255"}});
    test::bouger_souris_vers(points[0]);
    const auto debut = std::chrono::steady_clock::now();
    test::Lancement lancement(L"/s");
    ASSERT_NE(lancement.fenetre(L"frmVeille"), nullptr);
    // Covered, the start-up's grey everywhere, while the folder has not answered.
    EXPECT_TRUE(test::attendre_que([&] { return test::pixel_ecran({3, 3}) == gris; }, 2s));
    EXPECT_EQ(test::pixel_ecran({l - 3, h - 3}), gris);
    if (!bloque) {
      // Listed, the first picture shows over the background, in the middle.
      EXPECT_TRUE(test::attendre_que([&] { return test::pixel_ecran({3, 3}) == rouge; }, 6s));
      EXPECT_NE(test::pixel_ecran(points[0]), rouge);
    }
    for (int i = 1; i < 6; ++i) test::bouger_souris_vers(points[i]);  // Wine may add one of its own
    test::bouger_souris_vers(points[0]);
    // Gone from the screen within a second of the sixth move, and the
    // process ends, with code 0, once the system lets it.
    const COLORREF fond = bloque ? gris : rouge;
    EXPECT_TRUE(test::attendre_que([&] { return test::pixel_ecran({3, 3}) != fond; }, 1s));
    if (bloque) {
      EXPECT_LT(std::chrono::steady_clock::now() - debut, 8s) << "the folder answered first";
    }
    EXPECT_EQ(lancement.sortie(15s), 0u);
  }
  test::effacer_reglages();
}

}  // namespace
}  // namespace pixavue::win32
