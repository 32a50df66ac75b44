// Walks a GIF file whole before the system's decoder reads it: every block
// and sub-block inside the file, every colour table present, every image
// inside the logical screen. What it gives back places the first frame on
// its screen.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace pixavue {

struct StructureGif {
  int largeur_ecran = 0, hauteur_ecran = 0;            // the logical screen: the picture's natural size
  int gauche = 0, haut = 0, largeur = 0, hauteur = 0;  // the first frame on it
};

// Nothing when the file is not a GIF the walk can vouch for, or when its
// first frame has no colour table at all, neither its own nor the global one.
std::optional<StructureGif> verifier_gif(std::span<const std::uint8_t> octets);

}  // namespace pixavue
