// The platform's Windows services against the real system: the registry,
// the command line, the program's resources, and the file system behind the
// file list.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "outils.h"
#include "win32/chemin_long.h"
#include "win32/fichiers_win32.h"
#include "win32/magasin_registre.h"
#include "win32/processus_win32.h"

namespace pixavue::win32 {
namespace {

// A value of another type reads empty. Texts, however long or odd, the
// end-to-end runs write and read back.
TEST(Registre, AValueOfAnotherTypeReadsEmpty) {
  const DWORD nombre = 4;
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR\\parametres", L"dossier demarrage", REG_DWORD, &nombre,
                  sizeof nombre);
  EXPECT_EQ(test::lire_reglage(L"dossier demarrage"), L"");
  test::effacer_reglages();
}

TEST(Processus, ArgumentFollowsTheProgramAndOneBlank) {
  std::wstring arguments;
  for (const wchar_t* ligne :
       {LR"("C:\Program Files\Pixavue.scr" /s)", LR"("C:\Program Files\Pixavue.scr"  /s)",
        LR"(C:\windows\Pixavue.scr /p 1234)", L"Pixavue.scr", LR"("Pixavue.scr")", LR"("Pixavue.scr"/c:5)", L""})
    arguments += L"[" + argument_de(ligne) + L"]";
  EXPECT_EQ(arguments, L"[/s][ /s][/p 1234][][][/c:5][]");
}

// There and usable, loaded the way Windows loads them.
TEST(Ressources, VersionBlockNameIconAndHandCursor) {
  EXPECT_GT(GetFileVersionInfoSizeW(L"Pixavue.scr", nullptr), 0u);
  HMODULE module = LoadLibraryExW(L"Pixavue.scr", nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  wchar_t nom[32] = {};
  LoadStringW(module, 1, nom, 32);
  EXPECT_STREQ(nom, L"PixavueSCR");  // what the screen saver list shows
  for (auto [numero, type, taille] : {std::tuple{1, IMAGE_ICON, 32}, {1, IMAGE_ICON, 16}, {2, IMAGE_CURSOR, 0}})
    EXPECT_NE(LoadImageW(module, MAKEINTRESOURCEW(numero), type, taille, taille, LR_SHARED), nullptr) << numero;
  FreeLibrary(module);
}

TEST(Fichiers, WhatTheListingAndEachSearchCountAsFound) {
  test::DossierEssai dossier(L"pixavue-fichiers");
  const std::wstring un_fichier = test::echantillon(L"lisez-moi.txt");
  for (const wchar_t* nom : {L"aide.htm", L"photo été 写真.jpg"}) dossier.copier(un_fichier, nom);
  dossier.copier(un_fichier, L"cachee.htm", FILE_ATTRIBUTE_HIDDEN);
  dossier.copier(un_fichier, L"systeme.htm", FILE_ATTRIBUTE_SYSTEM);
  dossier.dossier(L"sous.jpg");
  FichiersWin32 fichiers;
  const std::wstring d = dossier.chemin() + L"\\";
  // Every entry, "/" after a folder, "*" after one hidden or system,
  // whatever their names; a trailing separator names the same folder.
  std::vector<IdentiteDossier> identites;
  for (const std::wstring& chemin : {dossier.chemin(), d}) {
    auto contenu = fichiers.lire_dossier(chemin);
    ASSERT_TRUE(contenu && contenu->identite) << chemin;
    identites.push_back(*contenu->identite);
    std::vector<std::wstring> vues;
    for (const auto& e : contenu->entrees) vues.push_back(e.nom + (e.dossier ? L"/" : L"") + (e.cache ? L"*" : L""));
    std::sort(vues.begin(), vues.end());
    EXPECT_EQ(vues, (std::vector<std::wstring>{L"aide.htm", L"cachee.htm*", L"photo été 写真.jpg", L"sous.jpg/",
                                               L"systeme.htm*"}));
  }
  const auto sous = fichiers.lire_dossier(d + L"sous.jpg");
  ASSERT_TRUE(sous && sous->identite);
  EXPECT_TRUE(identites[0] == identites[1] && identites[0] != *sous->identite);
  for (const std::wstring& pas_un_dossier : {d + L"absent", d + L"aide.htm", std::wstring()})
    EXPECT_FALSE(fichiers.lire_dossier(pas_un_dossier)) << pas_un_dossier;

  // Found as any entry, as a plain file, as a folder: "o" yes, "." no.
  std::string trouves;
  for (const std::wstring& chemin :
       {d + L"aide.htm", d + L"cachee.htm", d + L"systeme.htm", d + L"sous.jpg", d + L"a*.htm", d + L"so*",
        d + L"absent.htm", std::wstring(), d, dossier.chemin() + L"/", std::wstring(L"C:\\"), d + L"aide.htm\\",
        d + L"absent\\", d + L"so*\\"}) {
    for (Recherche quoi : {Recherche::toute_entree, Recherche::fichier_ordinaire, Recherche::dossier})
      trouves += fichiers.existe(chemin, quoi) ? 'o' : '.';
    trouves += ' ';
  }
  // A folder with its last separator, and a drive root, are folders.
  EXPECT_EQ(trouves, "oo. o.. o.. o.o oo. o.. ... ... o.o o.o o.o ... ... ... ");
}

// Short paths pass as they are; long ones take their long form, made from
// the full path, since the system reads that form without normalising it.
TEST(CheminLong, OnlyLongPathsTakeTheLongFormFromTheirFullPath) {
  const std::wstring n(300, L'n');
  EXPECT_EQ(chemin_long(L"C:\\images\\a.bmp"), L"C:\\images\\a.bmp");
  EXPECT_EQ(chemin_long(L"C:\\images\\" + n), L"\\\\?\\C:\\images\\" + n);
  EXPECT_EQ(chemin_long(L"C:/images/autres/../" + n), L"\\\\?\\C:\\images\\" + n);
  EXPECT_EQ(chemin_long(L"\\\\serveur\\partage\\" + n), L"\\\\?\\UNC\\serveur\\partage\\" + n);
  EXPECT_EQ(chemin_long(L"\\\\?\\C:\\" + n), L"\\\\?\\C:\\" + n);
}

// Sort keys order names exactly as the system compares them: by the user's
// locale, without regard to case; accented capitals and ligatures among
// their plain letters. Keys longer than the usual buffer take the longer way.
TEST(CleDeTri, KeysOrderNamesAsTheSystemComparesThem) {
  std::vector<std::wstring> noms = {L"b.bmp",  L"B.bmp",  L"a.bmp",  L"A10.bmp",  L"a2.bmp",    L"é.bmp",    L"e.bmp",
                                    L"f.bmp",  L"_x.bmp", L"-y.bmp", L"写真.bmp", L"Zèbre.jpg", L"ça.gif",   L"ß.bmp",
                                    L"ss.bmp", L"1.bmp",  L"10.bmp", L"Œuf.jpg",  L"École.jpg", L"zebre.jpg"};
  noms.insert(noms.end(), {std::wstring(250, L'é') + L"a.bmp", std::wstring(250, L'E') + L"b.bmp"});
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
  EXPECT_GT(fichiers.cle_de_tri(noms.back()).size(), 512u);
}

}  // namespace
}  // namespace pixavue::win32
