// Reads a bitmap file's headers for the screensaver's own streaming decoder:
// the common uncompressed forms, whose rows can be read a band at a time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixavue {

// One colour of a 16- or 32-bit pixel: its bits, where they start, and the
// largest value they hold. An empty mask: no such channel.
struct CanalBmp {
  std::uint32_t masque = 0;
  int decalage = 0;
  std::uint32_t maximum = 0;
};

struct EnteteBmp {
  int largeur = 0, hauteur = 0;
  bool de_haut_en_bas = false;  // rows stored top first (negative height)
  int bits = 0;                 // 1, 4, 8, 16, 24 or 32 per pixel
  std::uint64_t debut_pixels = 0;
  std::uint64_t pas = 0;               // bytes a stored row, padding included
  std::vector<std::uint32_t> palette;  // BGRA, opaque; for 8 bits and fewer
  std::array<CanalBmp, 4> canaux;      // red, green, blue, alpha; for 16 and 32 bits
};

// `debut` holds the file's first bytes (headers and colour table), `taille`
// is the file's size. 16- and 32-bit pixels may lay their colours out in any
// order of contiguous bit fields, with or without alpha. Nothing when the
// file is another form (compressed, the old core header) or doesn't hold all
// its rows: some other decoder decides about those.
std::optional<EnteteBmp> lire_entete_bmp(std::span<const std::uint8_t> debut, std::uint64_t taille);

// Bytes of the file that `lire_entete_bmp` may need.
inline constexpr std::size_t kOctetsEnteteBmp = 14 + 124 + 12 + 256 * 4;

// One stored row as premultiplied BGRA; opaque but with an alpha field.
void convertir_ligne_bmp(const EnteteBmp& entete, const std::uint8_t* stockee, std::uint8_t* bgra);

}  // namespace pixavue
