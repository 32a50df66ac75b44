// The PNG walk: chunk by chunk, each length checked against what the file
// still gives before it is read, the critical ones read whole for their CRC.
#include "slideshow/verification_png.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace pixavue {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kLongueurMax = 0x7FFFFFFF;
constexpr std::size_t kPaletteMax = 3 * 256;

// The CRC-32 of ISO 3309, eight bytes a step: every byte of a large
// picture's data goes through it before the decoder starts.
class Crc {
 public:
  constexpr Crc() {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table_[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n)
      for (int t = 1; t < 8; ++t) table_[t][n] = (table_[t - 1][n] >> 8) ^ table_[0][table_[t - 1][n] & 0xFF];
  }
  std::uint32_t ajouter(std::uint32_t crc, const std::uint8_t* o, std::size_t n) const {
    for (; n >= 8; n -= 8, o += 8) {
      const std::uint32_t a = crc ^ (o[0] | o[1] << 8 | o[2] << 16 | std::uint32_t(o[3]) << 24);
      crc = table_[7][a & 0xFF] ^ table_[6][(a >> 8) & 0xFF] ^ table_[5][(a >> 16) & 0xFF] ^ table_[4][a >> 24] ^
            table_[3][o[4]] ^ table_[2][o[5]] ^ table_[1][o[6]] ^ table_[0][o[7]];
    }
    for (; n > 0; --n, ++o) crc = table_[0][(crc ^ *o) & 0xFF] ^ (crc >> 8);
    return crc;
  }

 private:
  std::uint32_t table_[8][256] = {};
};
constexpr Crc kCrc;

// The file through a buffer: what a read asks for it must give, whole.
class Flux {
 public:
  explicit Flux(const LecturePng& lire) : lire_(lire), tampon_(64 * 1024) {}
  // `n` bytes into `destination` when given, and through `crc` when given.
  bool lire(std::size_t n, std::uint8_t* destination, std::uint32_t* crc) {
    while (n > 0) {
      if (debut_ == fin_ && !remplir()) return false;
      const std::size_t morceau = std::min(n, fin_ - debut_);
      if (destination) std::memcpy(destination, &tampon_[debut_], morceau), destination += morceau;
      if (crc) *crc = kCrc.ajouter(*crc, &tampon_[debut_], morceau);
      debut_ += morceau;
      n -= morceau;
    }
    return true;
  }

 private:
  bool remplir() {
    debut_ = 0;
    fin_ = std::min(lire_(tampon_), tampon_.size());
    return fin_ > 0;
  }
  const LecturePng& lire_;
  std::vector<std::uint8_t> tampon_;
  std::size_t debut_ = 0, fin_ = 0;
};

std::uint32_t gros_boutiste(const std::uint8_t* o) {
  return std::uint32_t(o[0]) << 24 | std::uint32_t(o[1]) << 16 | std::uint32_t(o[2]) << 8 | o[3];
}

bool lettres(std::string_view type) {
  return std::all_of(type.begin(), type.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// The bit depths each colour type allows, one bit a depth (bit 8: 8 bits).
constexpr std::uint32_t kProfondeurs[] = {0x10116, 0, 0x10100, 0x116, 0x10100, 0, 0x10100};

bool profondeur_permise(int type, int profondeur) {
  return type >= 0 && type < static_cast<int>(std::size(kProfondeurs)) && profondeur <= 16 &&
         (kProfondeurs[type] >> profondeur & 1);
}

std::optional<StructurePng> entete(const std::uint8_t* o) {
  StructurePng png{gros_boutiste(o), gros_boutiste(o + 4), o[8], o[9], o[12] == 1};
  if (png.largeur == 0 || png.hauteur == 0 || png.largeur > kLongueurMax || png.hauteur > kLongueurMax ||
      !profondeur_permise(png.type_couleur, png.profondeur) || o[10] != 0 || o[11] != 0 || o[12] > 1)
    return std::nullopt;
  return png;
}

}  // namespace

std::optional<StructurePng> verifier_png(const LecturePng& lire) {
  Flux flux(lire);
  std::uint8_t signature[8];
  if (!flux.lire(8, signature, nullptr) || std::memcmp(signature, kSignature, 8) != 0) return std::nullopt;

  // Where the walk is in the file's order: IHDR, then PLTE, then the image
  // data in one run of IDATs, then IEND; ancillary chunks anywhere between.
  enum class Etape { entete, avant_donnees, donnees, apres_donnees } etape = Etape::entete;
  std::optional<StructurePng> png;
  bool palette = false;
  std::uint8_t corps[kPaletteMax];
  for (;;) {
    std::uint8_t tete[8];
    if (!flux.lire(8, tete, nullptr)) return std::nullopt;
    const std::uint32_t longueur = gros_boutiste(tete);
    const std::string_view type(reinterpret_cast<const char*>(tete + 4), 4);
    if (longueur > kLongueurMax || !lettres(type)) return std::nullopt;
    if (etape == Etape::entete && type != "IHDR") return std::nullopt;

    if (type[0] >= 'a') {  // ancillary
      if (!flux.lire(std::size_t{longueur} + 4, nullptr, nullptr)) return std::nullopt;
      if (etape == Etape::donnees) etape = Etape::apres_donnees;
      continue;
    }
    // Critical: an unknown one means a picture no decoder may draw.
    const bool donnees = type == "IDAT";
    if (!donnees && type != "IHDR" && type != "PLTE" && type != "IEND") return std::nullopt;
    if (!donnees && longueur > kPaletteMax) return std::nullopt;
    std::uint32_t crc = kCrc.ajouter(0xFFFFFFFFu, tete + 4, 4);
    std::uint8_t crc_fichier[4];
    if (!flux.lire(longueur, donnees ? nullptr : corps, &crc) || !flux.lire(4, crc_fichier, nullptr) ||
        (crc ^ 0xFFFFFFFFu) != gros_boutiste(crc_fichier))
      return std::nullopt;

    if (type == "IHDR") {
      if (etape != Etape::entete || longueur != 13 || !(png = entete(corps))) return std::nullopt;
      etape = Etape::avant_donnees;
    } else if (type == "PLTE") {
      if (palette || etape != Etape::avant_donnees || longueur == 0 || longueur % 3 != 0) return std::nullopt;
      palette = true;
    } else if (donnees) {
      if (etape == Etape::apres_donnees || (png->type_couleur == 3 && !palette)) return std::nullopt;
      etape = Etape::donnees;
    } else {  // IEND
      if (etape == Etape::avant_donnees || longueur != 0) return std::nullopt;
      return png;
    }
  }
}

std::optional<StructurePng> verifier_png(std::span<const std::uint8_t> octets) {
  return verifier_png([&](std::span<std::uint8_t> tampon) {
    const std::size_t n = std::min(tampon.size(), octets.size());
    std::copy_n(octets.begin(), n, tampon.begin());
    octets = octets.subspan(n);
    return n;
  });
}

std::uint64_t octets_par_ligne(const StructurePng& png) {
  constexpr int kCanaux[] = {1, 0, 3, 1, 2, 0, 4};
  const int canaux = png.type_couleur >= 0 && png.type_couleur <= 6 ? kCanaux[png.type_couleur] : 0;
  return (std::uint64_t{png.largeur} * canaux * png.profondeur + 7) / 8;
}

}  // namespace pixavue
