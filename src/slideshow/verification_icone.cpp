// Checks an icon or cursor file's directory and images.
#include "slideshow/verification_icone.h"

#include <algorithm>
#include <array>

namespace pixavue {
namespace {

std::uint32_t lire16(std::span<const std::uint8_t> o, std::size_t a) { return o[a] | o[a + 1] << 8; }
std::uint32_t lire32(std::span<const std::uint8_t> o, std::size_t a) {
  return o[a] | o[a + 1] << 8 | o[a + 2] << 16 | std::uint32_t{o[a + 3]} << 24;
}

bool image_entiere(std::span<const std::uint8_t> image) {
  constexpr std::array<std::uint8_t, 8> kPng{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (image.size() >= 8 && std::equal(kPng.begin(), kPng.end(), image.begin())) return image.size() >= 33;
  if (image.size() < 40 || lire32(image, 0) != 40) return false;
  const auto largeur = static_cast<std::int32_t>(lire32(image, 4));
  const auto hauteur = static_cast<std::int32_t>(lire32(image, 8));  // colour and mask together
  const std::uint32_t bits = lire16(image, 14), compression = lire32(image, 16), couleurs = lire32(image, 32);
  if (largeur <= 0 || largeur > 1024 || hauteur <= 0 || hauteur > 2048 || compression != 0) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const std::uint64_t table = bits <= 8 ? (couleurs && couleurs <= (1u << bits) ? couleurs : 1u << bits) : 0;
  const std::uint64_t lignes = static_cast<std::uint64_t>(hauteur) / 2;
  const std::uint64_t pas_couleur = ((std::uint64_t(largeur) * bits + 31) / 32) * 4;
  const std::uint64_t pas_masque = ((std::uint64_t(largeur) + 31) / 32) * 4;
  return 40 + table * 4 + (pas_couleur + pas_masque) * lignes <= image.size();
}

}  // namespace

bool verifier_icone(std::span<const std::uint8_t> o) {
  if (o.size() < 6 || lire16(o, 0) != 0) return false;
  const std::uint32_t type = lire16(o, 2), nombre = lire16(o, 4);
  if ((type != 1 && type != 2) || nombre == 0 || 6 + std::uint64_t{nombre} * 16 > o.size()) return false;
  for (std::uint32_t i = 0; i < nombre; ++i) {
    const std::size_t entree = 6 + std::size_t{i} * 16;
    const std::uint64_t taille = lire32(o, entree + 8), debut = lire32(o, entree + 12);
    if (taille == 0 || debut > o.size() || taille > o.size() - debut) return false;
    if (!image_entiere(o.subspan(debut, taille))) return false;
  }
  return true;
}

}  // namespace pixavue
