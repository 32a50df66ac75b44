// The GIF walk on arbitrary bytes: what it vouches for places a first frame
// that starts on its logical screen, within the pixel budget.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "slideshow/verification_gif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  auto gif = pixavue::verifier_gif(std::span<const std::uint8_t>(donnees, taille));
  if (gif &&
      (gif->largeur <= 0 || gif->hauteur <= 0 || gif->gauche >= gif->largeur_ecran || gif->haut >= gif->hauteur_ecran ||
       std::uint64_t(gif->largeur) * std::uint64_t(gif->hauteur) > pixavue::kMaxPixelsGif))
    std::abort();
  return 0;
}
