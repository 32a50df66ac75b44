// Walks a GIF file whole before the system's decoder reads it: every block
// and sub-block inside the file, every colour table present, the frames'
// pixels within a budget. What it gives back places the first frame on its
// screen, which clips a frame that reaches past it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace pixavue {

// Pixels of every frame together: the system's decoder holds them all.
inline constexpr std::uint64_t kMaxPixelsGif = 50'000'000;

struct StructureGif {
  int largeur_ecran = 0, hauteur_ecran = 0;            // the logical screen: the picture's natural size
  int gauche = 0, haut = 0, largeur = 0, hauteur = 0;  // the first frame on it
};

// Nothing when the file is not a GIF the walk can vouch for, or when its
// first frame has no colour table at all, neither its own nor the global one.
std::optional<StructureGif> verifier_gif(std::span<const std::uint8_t> octets);

}  // namespace pixavue
