// Walks a GIF file up to its first picture, the one that shows: every block
// and sub-block inside the file, every colour table present, the pixels
// within a budget. The picture is the first image block, and the blocks
// after it up to the first that waits (a delay above 0) or that its
// disposal takes away: high-colour GIFs are made of many blocks, each with
// a palette of its own, that browsers show composed. What the walk gives
// back places each block on the screen, which clips a block that reaches
// past it, and says where its colours and its data are. A file cut inside a
// block's data is vouched for: the rows decoded before the cut show, as
// browsers show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixavue {

// Pixels of the logical screen, and of the picture's blocks together.
inline constexpr std::uint64_t kMaxPixelsGif = 50'000'000;
inline constexpr std::size_t kMaxBlocsGif = 65'536;

struct BlocGif {
  int gauche = 0, haut = 0, largeur = 0, hauteur = 0;  // on the screen
  std::size_t table = 0;                               // its colours (its own, else the global ones)
  int couleurs = 0;
  int transparente = -1;    // the index that shows nothing, if its control extension names one
  bool entrelacee = false;  // rows stored 0, 8, 16..., then 4, 12..., 2, 6..., 1, 3...
  std::size_t donnees = 0;  // its LZW code size, then its data sub-blocks
};

struct StructureGif {
  int largeur_ecran = 0, hauteur_ecran = 0;  // the logical screen: the picture's natural size
  std::vector<BlocGif> blocs;                // in the file's order; never empty
};

// Nothing when the file is not a GIF the walk can vouch for, or when its
// first block has no colour table at all, neither its own nor the global
// one. A later block that can't be vouched for ends the picture before it.
std::optional<StructureGif> verifier_gif(std::span<const std::uint8_t> octets);

}  // namespace pixavue
