// The file system on Windows.
#pragma once

#include "platform/fichiers.h"

namespace pixavue::win32 {

class FichiersWin32 : public Fichiers {
 public:
  std::wstring dossier_windows() override;
  std::optional<ContenuDossier> lire_dossier(std::wstring_view dossier) override;
  std::string cle_de_tri(std::wstring_view nom) override;
  bool existe(std::wstring_view chemin, Recherche quoi) override;
  std::wstring dossier_courant() override;
};

}  // namespace pixavue::win32
