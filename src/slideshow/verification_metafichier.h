// Walks a metafile's whole record chain before any system playback sees it.
// Playback engines have a long history of memory errors on malformed files,
// so a file is played only when every record is whole and inside the file
// and the end record is there. Within that chain, a record is played only
// when the walk vouches for its contents: every count fits its record, every
// object index is in range, every bitmap checks out, and the picture stays
// within limits that keep a valid but hostile file from freezing the
// slideshow. The other records are left out at playback, so that one record
// a writer got wrong or the walk can't read doesn't cost the whole picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixavue {

// Limits per picture.
inline constexpr std::uint32_t kMaxEnregistrements = 200'000;
inline constexpr std::uint64_t kMaxPoints = 2'000'000;
inline constexpr std::uint64_t kMaxCaracteres = 200'000;
inline constexpr std::uint64_t kMaxPixelsBitmap = 16'000'000;  // all embedded bitmaps together

// A placeable Windows metafile: its box in logical units, the units per
// inch, and where the metafile proper starts (after the placeable header).
struct MetafichierWindows {
  std::int16_t gauche, haut, droite, bas;
  std::uint16_t unites_par_pouce;
  std::size_t debut;
  std::size_t taille;  // bytes of the metafile proper
  // The records to leave out at playback, in ascending order, numbered from
  // the first after the header.
  std::vector<std::uint32_t> ecartes;
};

// True for the records that create an object: each takes the lowest free
// slot of the playback's object table, so one left out must still take it.
bool creation_wmf(std::uint16_t fonction);

// A META_BITBLT or META_STRETCHBLT that carries its own device-dependent
// bitmap, in the file's layout: the system's playback reads that bitmap in a
// layout of its own, so the program draws it itself. Rows run top down,
// `octets_par_ligne` apart.
struct BlitDdb {
  std::int16_t x, y, largeur, hauteur;                  // the destination, in logical units
  std::int16_t source_x, source_y, source_l, source_h;  // inside the bitmap
  std::uint32_t operation;                              // the raster operation
  std::uint16_t largeur_bitmap, hauteur_bitmap, octets_par_ligne;
  std::uint8_t bits_par_pixel;  // 24 or 32
  std::span<const std::uint8_t> pixels;
};
// From the record's parameters (the words after its function); nothing
// unless the bitmap's sizes check out and the source lies inside it.
std::optional<BlitDdb> lire_blit_ddb(std::uint16_t fonction, std::span<const std::uint8_t> parametres);

// A fixed metric mapping mode (MM_LOMETRIC to MM_TWIPS) stands for an
// anisotropic mapping on the file's reference device: so many logical units
// a millimetre, and the device's pixels a millimetre. Wine's playback maps
// those modes at its own screen's resolution instead, which puts a picture
// recorded on another device in a corner of its frame; played as these
// extents, it lands where Windows draws it.
struct MappingLibre {
  std::uint32_t enregistrement;  // numbered from the header's 0
  std::int32_t fenetre_x, fenetre_y, vue_x, vue_y;
};

// An enhanced metafile: its frame in hundredths of a millimetre.
struct MetafichierAmeliore {
  std::int32_t gauche, haut, droite, bas;
  std::size_t taille;  // bytes, as the header gives them
  // The records to leave out at playback, in ascending order, numbered from
  // the header's 0.
  std::vector<std::uint32_t> ecartes;
  // The records that set a fixed metric mode, to play as their mapping;
  // the extents the system ignores in those modes are among `ecartes`.
  std::vector<MappingLibre> mappings_libres;
  // Its drawing is all EMF+ records, in comments, with no GDI drawing to
  // fall back on: the system's playback would show nothing of it.
  bool dessin_emf_plus = false;
};

// Nothing when the file doesn't check out. A Windows metafile without the
// placeable header carries no size, and one whose box is empty or whose
// unit is zero can't be sized either: both fail.
std::optional<MetafichierWindows> verifier_wmf(std::span<const std::uint8_t> octets);
std::optional<MetafichierAmeliore> verifier_emf(std::span<const std::uint8_t> octets);

}  // namespace pixavue
