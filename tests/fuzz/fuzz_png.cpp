// The PNG walk on arbitrary bytes: what it vouches for has a header a decoder
// accepts, and reading it in pieces changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "slideshow/verification_png.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::span<const std::uint8_t> octets(donnees, taille);
  auto png = pixavue::verifier_png(octets);
  std::size_t position = 0;
  auto par_morceaux = pixavue::verifier_png([&](std::span<std::uint8_t> tampon) {
    const std::size_t n = std::min({tampon.size(), taille - position, std::size_t{1} + position % 13});
    std::copy_n(donnees + position, n, tampon.begin());
    position += n;
    return n;
  });
  if (png != par_morceaux) std::abort();
  if (png && (png->largeur == 0 || png->hauteur == 0 || png->largeur > 0x7FFFFFFF || png->hauteur > 0x7FFFFFFF ||
              pixavue::octets_par_ligne(*png) == 0))
    std::abort();
  return 0;
}
