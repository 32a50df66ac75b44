// Stands in for the companion viewer: says that it was started, and how, in
// the registry, then ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int montrer) {
  HKEY cle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\PixavueSCR-essai", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &cle,
                      nullptr) != ERROR_SUCCESS)
    return 1;
  const DWORD valeur = static_cast<DWORD>(montrer);
  RegSetValueExW(cle, L"visualiseur", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&valeur), sizeof valeur);
  RegCloseKey(cle);
  return 0;
}
