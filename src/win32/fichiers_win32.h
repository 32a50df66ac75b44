// The file system on Windows.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/fichiers.h"

namespace pixavue::win32 {

class FichiersWin32 : public Fichiers {
 public:
  std::wstring dossier_windows() override;
  std::optional<ContenuDossier> lire_dossier(std::wstring_view dossier) override;
  std::string cle_de_tri(std::wstring_view nom) override;
  bool existe(std::wstring_view chemin, Recherche quoi) override;
  std::wstring dossier_courant() override;

 private:
  // The serial number of the volume the path lies on.
  std::optional<std::uint64_t> numero_de_volume(const std::wstring& chemin);

  std::mutex mutex_;
  std::map<std::wstring, std::uint64_t> volumes_;  // by the volume's root path, under mutex_
};

}  // namespace pixavue::win32
