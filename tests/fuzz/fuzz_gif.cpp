// The GIF walk and the first frame's decoding on arbitrary bytes: what the
// walk vouches for places a first frame that starts on its logical screen,
// within the pixel budget, and decodes into exactly that screen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "slideshow/decodage_gif.h"
#include "slideshow/verification_gif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::span<const std::uint8_t> octets(donnees, taille);
  auto gif = pixavue::verifier_gif(octets);
  if (!gif) return 0;
  if (gif->largeur <= 0 || gif->hauteur <= 0 || gif->gauche >= gif->largeur_ecran ||
      gif->haut >= gif->hauteur_ecran || gif->couleurs <= 0 ||
      std::uint64_t(gif->largeur) * std::uint64_t(gif->hauteur) > pixavue::kMaxPixelsGif ||
      std::uint64_t(gif->largeur_ecran) * std::uint64_t(gif->hauteur_ecran) > pixavue::kMaxPixelsGif)
    std::abort();
  const pixavue::Pixels p = pixavue::premiere_image_gif(octets, *gif);
  if (p.largeur != gif->largeur_ecran || p.hauteur != gif->hauteur_ecran ||
      p.octets.size() != 4 * std::size_t(p.largeur) * std::size_t(p.hauteur))
    std::abort();
  return 0;
}
