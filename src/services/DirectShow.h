// The media player: one file at a time on the system's playback engine, for
// the slideshow's background sound and the dialog's test playback. No
// operation ever reports a failure to its caller.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/media.h"

namespace pixavue {

class DirectShow {
 public:
  explicit DirectShow(MoteurMedia& moteur) : moteur_(moteur) {}

  // Seeks to newPosition, clamped to 0 .. the duration; the caller's
  // variable holds the clamped value afterwards.
  void fixe_position(double& newPosition);
  // Seconds; 0 when it can't be read.
  double obtient_duree();
  // Stops and lets the graph go. A file without video keeps its references
  // (taking the video window from its owner fails), until the next Ouvrir.
  void nettoyer();
  // Prepares the file, stopped at its start. Every step is tried even when
  // an earlier one failed. A video stream goes into hWndTarget at the given
  // place and size.
  void Ouvrir(std::wstring_view Filename, std::int16_t rectTop, std::int16_t rectLeft, std::int16_t rectWidth,
              std::int16_t rectHeight, std::int32_t hWndTarget);
  // Plays from the current position; from the start when that is, to the
  // nearest second, the end.
  void jouer();
  // Seconds; 0 when it can't be read.
  double obtient_position();
  // Stops and rewinds: a later jouer starts from the beginning.
  void arret();

 private:
  MoteurMedia& moteur_;
  // Four views of the one graph; each empty until Ouvrir takes it.
  std::unique_ptr<ControleMedia> controle_;
  std::unique_ptr<AudioMedia> audio_;
  std::unique_ptr<FenetreVideo> fenetre_;
  std::unique_ptr<PositionMedia> position_;
};

}  // namespace pixavue
