// The GIF walk on arbitrary bytes: what it vouches for places the first
// frame inside its logical screen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "slideshow/verification_gif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  auto gif = pixavue::verifier_gif(std::span<const std::uint8_t>(donnees, taille));
  if (gif && (gif->largeur <= 0 || gif->hauteur <= 0 || gif->gauche + gif->largeur > gif->largeur_ecran ||
              gif->haut + gif->hauteur > gif->hauteur_ecran))
    std::abort();
  return 0;
}
