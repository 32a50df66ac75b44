// The file system on Windows.
#include "win32/fichiers_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <vector>

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

// One handle on the folder gives its entries, read in large blocks (one call
// for many entries, where a search returns them one by one), and its
// identity: its file index is that of its "." entry, and its volume's serial
// number is asked once a volume. Asking it of every folder's handle costs
// Wine a round trip to its mount manager each time.
std::optional<ContenuDossier> FichiersWin32::lire_dossier(std::wstring_view dossier) {
  if (dossier.empty()) return std::nullopt;
  const std::wstring chemin = chemin_long(dossier);
  PoigneeFichier poignee(CreateFileW(chemin.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  FILE_BASIC_INFO base;
  if (!poignee || !GetFileInformationByHandleEx(poignee.get(), FileBasicInfo, &base, sizeof base) ||
      !(base.FileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;

  ContenuDossier contenu;
  std::uint64_t index = 0;
  std::vector<std::uint64_t> tampon(8192);  // 64 KB, aligned as the entries want
  constexpr DWORD kExclus = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  for (auto classe = FileIdBothDirectoryRestartInfo; GetFileInformationByHandleEx(
           poignee.get(), classe, tampon.data(), static_cast<DWORD>(tampon.size() * sizeof tampon[0]));
       classe = FileIdBothDirectoryInfo) {
    for (auto* octets = reinterpret_cast<const std::uint8_t*>(tampon.data());;) {
      const auto* entree = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(octets);
      const std::wstring_view nom(entree->FileName, entree->FileNameLength / sizeof(wchar_t));
      if (nom == L".")
        index = static_cast<std::uint64_t>(entree->FileId.QuadPart);
      else if (nom != L"..")
        contenu.entrees.push_back({std::wstring(nom), (entree->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                                   (entree->FileAttributes & kExclus) != 0});
      if (entree->NextEntryOffset == 0) break;
      octets += entree->NextEntryOffset;
    }
  }
  // The end of the entries, or none at all, as on an empty drive's root; a
  // folder whose reading fails half way can't be read.
  const DWORD fin = GetLastError();
  if (fin != ERROR_NO_MORE_FILES && fin != ERROR_FILE_NOT_FOUND) return std::nullopt;

  BY_HANDLE_FILE_INFORMATION infos;
  if (index == 0 && GetFileInformationByHandle(poignee.get(), &infos))  // a file system without "."
    index = std::uint64_t{infos.nFileIndexHigh} << 32 | infos.nFileIndexLow;
  // A junction, a link or a mount point lies on its target's volume.
  std::wstring final(chemin);
  if (base.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    final.resize(32768);
    final.resize(GetFinalPathNameByHandleW(poignee.get(), final.data(), static_cast<DWORD>(final.size()), 0));
  }
  if (auto volume = numero_de_volume(final); volume && index) contenu.identite = IdentiteDossier{*volume, index};
  return contenu;
}

std::optional<std::uint64_t> FichiersWin32::numero_de_volume(const std::wstring& chemin) {
  std::wstring racine(1024, L'\0');
  if (chemin.empty() || !GetVolumePathNameW(chemin.c_str(), racine.data(), static_cast<DWORD>(racine.size())))
    return std::nullopt;
  racine.resize(std::wcslen(racine.c_str()));
  std::lock_guard<std::mutex> verrou(mutex_);
  auto connu = volumes_.find(racine);
  if (connu != volumes_.end()) return connu->second;
  DWORD numero = 0;
  if (!GetVolumeInformationW(racine.c_str(), nullptr, 0, &numero, nullptr, nullptr, nullptr, 0)) return std::nullopt;
  return volumes_[racine] = numero;
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
