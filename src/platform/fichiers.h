// File system: the Windows directory and the plain files of a folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixavue {

// What a search for one path counts as found.
enum class Recherche {
  toute_entree,       // a folder, a file, or whatever a wildcard matches
  fichier_ordinaire,  // a file neither hidden nor system; no folder
  dossier,            // a folder of exactly that path; no wildcard
};

class Fichiers {
 public:
  virtual ~Fichiers() = default;
  // GetWindowsDirectory; empty when the call fails.
  virtual std::wstring dossier_windows() = 0;
  // Names (no folder) of the plain files of a folder, in no set order;
  // sub-folders are left out. Nothing when the folder can't be read.
  virtual std::optional<std::vector<std::wstring>> fichiers_du_dossier(std::wstring_view dossier) = 0;
  // Orders two names as the system's file lists do: by the user's locale,
  // without regard to case. Negative, 0 or positive.
  virtual int comparer_noms(std::wstring_view a, std::wstring_view b) = 0;
  // A directory search for the path finds at least one entry of that kind.
  virtual bool existe(std::wstring_view chemin, Recherche quoi) = 0;
  // The process's working folder.
  virtual std::wstring dossier_courant() = 0;
};

}  // namespace pixavue
