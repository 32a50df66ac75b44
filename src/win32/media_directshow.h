// The system's filter graph manager and audio outputs, behind the player's
// platform interface. COM must be initialised on the calling thread.
#pragma once

#include "platform/media.h"

namespace pixavue::win32 {

class MoteurDirectShow : public MoteurMedia {
 public:
  std::unique_ptr<ControleMedia> creer_graphe() override;
  unsigned sorties_audio() override;
};

}  // namespace pixavue::win32
