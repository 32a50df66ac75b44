// The file system on Windows.
#pragma once

#include "platform/fichiers.h"

namespace pixavue::win32 {

class FichiersWin32 : public Fichiers {
 public:
  std::wstring dossier_windows() override;
  // Hidden and system files are left out, as a file list shows them by default.
  std::optional<std::vector<std::wstring>> fichiers_du_dossier(std::wstring_view dossier) override;
  std::string cle_de_tri(std::wstring_view nom) override;
  bool existe(std::wstring_view chemin, Recherche quoi) override;
  std::wstring dossier_courant() override;
};

}  // namespace pixavue::win32
