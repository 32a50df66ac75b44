// The Exif orientation tag, read by bounds-checked offsets only, and the
// eight turns and mirrors it names.
#include "slideshow/orientation.h"

#include <cstring>
#include <optional>

namespace pixavue {
namespace {

constexpr std::uint8_t kEnTeteExif[] = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t kEtiquetteOrientation = 0x0112;
constexpr std::uint16_t kTypeCourt = 3;  // SHORT
constexpr std::size_t kTailleEntree = 12;

// The TIFF block, read in its own byte order; nothing past its end.
class Tiff {
 public:
  explicit Tiff(std::span<const std::uint8_t> octets) : octets_(octets) {}
  bool ordre_connu() {
    if (octets_.size() < 8) return false;
    if (octets_[0] == 'I' && octets_[1] == 'I')
      intel_ = true;
    else if (!(octets_[0] == 'M' && octets_[1] == 'M'))
      return false;
    return mot(2) == std::optional<std::uint16_t>{42};
  }
  std::optional<std::uint16_t> mot(std::size_t position) const {
    if (position > octets_.size() || octets_.size() - position < 2) return std::nullopt;
    const std::uint8_t a = octets_[position], b = octets_[position + 1];
    return static_cast<std::uint16_t>(intel_ ? a | b << 8 : a << 8 | b);
  }
  std::optional<std::uint32_t> double_mot(std::size_t position) const {
    auto haut = mot(intel_ ? position + 2 : position), bas = mot(intel_ ? position : position + 2);
    if (!haut || !bas) return std::nullopt;
    return std::uint32_t{*haut} << 16 | *bas;
  }
  std::size_t taille() const { return octets_.size(); }

 private:
  std::span<const std::uint8_t> octets_;
  bool intel_ = false;
};

}  // namespace

int orientation_exif(std::span<const std::uint8_t> app1) {
  if (app1.size() < sizeof kEnTeteExif || std::memcmp(app1.data(), kEnTeteExif, sizeof kEnTeteExif) != 0) return 1;
  Tiff tiff(app1.subspan(sizeof kEnTeteExif));
  if (!tiff.ordre_connu()) return 1;
  // Only the first directory: the tag lives there, and no chain is followed.
  auto ifd0 = tiff.double_mot(4);
  if (!ifd0 || *ifd0 >= tiff.taille()) return 1;
  auto entrees = tiff.mot(*ifd0);
  // A directory that runs past the segment is damaged: none of it is trusted.
  if (!entrees || *ifd0 + 2 + std::size_t{*entrees} * kTailleEntree > tiff.taille()) return 1;
  for (std::size_t i = 0; i < *entrees; ++i) {
    const std::size_t entree = *ifd0 + 2 + i * kTailleEntree;
    const auto etiquette = tiff.mot(entree), type = tiff.mot(entree + 2), valeur = tiff.mot(entree + 8);
    const auto nombre = tiff.double_mot(entree + 4);
    if (!etiquette || !type || !nombre || !valeur) return 1;
    if (*etiquette != kEtiquetteOrientation) continue;
    if (*type != kTypeCourt || *nombre != 1 || *valeur < 1 || *valeur > 8) return 1;
    return *valeur;
  }
  return 1;
}

Pixels orienter(const Pixels& s, int orientation) {
  if (orientation < 2 || orientation > 8) return s;
  const int l = s.largeur, h = s.hauteur;
  Pixels vues;
  vues.largeur = echange_les_cotes(orientation) ? h : l;
  vues.hauteur = echange_les_cotes(orientation) ? l : h;
  vues.octets.resize(s.octets.size());
  // For each pixel seen at (x, y), the stored pixel it shows.
  auto source = [&](int x, int y) -> std::pair<int, int> {
    switch (orientation) {
      case 2:
        return {l - 1 - x, y};  // mirrored left to right
      case 3:
        return {l - 1 - x, h - 1 - y};  // half a turn
      case 4:
        return {x, h - 1 - y};  // mirrored top to bottom
      case 5:
        return {y, x};  // mirrored across the main diagonal
      case 6:
        return {y, h - 1 - x};  // a quarter turn clockwise
      case 7:
        return {l - 1 - y, h - 1 - x};  // mirrored across the other diagonal
      default:
        return {l - 1 - y, x};  // 8: a quarter turn anticlockwise
    }
  };
  for (int y = 0; y < vues.hauteur; ++y)
    for (int x = 0; x < vues.largeur; ++x) {
      auto [sx, sy] = source(x, y);
      std::memcpy(&vues.octets[4 * (static_cast<std::size_t>(y) * vues.largeur + x)],
                  &s.octets[4 * (static_cast<std::size_t>(sy) * l + sx)], 4);
    }
  return vues;
}

}  // namespace pixavue
