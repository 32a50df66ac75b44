// The settings store in the user's registry.
#include "win32/magasin_registre.h"

#include <windows.h>

namespace pixavue::win32 {
namespace {

std::wstring chemin_cle(std::wstring_view application, std::wstring_view section) {
  std::wstring chemin = L"Software\\";
  chemin.append(application).append(L"\\").append(section);
  return chemin;
}

}  // namespace

std::wstring MagasinRegistre::lire_parametre(std::wstring_view application, std::wstring_view section,
                                             std::wstring_view cle) {
  const std::wstring chemin = chemin_cle(application, section);
  const std::wstring nom(cle);
  std::wstring texte;
  // The value may grow between the two calls: ask again until it fits.
  for (int essai = 0; essai < 4; ++essai) {
    DWORD octets = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, chemin.c_str(), nom.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &octets) !=
        ERROR_SUCCESS)
      return {};
    texte.resize(octets / sizeof(wchar_t) + 1);
    octets = static_cast<DWORD>(texte.size() * sizeof(wchar_t));
    LSTATUS etat =
        RegGetValueW(HKEY_CURRENT_USER, chemin.c_str(), nom.c_str(), RRF_RT_REG_SZ, nullptr, texte.data(), &octets);
    if (etat == ERROR_MORE_DATA) continue;
    if (etat != ERROR_SUCCESS) return {};
    texte.resize(wcsnlen(texte.c_str(), octets / sizeof(wchar_t)));
    return texte;
  }
  return {};
}

void MagasinRegistre::ecrire_parametre(std::wstring_view application, std::wstring_view section, std::wstring_view cle,
                                       std::wstring_view texte) {
  const std::wstring valeur(texte);
  RegSetKeyValueW(HKEY_CURRENT_USER, chemin_cle(application, section).c_str(), std::wstring(cle).c_str(), REG_SZ,
                  valeur.c_str(), static_cast<DWORD>((valeur.size() + 1) * sizeof(wchar_t)));
}

}  // namespace pixavue::win32
