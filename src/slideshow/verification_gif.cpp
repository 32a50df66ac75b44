// The GIF walk: header, logical screen, tables, extensions and images, each
// length checked against what is left of the file before it is read.
#include "slideshow/verification_gif.h"

#include <cstring>

namespace pixavue {
namespace {

constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kFin = 0x3B;

class Lecteur {
 public:
  explicit Lecteur(std::span<const std::uint8_t> octets) : octets_(octets) {}
  bool reste(std::size_t n) const { return octets_.size() - position_ >= n; }
  bool fini() const { return position_ == octets_.size(); }
  std::uint8_t octet() { return octets_[position_++]; }
  int mot() {
    const int v = octets_[position_] | octets_[position_ + 1] << 8;
    position_ += 2;
    return v;
  }
  bool sauter(std::size_t n) {
    if (!reste(n)) return false;
    position_ += n;
    return true;
  }
  // Data sub-blocks up to their empty terminator.
  bool sauter_sous_blocs() {
    while (reste(1)) {
      const std::uint8_t longueur = octet();
      if (longueur == 0) return true;
      if (!sauter(longueur)) return false;
    }
    return false;
  }

 private:
  std::span<const std::uint8_t> octets_;
  std::size_t position_ = 0;
};

// 3 bytes an entry, 2^(n+1) entries, when the flag says a table follows.
std::size_t taille_table(std::uint8_t drapeaux) { return drapeaux & 0x80 ? 3u << ((drapeaux & 0x07) + 1) : 0; }

}  // namespace

std::optional<StructureGif> verifier_gif(std::span<const std::uint8_t> octets) {
  Lecteur l(octets);
  if (!l.reste(13) || (std::memcmp(octets.data(), "GIF87a", 6) != 0 && std::memcmp(octets.data(), "GIF89a", 6) != 0))
    return std::nullopt;
  l.sauter(6);
  StructureGif gif;
  gif.largeur_ecran = l.mot();
  gif.hauteur_ecran = l.mot();
  const std::uint8_t drapeaux_ecran = l.octet();
  l.sauter(2);  // background index, pixel aspect
  if (gif.largeur_ecran == 0 || gif.hauteur_ecran == 0) return std::nullopt;
  const bool table_globale = taille_table(drapeaux_ecran) > 0;
  if (!l.sauter(taille_table(drapeaux_ecran))) return std::nullopt;

  bool premiere = true;
  std::uint64_t pixels = 0;
  while (l.reste(1)) {
    const std::uint8_t bloc = l.octet();
    if (bloc == kFin) return premiere ? std::nullopt : std::optional{gif};
    if (bloc == kExtension) {
      if (!l.sauter(1) || !l.sauter_sous_blocs()) return std::nullopt;  // its label, then its data
      continue;
    }
    if (bloc != kImage || !l.reste(9)) return std::nullopt;
    const int gauche = l.mot(), haut = l.mot(), largeur = l.mot(), hauteur = l.mot();
    const std::uint8_t drapeaux = l.octet();
    // A frame may reach past the screen, which clips it, as browsers do; the
    // system's decoder reads every frame whole when it opens the file, so
    // all of them count toward one budget.
    if (largeur == 0 || hauteur == 0) return std::nullopt;
    pixels += std::uint64_t(largeur) * std::uint64_t(hauteur);
    if (pixels > kMaxPixelsGif) return std::nullopt;
    const bool table_locale = taille_table(drapeaux) > 0;
    if (!l.sauter(taille_table(drapeaux)) || !l.reste(1)) return std::nullopt;
    const std::uint8_t taille_code = l.octet();
    if (taille_code < 1 || taille_code > 11 || !l.sauter_sous_blocs()) return std::nullopt;
    if (premiere) {
      // Without any table its indexes name no colour at all; off the screen
      // it shows nothing.
      if (!table_globale && !table_locale) return std::nullopt;
      if (gauche >= gif.largeur_ecran || haut >= gif.hauteur_ecran) return std::nullopt;
      gif.gauche = gauche, gif.haut = haut, gif.largeur = largeur, gif.hauteur = hauteur;
      premiere = false;
    }
  }
  // Cut after a whole image: the first frame is all that is shown.
  return premiere ? std::nullopt : std::optional{gif};
}

}  // namespace pixavue
