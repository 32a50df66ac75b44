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
  // A name's sort key: bytes whose order is the order of the system's file
  // lists, by the user's locale, without regard to case. Made once a name,
  // so that sorting a large folder compares bytes and never asks the system.
  virtual std::string cle_de_tri(std::wstring_view nom) = 0;
  // A directory search for the path finds at least one entry of that kind.
  virtual bool existe(std::wstring_view chemin, Recherche quoi) = 0;
  // The process's working folder.
  virtual std::wstring dossier_courant() = 0;
};

}  // namespace pixavue
