// Walks a PNG file whole before its decoder reads it: the signature, every
// chunk inside the file, IHDR first and valid, the CRC of every critical
// chunk, a palette where the colours need one, the image data in one run,
// IEND. Ancillary chunks are left to the decoder, which may skip them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace pixavue {

struct StructurePng {
  std::uint32_t largeur = 0, hauteur = 0;
  int profondeur = 0;    // bits a sample: 1, 2, 4, 8 or 16
  int type_couleur = 0;  // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
  bool entrelace = false;
  friend bool operator==(const StructurePng&, const StructurePng&) = default;
};

// Fills what it can of the buffer from where the last call stopped, and says
// how many bytes it gave: 0 at the end of the file, or to give up.
using LecturePng = std::function<std::size_t(std::span<std::uint8_t>)>;

// Nothing when the file is not a PNG the walk can vouch for.
std::optional<StructurePng> verifier_png(const LecturePng& lire);
std::optional<StructurePng> verifier_png(std::span<const std::uint8_t> octets);

// The bytes of one row as the file stores it, its filter byte left out.
std::uint64_t octets_par_ligne(const StructurePng& png);

}  // namespace pixavue
