// The program's one media player and the sound it holds, shared by whichever
// window the run mode opens: the full-screen run's background sound, or the
// dialog's test playback. The two never meet in one run.
#pragma once

#include <memory>
#include <string>

#include "services/DirectShow.h"

namespace pixavue {

struct SonPartage {
  std::unique_ptr<DirectShow> Lecteur;  // made by the window's load
  std::wstring FichierSon;              // the chosen or playing file; empty when none
  double DureeSon = 0;                  // seconds of the sound opened at start; 0 when none

  // Stops the sound and lets the engine go, before the program ends: its
  // threads must not be cut off in the middle of playing.
  void liberer() {
    if (!Lecteur) return;
    Lecteur->nettoyer();
    Lecteur.reset();
  }
};

}  // namespace pixavue
