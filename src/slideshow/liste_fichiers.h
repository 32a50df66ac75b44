// The hidden file list: the plain files of one folder, or of its whole tree,
// that match a pattern, sorted by name as the system's own lists sort them.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fichiers.h"

namespace pixavue {

// True when the name matches one of the ";"-separated masks ("*" any run of
// characters, "?" one character), letters compared without regard to case.
bool correspond_au_motif(std::wstring_view nom, std::wstring_view motif);

// The folder with one "\\" at its end, for a name to follow.
std::wstring avec_separateur(std::wstring dossier);

// Whether the folder, or its tree, holds one file of the pattern at least:
// the walk stops at the first it finds.
bool contient_un_fichier(Fichiers& fichiers, const std::wstring& dossier, std::wstring_view motif, bool sous_dossiers);

class ListeFichiers {
 public:
  // A list stops there, even on a whole drive.
  static constexpr std::size_t kMaximum = 1'000'000;

  // Until a pattern is set the list takes every file.
  std::wstring Pattern = L"*";
  std::wstring Path;
  // The folder's own files first, then each sub-folder's tree in turn, in
  // the same order, depth first. Hidden and system folders are not
  // entered, a folder that can't be read is passed by, and no folder is
  // entered twice.
  bool SousDossiers = false;

  // Re-reads Path. A folder that can't be read leaves the list empty: it
  // never falls back on some other folder. Once `abandon` is set, the
  // listing stops at its next folder.
  void Refresh(Fichiers& fichiers, const std::atomic<bool>* abandon = nullptr);

  int ListCount() const { return static_cast<int>(entrees_.size()); }
  // The file's path from Path: its sub-folders' names, then its own.
  std::wstring List(int index) const;

 private:
  // The names sit end to end in one text, each folder's path once: a list of
  // a million pictures holds little more than their names.
  struct Entree {
    std::uint32_t dossier, debut, longueur;
  };
  std::vector<std::wstring> dossiers_;  // from Path, each ending in "\\"; "" for Path itself
  std::wstring noms_;
  std::vector<Entree> entrees_;
};

}  // namespace pixavue
