// GIF's LZW: variable-width codes, least significant bit first, over a table
// of at most 4,096 strings, each a prefix string and one more index.
#include "slideshow/decodage_gif.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pixavue {
namespace {

constexpr int kCodesMax = 4096;

// The data sub-blocks as one stream of bits; dry at the terminator or at the
// end of the file.
class Bits {
 public:
  Bits(std::span<const std::uint8_t> octets, std::size_t debut) : octets_(octets), position_(debut) {}
  // The next code of `largeur` bits, or -1 once the data has run out.
  int code(int largeur) {
    while (nombre_ < largeur) {
      if (reste_bloc_ == 0) {
        if (position_ >= octets_.size() || octets_[position_] == 0) return -1;
        reste_bloc_ = octets_[position_++];
      }
      if (position_ >= octets_.size()) return -1;
      reserve_ |= std::uint32_t{octets_[position_++]} << nombre_;
      nombre_ += 8;
      --reste_bloc_;
    }
    const int code = static_cast<int>(reserve_ & ((1u << largeur) - 1));
    reserve_ >>= largeur;
    nombre_ -= largeur;
    return code;
  }

 private:
  std::span<const std::uint8_t> octets_;
  std::size_t position_;
  std::size_t reste_bloc_ = 0;
  std::uint32_t reserve_ = 0;
  int nombre_ = 0;
};

// Where each index lands: the block's rows in the file's order, interlaced
// or not, placed on the screen and clipped by it.
class Placement {
 public:
  Placement(const BlocGif& gif, std::span<const std::uint8_t> octets, Pixels& toile)
      : gif_(gif), octets_(octets), toile_(toile) {}
  bool plein() const { return rang_ >= gif_.hauteur; }
  void poser(int index) {
    const int x = gif_.gauche + colonne_, y = gif_.haut + ligne_;
    if (index != gif_.transparente && index < gif_.couleurs && x < toile_.largeur && y < toile_.hauteur) {
      const std::uint8_t* couleur = &octets_[gif_.table + 3 * std::size_t(index)];
      std::uint8_t* p = &toile_.octets[4 * (std::size_t(y) * toile_.largeur + x)];
      p[0] = couleur[2], p[1] = couleur[1], p[2] = couleur[0], p[3] = 255;
    }
    if (++colonne_ == gif_.largeur) colonne_ = 0, ++rang_, ligne_ = ligne();
  }

 private:
  // The frame's row that the `rang_`-th stored row is: passes from rows 0,
  // 4, 2 and 1, every 8, 8, 4 and 2 rows.
  int ligne() const {
    if (!gif_.entrelacee) return rang_;
    int rang = rang_;
    for (auto [debut, pas] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
      const int lignes = (gif_.hauteur - debut + pas - 1) / pas;
      if (rang < lignes) return debut + rang * pas;
      rang -= std::max(lignes, 0);
    }
    return gif_.hauteur;
  }
  const BlocGif& gif_;
  std::span<const std::uint8_t> octets_;
  Pixels& toile_;
  int colonne_ = 0, rang_ = 0, ligne_ = 0;
};

// One block's indexes, onto the screen.
void decoder_bloc(std::span<const std::uint8_t> octets, const BlocGif& gif, Pixels& toile) {
  if (gif.donnees >= octets.size()) return;
  const int taille_minimale = octets[gif.donnees];
  const int effacement = 1 << taille_minimale, fin = effacement + 1;
  Bits bits(octets, gif.donnees + 1);
  Placement placement(gif, octets, toile);

  // Each string is its prefix string and one last index.
  std::array<std::uint16_t, kCodesMax> prefixe{}, dernier_index{};
  std::vector<std::uint16_t> chaine;  // one string's indexes, last first
  chaine.reserve(kCodesMax);
  int largeur = taille_minimale + 1, suivant = fin + 1, precedent = -1;
  while (!placement.plein()) {
    const int code = bits.code(largeur);
    if (code < 0 || code == fin) break;
    if (code == effacement) {
      largeur = taille_minimale + 1, suivant = fin + 1, precedent = -1;
      continue;
    }
    // A code not yet in the table, but the next one, repeats the previous
    // string and its own first index; any other is a broken stream.
    if (code > suivant || (code == suivant && precedent < 0) || (precedent < 0 && code > effacement)) break;
    chaine.clear();
    int c = code == suivant ? precedent : code;
    for (; c > fin; c = prefixe[c]) chaine.push_back(dernier_index[c]);
    chaine.push_back(static_cast<std::uint16_t>(c));
    const std::uint16_t tete = chaine.back();
    if (code == suivant) chaine.insert(chaine.begin(), tete);
    for (auto i = chaine.rbegin(); i != chaine.rend() && !placement.plein(); ++i) placement.poser(*i);
    if (precedent >= 0 && suivant < kCodesMax) {
      prefixe[suivant] = static_cast<std::uint16_t>(precedent);
      dernier_index[suivant] = tete;
      if (++suivant >= 1 << largeur && largeur < 12) ++largeur;
    }
    precedent = code;
  }
}

}  // namespace

Pixels premiere_image_gif(std::span<const std::uint8_t> octets, const StructureGif& gif) {
  Pixels toile{gif.largeur_ecran, gif.hauteur_ecran, {}};
  toile.octets.resize(4 * std::size_t(toile.largeur) * std::size_t(toile.hauteur));
  for (const BlocGif& bloc : gif.blocs) decoder_bloc(octets, bloc, toile);
  return toile;
}

}  // namespace pixavue
