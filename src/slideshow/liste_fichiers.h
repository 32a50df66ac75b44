// The hidden file list: the plain files of one folder that match a pattern,
// sorted by name as the system's own lists sort them.
#pragma once

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

class ListeFichiers {
 public:
  // Until a pattern is set the list takes every file.
  std::wstring Pattern = L"*";
  std::wstring Path;

  // Re-reads Path. A folder that can't be read leaves the list empty: it
  // never falls back on some other folder.
  void Refresh(Fichiers& fichiers);

  int ListCount() const { return static_cast<int>(noms_.size()); }
  const std::wstring& List(int index) const { return noms_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<std::wstring> noms_;
};

}  // namespace pixavue
