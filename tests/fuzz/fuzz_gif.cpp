// The GIF walk and the first picture's decoding on arbitrary bytes: what
// the walk vouches for places blocks that start on their logical screen,
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
  std::uint64_t pixels = 0;
  for (const pixavue::BlocGif& b : gif->blocs) {
    if (b.largeur <= 0 || b.hauteur <= 0 || b.gauche >= gif->largeur_ecran || b.haut >= gif->hauteur_ecran ||
        b.couleurs <= 0)
      std::abort();
    pixels += std::uint64_t(b.largeur) * std::uint64_t(b.hauteur);
  }
  if (gif->blocs.empty() || gif->blocs.size() > pixavue::kMaxBlocsGif || pixels > pixavue::kMaxPixelsGif ||
      std::uint64_t(gif->largeur_ecran) * std::uint64_t(gif->hauteur_ecran) > pixavue::kMaxPixelsGif)
    std::abort();
  const pixavue::Pixels p = pixavue::premiere_image_gif(octets, *gif);
  if (p.largeur != gif->largeur_ecran || p.hauteur != gif->hauteur_ecran ||
      p.octets.size() != 4 * std::size_t(p.largeur) * std::size_t(p.hauteur))
    std::abort();
  return 0;
}
