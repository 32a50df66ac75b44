// The settings store in the real registry.
#include <windows.h>
#include <gtest/gtest.h>

#include "win32/magasin_registre.h"

namespace pixavue::win32 {
namespace {

constexpr wchar_t kEssai[] = L"PixavueSCR.essai";

struct Registre : ::testing::Test {
  MagasinRegistre magasin;
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR.essai"); }
  void TearDown() override { SetUp(); }
};

TEST_F(Registre, AbsentAndEmptyReadAlikeAndTextComesBackWhole) {
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"dossier demarrage"), L"");
  magasin.ecrire_parametre(kEssai, L"parametres", L"couleur fond", L"");
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"couleur fond"), L"");

  const std::wstring dossier = L"C:\\photo été 写真";
  magasin.ecrire_parametre(kEssai, L"parametres", L"dossier demarrage", dossier);
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"dossier demarrage"), dossier);
  magasin.ecrire_parametre(kEssai, L"parametres", L"dossier demarrage", L"D:\\b");
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"dossier demarrage"), L"D:\\b");

  std::wstring long_texte(5000, L'x');
  magasin.ecrire_parametre(kEssai, L"parametres", L"son", long_texte);
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"son"), long_texte);
}

TEST_F(Registre, ValuesAreStringsUnderSoftwareApplicationSection) {
  magasin.ecrire_parametre(kEssai, L"parametres", L"secondes", L"4");
  DWORD type = 0;
  wchar_t valeur[8] = {};
  DWORD octets = sizeof valeur;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR.essai\\parametres", L"secondes", RRF_RT_ANY, &type,
                         valeur, &octets),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(valeur, L"4");
}

TEST_F(Registre, AValueOfAnotherTypeReadsEmpty) {
  DWORD nombre = 4;
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR.essai\\parametres", L"secondes", REG_DWORD, &nombre,
                  sizeof nombre);
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"secondes"), L"");
}

}  // namespace
}  // namespace pixavue::win32
