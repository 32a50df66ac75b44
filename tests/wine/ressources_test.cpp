// The resources linked into Pixavue.scr, read back the way Windows reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace pixavue::win32 {
namespace {

std::wstring valeur_version(const std::vector<BYTE>& bloc, const wchar_t* cle) {
  void* valeur = nullptr;
  UINT longueur = 0;
  std::wstring chemin = std::wstring(L"\\StringFileInfo\\040C04B0\\") + cle;
  if (!VerQueryValueW(bloc.data(), chemin.c_str(), &valeur, &longueur) || !valeur) return L"(absent)";
  return static_cast<const wchar_t*>(valeur);
}

TEST(Ressources, VersionBlockNameIconAndHandCursor) {
  DWORD poignee = 0;
  const DWORD taille = GetFileVersionInfoSizeW(L"Pixavue.scr", &poignee);
  ASSERT_GT(taille, 0u);
  std::vector<BYTE> bloc(taille);
  ASSERT_TRUE(GetFileVersionInfoW(L"Pixavue.scr", 0, taille, bloc.data()));
  EXPECT_EQ(valeur_version(bloc, L"FileDescription"), L"Economiseur d'écran");
  EXPECT_EQ(valeur_version(bloc, L"Comments"), L"Economiseur d'écran");
  EXPECT_EQ(valeur_version(bloc, L"FileVersion"), L"1.00");
  EXPECT_EQ(valeur_version(bloc, L"ProductVersion"), L"1.00");
  EXPECT_EQ(valeur_version(bloc, L"ProductName"), L"PixavueSCR");
  EXPECT_EQ(valeur_version(bloc, L"InternalName"), L"Pixavue");
  EXPECT_EQ(valeur_version(bloc, L"OriginalFilename"), L"Pixavue.scr");

  HMODULE module = LoadLibraryExW(L"Pixavue.scr", nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  wchar_t nom[32] = {};
  LoadStringW(module, 1, nom, 32);
  EXPECT_STREQ(nom, L"PixavueSCR");  // what the screen saver list shows

  for (int taille_icone : {32, 16}) {
    HICON icone =
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, taille_icone, taille_icone, 0));
    EXPECT_NE(icone, nullptr) << taille_icone;
    if (icone) DestroyIcon(icone);
  }
  HCURSOR main = static_cast<HCURSOR>(LoadImageW(module, MAKEINTRESOURCEW(2), IMAGE_CURSOR, 0, 0, 0));
  ASSERT_NE(main, nullptr);
  ICONINFO infos{};
  ASSERT_TRUE(GetIconInfo(main, &infos));
  EXPECT_EQ(infos.xHotspot, 12u);  // the finger tip
  EXPECT_EQ(infos.yHotspot, 1u);
  if (infos.hbmColor) DeleteObject(infos.hbmColor);
  if (infos.hbmMask) DeleteObject(infos.hbmMask);
  DestroyCursor(main);
  FreeLibrary(module);
}

}  // namespace
}  // namespace pixavue::win32
