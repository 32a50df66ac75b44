// Walks a GIF file up to its first frame, the one that shows: every block
// and sub-block inside the file, every colour table present, the frame's
// pixels within a budget. What it gives back places the first frame on its
// screen, which clips a frame that reaches past it, and says where its
// colours and its data are. A file cut inside that frame's data is vouched
// for: the rows decoded before the cut show, as browsers show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pixavue {

// Pixels of the logical screen, and of the first frame.
inline constexpr std::uint64_t kMaxPixelsGif = 50'000'000;

struct StructureGif {
  int largeur_ecran = 0, hauteur_ecran = 0;            // the logical screen: the picture's natural size
  int gauche = 0, haut = 0, largeur = 0, hauteur = 0;  // the first frame on it
  std::size_t table = 0;                               // its colours (its own, else the global ones)
  int couleurs = 0;
  int transparente = -1;    // the index that shows nothing, if its control extension names one
  bool entrelacee = false;  // rows stored 0, 8, 16..., then 4, 12..., 2, 6..., 1, 3...
  std::size_t donnees = 0;  // its LZW code size, then its data sub-blocks
};

// Nothing when the file is not a GIF the walk can vouch for, or when its
// first frame has no colour table at all, neither its own nor the global one.
std::optional<StructureGif> verifier_gif(std::span<const std::uint8_t> octets);

}  // namespace pixavue
