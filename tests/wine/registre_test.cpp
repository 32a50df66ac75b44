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

  // Long and non-Latin texts: the end-to-end test of hostile settings reads them back.
  magasin.ecrire_parametre(kEssai, L"parametres", L"dossier demarrage", L"D:\\b");
  EXPECT_EQ(magasin.lire_parametre(kEssai, L"parametres", L"dossier demarrage"), L"D:\\b");
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
