// The bitmap header reader and row conversion on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "slideshow/entete_bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  auto entete = pixavue::lire_entete_bmp(std::span<const std::uint8_t>(donnees, taille), taille);
  if (!entete) return 0;
  if (entete->debut_pixels + entete->pas * entete->hauteur > taille) std::abort();
  std::vector<std::uint8_t> ligne(4 * static_cast<std::size_t>(entete->largeur));
  pixavue::convertir_ligne_bmp(*entete, donnees + entete->debut_pixels, ligne.data());
  return 0;
}
