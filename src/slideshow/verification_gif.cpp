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

  // Once a block is vouched for, what can't be read after it ends the
  // picture there.
  const auto fin = [&gif]() -> std::optional<StructureGif> {
    if (gif.blocs.empty()) return std::nullopt;
    return std::move(gif);
  };
  // The next block's graphic control: its transparent index, whether it
  // waits, and whether its disposal takes it away.
  int transparente = -1;
  bool dernier = false;
  std::uint64_t pixels = 0;
  while (l.reste(1)) {
    const std::uint8_t bloc = l.octet();
    if (bloc == kExtension) {
      if (!l.reste(1)) return fin();
      if (l.octet() == kControle && l.reste(5) && octets[l.position()] == 4) {
        const std::size_t p = l.position();
        const std::uint8_t drapeaux = octets[p + 1];
        transparente = drapeaux & 1 ? octets[p + 4] : -1;
        const int delai = octets[p + 2] | octets[p + 3] << 8, disposition = (drapeaux >> 2) & 7;
        dernier = delai > 0 || disposition == 2 || disposition == 3;
      }
      if (!l.sauter_sous_blocs()) return fin();
      continue;
    }
    if (bloc != kImage || !l.reste(9)) return fin();
    BlocGif b;
    b.gauche = l.mot(), b.haut = l.mot(), b.largeur = l.mot(), b.hauteur = l.mot();
    const std::uint8_t drapeaux = l.octet();
    // A block may reach past the screen, which clips it, as browsers do; one
    // that starts off it shows nothing.
    const std::uint64_t surface = std::uint64_t(b.largeur) * std::uint64_t(b.hauteur);
    if (b.largeur == 0 || b.hauteur == 0 || b.gauche >= gif.largeur_ecran || b.haut >= gif.hauteur_ecran ||
        surface > kMaxPixelsGif - pixels)
      return fin();
    pixels += surface;
    b.entrelacee = drapeaux & 0x40;
    // Without any table its indexes name no colour at all.
    const std::size_t table = taille_table(drapeaux) ? l.position() : table_globale;
    b.couleurs = static_cast<int>((taille_table(drapeaux) ? taille_table(drapeaux) : taille_table(drapeaux_ecran)) / 3);
    if (b.couleurs == 0 || !l.sauter(taille_table(drapeaux)) || !l.reste(1)) return fin();
    b.table = table;
    b.donnees = l.position();
    b.transparente = transparente;
    const std::uint8_t taille_code = l.octet();
    if (taille_code < 1 || taille_code > 11) return fin();
    gif.blocs.push_back(b);
    // The data may end early: what was decoded shows.
    if (dernier || gif.blocs.size() == kMaxBlocsGif || !l.sauter_sous_blocs()) return fin();
    transparente = -1;
  }
  return fin();
}

}  // namespace pixavue
