// The dialog's hidden file list (File1): a folder and a pattern, only ever
// asked how many files match. Changing either runs its reaction.
#pragma once

#include <functional>
#include <string>

#include "platform/fichiers.h"
#include "slideshow/liste_fichiers.h"

namespace pixavue {

class ListeDossier {
 public:
  // Starts on the process's working folder, matching every file.
  explicit ListeDossier(Fichiers& fichiers) : fichiers_(fichiers) { liste_.Path = fichiers.dossier_courant(); }

  const std::wstring& Path() const { return liste_.Path; }
  // A path that is no folder throws Echec (path not found) and changes nothing.
  void set_Path(const std::wstring& chemin);
  const std::wstring& Pattern() const { return liste_.Pattern; }
  void set_Pattern(const std::wstring& motif);
  // The folder's whole tree counts, up to its first file of the pattern.
  bool SousDossiers() const { return liste_.SousDossiers; }
  void set_SousDossiers(bool sous_dossiers);
  // Reads the folder again.
  void Refresh();
  // With the tree, 1 as soon as one file is found.
  int ListCount() const { return compte_; }

  std::function<void()> PathChange, PatternChange;

 private:
  Fichiers& fichiers_;
  ListeFichiers liste_;
  int compte_ = 0;
};

}  // namespace pixavue
