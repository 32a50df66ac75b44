// The real file system behind the file list, and a full-screen start-up of
// the real window in-process, reading the real registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "banc_reel.h"
#include "dossier_essai.h"
#include "win32/chemin_long.h"

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

TEST(Fichiers, WhatEachSearchCountsAsFound) {
  test::DossierEssai dossier(L"pixavue-recherche");
  dossier.fichier(L"aide.htm");
  dossier.fichier(L"cachee.htm", FILE_ATTRIBUTE_HIDDEN);
  dossier.fichier(L"systeme.htm", FILE_ATTRIBUTE_SYSTEM);
  dossier.dossier(L"sous");
  FichiersWin32 fichiers;
  const std::wstring d = dossier.chemin() + L"\\";
  struct Cas {
    std::wstring chemin;
    bool toute_entree, fichier_ordinaire, un_dossier;
  } cas[] = {
      {d + L"aide.htm", true, true, false},     {d + L"cachee.htm", true, false, false},
      {d + L"systeme.htm", true, false, false}, {d + L"sous", true, false, true},
      {d + L"a*.htm", true, true, false},       {d + L"so*", true, false, false},
      {d + L"absent.htm", false, false, false}, {L"", false, false, false},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(fichiers.existe(c.chemin, Recherche::toute_entree), c.toute_entree) << c.chemin;
    EXPECT_EQ(fichiers.existe(c.chemin, Recherche::fichier_ordinaire), c.fichier_ordinaire) << c.chemin;
    EXPECT_EQ(fichiers.existe(c.chemin, Recherche::dossier), c.un_dossier) << c.chemin;
  }
}

TEST(Fichiers, AFullScreenStartUpListsMatchingFilesSortedWithoutRegardToCase) {
  test::DossierEssai dossier(L"pixavue-liste");
  // Accented capitals and ligatures sort among their plain letters, as the
  // system's own lists show them, not after every plain name.
  for (const wchar_t* nom : {L"zèbre.jpg", L"Œuf.jpg", L"b.jpg", L"A.BMP", L"été.jpg", L"photo été 写真.jpg", L"c.Jpeg",
                             L"notes.txt", L"École.jpg", L"a.emf", L"Eau.jpg", L"fleur.jpg"})
    dossier.fichier(nom);
  dossier.dossier(L"dossier.gif");
  test::BancReel banc{{L"dossier demarrage", dossier.chemin()}};

  const std::vector<std::wstring> attendus = {L"A.BMP",     L"a.emf",   L"b.jpg",     L"c.Jpeg",  L"Eau.jpg",
                                              L"École.jpg", L"été.jpg", L"fleur.jpg", L"Œuf.jpg", L"photo été 写真.jpg",
                                              L"zèbre.jpg"};
  std::vector<std::wstring> listes;
  for (int i = 0; i < banc.veille.ListeFichiers.ListCount(); ++i) listes.push_back(banc.veille.ListeFichiers.List(i));
  EXPECT_EQ(listes, attendus);
  EXPECT_EQ(banc.veille.NombreImages, 11);
}

// Short paths pass as they are; long ones take their long form, made from
// the full path, since the system reads that form without normalising it.
TEST(CheminLong, OnlyLongPathsTakeTheLongFormFromTheirFullPath) {
  EXPECT_EQ(chemin_long(L"C:\\images\\a.bmp"), L"C:\\images\\a.bmp");
  const std::wstring long_nom(300, L'n');
  EXPECT_EQ(chemin_long(L"C:\\images\\" + long_nom), L"\\\\?\\C:\\images\\" + long_nom);
  EXPECT_EQ(chemin_long(L"C:/images/autres/../" + long_nom), L"\\\\?\\C:\\images\\" + long_nom);
  EXPECT_EQ(chemin_long(L"\\\\serveur\\partage\\" + long_nom), L"\\\\?\\UNC\\serveur\\partage\\" + long_nom);
  EXPECT_EQ(chemin_long(L"\\\\?\\C:\\" + long_nom), L"\\\\?\\C:\\" + long_nom);
}

// Sort keys order names exactly as the system compares them: by the user's
// locale, without regard to case.
TEST(CleDeTri, KeysOrderNamesAsTheSystemComparesThem) {
  std::vector<std::wstring> noms = {L"b.bmp",     L"B.bmp",  L"a.bmp",  L"A10.bmp", L"a2.bmp",   L"é.bmp",
                                    L"e.bmp",     L"f.bmp",  L"_x.bmp", L"-y.bmp",  L"写真.bmp", L"Zèbre.jpg",
                                    L"zebre.jpg", L"ça.gif", L"ß.bmp",  L"ss.bmp",  L"1.bmp",    L"10.bmp"};
  // Keys longer than the usual buffer take the longer way.
  for (const std::wstring& long_nom : {std::wstring(250, L'é') + L"a.bmp", std::wstring(250, L'E') + L"b.bmp"})
    noms.push_back(long_nom);
  FichiersWin32 fichiers;
  auto selon_le_systeme = noms, selon_les_cles = noms;
  std::stable_sort(selon_le_systeme.begin(), selon_le_systeme.end(), [](const std::wstring& a, const std::wstring& b) {
    const int ordre = CompareStringEx(LOCALE_NAME_USER_DEFAULT, LINGUISTIC_IGNORECASE, a.data(), int(a.size()),
                                      b.data(), int(b.size()), nullptr, nullptr, 0);
    return ordre != CSTR_EQUAL ? ordre == CSTR_LESS_THAN : a < b;
  });
  std::stable_sort(selon_les_cles.begin(), selon_les_cles.end(), [&](const std::wstring& a, const std::wstring& b) {
    return std::pair(fichiers.cle_de_tri(a), a) < std::pair(fichiers.cle_de_tri(b), b);
  });
  EXPECT_EQ(selon_les_cles, selon_le_systeme);
  EXPECT_FALSE(fichiers.cle_de_tri(L"a.bmp").empty());
  EXPECT_GT(fichiers.cle_de_tri(noms.back()).size(), 512u);
}

}  // namespace
}  // namespace pixavue::win32
