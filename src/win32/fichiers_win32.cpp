// The file system on Windows.
#include "win32/fichiers_win32.h"

#include <windows.h>

#include <algorithm>

#include "win32/chemin_long.h"
#include "win32/poignees.h"

namespace pixavue::win32 {

std::wstring FichiersWin32::dossier_windows() {
  UINT longueur = GetWindowsDirectoryW(nullptr, 0);
  if (longueur == 0) return {};
  std::wstring dossier(longueur, L'\0');
  UINT copie = GetWindowsDirectoryW(dossier.data(), longueur);
  if (copie == 0 || copie >= longueur) return {};
  dossier.resize(copie);
  return dossier;
}

namespace {

// Volume and file index, read from a handle on the folder itself: a link
// or a junction leads to its target's.
std::optional<IdentiteDossier> identite(const std::wstring& chemin) {
  PoigneeFichier dossier(CreateFileW(chemin.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION infos;
  if (!dossier || !GetFileInformationByHandle(dossier.get(), &infos)) return std::nullopt;
  return IdentiteDossier{infos.dwVolumeSerialNumber, std::uint64_t{infos.nFileIndexHigh} << 32 | infos.nFileIndexLow};
}

}  // namespace

std::optional<ContenuDossier> FichiersWin32::lire_dossier(std::wstring_view dossier) {
  if (dossier.empty()) return std::nullopt;
  std::wstring chemin = chemin_long(dossier);
  DWORD attributs = GetFileAttributesW(chemin.c_str());
  if (attributs == INVALID_FILE_ATTRIBUTES || !(attributs & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  ContenuDossier contenu{identite(chemin), {}};
  if (chemin.back() != L'\\' && chemin.back() != L'/') chemin += L'\\';
  chemin += L'*';

  WIN32_FIND_DATAW trouve;
  PoigneeRecherche recherche(FindFirstFileExW(chemin.c_str(), FindExInfoBasic, &trouve, FindExSearchNameMatch, nullptr,
                                              FIND_FIRST_EX_LARGE_FETCH));
  if (!recherche) {
    // An empty drive root has not even "." to list.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return contenu;
    return std::nullopt;
  }
  do {
    const std::wstring_view nom = trouve.cFileName;
    if (nom == L"." || nom == L"..") continue;
    contenu.entrees.push_back({std::wstring(nom), (trouve.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                               (trouve.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0});
  } while (FindNextFileW(recherche.get(), &trouve));
  return contenu;
}

std::string FichiersWin32::cle_de_tri(std::wstring_view nom) {
  constexpr DWORD kDrapeaux = LCMAP_SORTKEY | LINGUISTIC_IGNORECASE;
  const int n = static_cast<int>(nom.size());
  // Most keys fit this buffer: one call a name instead of two.
  alignas(wchar_t) char tampon[512];
  const int taille = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kDrapeaux, nom.data(), n, reinterpret_cast<LPWSTR>(tampon),
                                   sizeof tampon, nullptr, nullptr, 0);
  if (taille > 0) return std::string(tampon, static_cast<std::size_t>(taille));
  const int requise =
      LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kDrapeaux, nom.data(), n, nullptr, 0, nullptr, nullptr, 0);
  std::string cle(static_cast<std::size_t>(std::max(requise, 0)), '\0');
  // A failing call leaves an empty key: the names' characters order them then.
  if (requise <= 0 || LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kDrapeaux, nom.data(), n,
                                    reinterpret_cast<LPWSTR>(cle.data()), requise, nullptr, nullptr, 0) != requise)
    return {};
  return cle;
}

bool FichiersWin32::existe(std::wstring_view chemin, Recherche quoi) {
  const std::wstring texte = chemin_long(chemin);
  // A search finds nothing for a path that ends in a separator, the form a
  // folder chooser gives and every drive root has: such a path means the
  // folder, so its attributes answer.
  const bool separateur_final = !texte.empty() && (texte.back() == L'\\' || texte.back() == L'/');
  if (quoi == Recherche::dossier || (quoi == Recherche::toute_entree && separateur_final)) {
    // The attributes of exactly that path: a wildcard names no folder.
    if (texte.find_first_of(L"*?") != std::wstring::npos) return false;
    const DWORD attributs = GetFileAttributesW(texte.c_str());
    return attributs != INVALID_FILE_ATTRIBUTES && (attributs & FILE_ATTRIBUTE_DIRECTORY);
  }
  WIN32_FIND_DATAW trouve;
  PoigneeRecherche recherche(
      FindFirstFileExW(texte.c_str(), FindExInfoBasic, &trouve, FindExSearchNameMatch, nullptr, 0));
  if (!recherche) return false;
  if (quoi == Recherche::toute_entree) return true;
  constexpr DWORD kExclus = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    if (!(trouve.dwFileAttributes & kExclus)) return true;
  } while (FindNextFileW(recherche.get(), &trouve));
  return false;
}

std::wstring FichiersWin32::dossier_courant() {
  const DWORD longueur = GetCurrentDirectoryW(0, nullptr);
  if (longueur == 0) return {};
  std::wstring dossier(longueur, L'\0');
  const DWORD copie = GetCurrentDirectoryW(longueur, dossier.data());
  if (copie == 0 || copie >= longueur) return {};
  dossier.resize(copie);
  return dossier;
}

}  // namespace pixavue::win32
