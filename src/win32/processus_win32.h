// Process services on Windows: a named mutex for the previous-instance test,
// the command line, ExitProcess.
#pragma once

#include "platform/processus.h"
#include "win32/poignees.h"

namespace pixavue::win32 {

// Local to the user's logon session: another user's screensaver is not ours.
inline constexpr wchar_t kNomMutexInstance[] = L"Local\\PixavueSCR.instance";

// The argument text of a command line: what follows the program's name and
// the one blank after it.
std::wstring argument_de(const wchar_t* ligne_de_commande);
// The running program's full path; empty when the system can't tell it.
std::wstring chemin_du_programme();

class ProcessusWin32 : public Processus {
 public:
  bool autre_instance() override;
  std::wstring argument() override;
  void terminer() override;
  std::wstring dossier_programme() override;
  std::optional<ErreurLancement> lancer(std::wstring_view commande) override;
  void ouvrir_document(std::intptr_t proprietaire, std::wstring_view chemin) override;

 private:
  PoigneeNoyau mutex_;  // held for the life of the process
};

}  // namespace pixavue::win32
