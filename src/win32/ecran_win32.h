// The screen, its monitors and the cursor on Windows.
#pragma once

#include "platform/ecran.h"

namespace pixavue::win32 {

// Dots per inch of the screen, as this per-monitor-aware process sees it.
double points_par_pouce();

class EcranWin32 : public Ecran {
 public:
  MesuresEcran mesures() override;
  std::vector<Moniteur> moniteurs() override;
  void afficher_curseur(bool afficher) override;
};

}  // namespace pixavue::win32
