// File system: the Windows directory and the entries of a folder.
#pragma once

#include <compare>
#include <cstdint>
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

// What tells one folder from another on its volume: the paths that lead to
// one folder (through a junction, a symbolic link, a mount point) give it
// the same identity.
struct IdentiteDossier {
  std::uint64_t volume = 0, index = 0;
  friend auto operator<=>(const IdentiteDossier&, const IdentiteDossier&) = default;
};

struct EntreeDossier {
  std::wstring nom;
  bool dossier = false;
  bool cache = false;  // hidden or system
};

struct ContenuDossier {
  std::optional<IdentiteDossier> identite;  // nothing when the system doesn't tell it
  std::vector<EntreeDossier> entrees;       // in no set order; "." and ".." left out
};

class Fichiers {
 public:
  virtual ~Fichiers() = default;
  // GetWindowsDirectory; empty when the call fails.
  virtual std::wstring dossier_windows() = 0;
  // A folder's entries and its identity; nothing when it can't be read. It
  // may be called from any thread.
  virtual std::optional<ContenuDossier> lire_dossier(std::wstring_view dossier) = 0;
  // A name's sort key: bytes whose order is the order of the system's file
  // lists, by the user's locale, without regard to case. Made once a name,
  // so that sorting a large folder compares bytes and never asks the system.
  // It may be called from any thread.
  virtual std::string cle_de_tri(std::wstring_view nom) = 0;
  // A directory search for the path finds at least one entry of that kind.
  virtual bool existe(std::wstring_view chemin, Recherche quoi) = 0;
  // The process's working folder.
  virtual std::wstring dossier_courant() = 0;
};

}  // namespace pixavue
