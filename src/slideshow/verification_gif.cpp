// The GIF walk: header, logical screen, tables, extensions and the first
// image, each length checked against what is left of the file before it is
// read.
#include "slideshow/verification_gif.h"

#include <cstring>

namespace pixavue {
namespace {

constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kControle = 0xF9;

class Lecteur {
 public:
  explicit Lecteur(std::span<const std::uint8_t> octets) : octets_(octets) {}
  bool reste(std::size_t n) const { return octets_.size() - position_ >= n; }
  std::size_t position() const { return position_; }
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
  if (gif.largeur_ecran == 0 || gif.hauteur_ecran == 0 ||
      std::uint64_t(gif.largeur_ecran) * std::uint64_t(gif.hauteur_ecran) > kMaxPixelsGif)
    return std::nullopt;
  const std::size_t table_globale = l.position();
  if (!l.sauter(taille_table(drapeaux_ecran))) return std::nullopt;

  while (l.reste(1)) {
    const std::uint8_t bloc = l.octet();
    if (bloc == kExtension) {
      if (!l.reste(1)) return std::nullopt;
      // A graphic control block: its flags, delay and transparent index.
      if (l.octet() == kControle && l.reste(5) && octets[l.position()] == 4) {
        const std::size_t p = l.position();
        gif.transparente = octets[p + 1] & 1 ? octets[p + 4] : -1;
      }
      if (!l.sauter_sous_blocs()) return std::nullopt;
      continue;
    }
    if (bloc != kImage || !l.reste(9)) return std::nullopt;
    gif.gauche = l.mot(), gif.haut = l.mot(), gif.largeur = l.mot(), gif.hauteur = l.mot();
    const std::uint8_t drapeaux = l.octet();
    // A frame may reach past the screen, which clips it, as browsers do; one
    // that starts off it shows nothing.
    if (gif.largeur == 0 || gif.hauteur == 0 || gif.gauche >= gif.largeur_ecran || gif.haut >= gif.hauteur_ecran ||
        std::uint64_t(gif.largeur) * std::uint64_t(gif.hauteur) > kMaxPixelsGif)
      return std::nullopt;
    gif.entrelacee = drapeaux & 0x40;
    // Without any table its indexes name no colour at all.
    const std::size_t table = taille_table(drapeaux) ? l.position() : table_globale;
    gif.couleurs =
        static_cast<int>((taille_table(drapeaux) ? taille_table(drapeaux) : taille_table(drapeaux_ecran)) / 3);
    if (gif.couleurs == 0 || !l.sauter(taille_table(drapeaux)) || !l.reste(1)) return std::nullopt;
    gif.table = table;
    gif.donnees = l.position();
    const std::uint8_t taille_code = l.octet();
    if (taille_code < 1 || taille_code > 11) return std::nullopt;
    // The data may end early: what was decoded shows.
    return gif;
  }
  return std::nullopt;
}

}  // namespace pixavue
