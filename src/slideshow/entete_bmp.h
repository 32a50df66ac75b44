// Reads a bitmap file's headers for the screensaver's own streaming decoder:
// the common uncompressed forms, whose rows can be read a band at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixavue {

struct EnteteBmp {
  int largeur = 0, hauteur = 0;
  bool de_haut_en_bas = false;  // rows stored top first (negative height)
  int bits = 0;                 // 1, 4, 8, 24 or 32 per pixel
  std::uint64_t debut_pixels = 0;
  std::uint64_t pas = 0;               // bytes a stored row, padding included
  std::vector<std::uint32_t> palette;  // BGRA, opaque; for 8 bits and fewer
};

// `debut` holds the file's first bytes (headers and colour table), `taille`
// is the file's size. Nothing when the file is another form (compressed,
// 16 bits, the old core header) or doesn't hold all its rows: some other
// decoder decides about those.
std::optional<EnteteBmp> lire_entete_bmp(std::span<const std::uint8_t> debut, std::uint64_t taille);

// Bytes of the file that `lire_entete_bmp` may need.
inline constexpr std::size_t kOctetsEnteteBmp = 14 + 124 + 12 + 256 * 4;

// One stored row as BGRA, opaque.
void convertir_ligne_bmp(const EnteteBmp& entete, const std::uint8_t* stockee, std::uint8_t* bgra);

}  // namespace pixavue
