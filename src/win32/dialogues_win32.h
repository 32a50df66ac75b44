// The system's choosers on Windows: the common dialogs for files and
// colours, the shell's folder browser.
#pragma once

#include "platform/dialogues_systeme.h"

namespace pixavue::win32 {

class DialoguesWin32 : public DialoguesSysteme {
 public:
  ReponseFichier choisir_fichier(SorteFichier sorte, const DemandeFichier& demande) override;
  std::optional<std::wstring> choisir_dossier(std::intptr_t proprietaire, std::wstring_view consigne,
                                              std::uint32_t drapeaux) override;
  ReponseCouleur choisir_couleur(std::intptr_t proprietaire, std::uint32_t couleur, std::uint32_t drapeaux) override;
};

}  // namespace pixavue::win32
