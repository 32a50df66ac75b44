// Reads a bitmap file's headers for the screensaver's own streaming decoder.
#include "slideshow/entete_bmp.h"

namespace pixavue {
namespace {

std::uint32_t lire16(std::span<const std::uint8_t> o, std::size_t a) { return o[a] | o[a + 1] << 8; }
std::uint32_t lire32(std::span<const std::uint8_t> o, std::size_t a) {
  return o[a] | o[a + 1] << 8 | o[a + 2] << 16 | std::uint32_t{o[a + 3]} << 24;
}

constexpr std::uint32_t kBitfields = 3, kAlphaBitfields = 6;

// A mask's first bit and its largest value; nothing unless its bits follow
// one another.
std::optional<CanalBmp> canal(std::uint32_t masque) {
  if (masque == 0) return CanalBmp{};
  int decalage = 0;
  while (!((masque >> decalage) & 1)) ++decalage;
  const std::uint32_t valeurs = masque >> decalage;
  if (valeurs & (valeurs + 1)) return std::nullopt;  // a hole in the field
  return CanalBmp{masque, decalage, valeurs};
}

}  // namespace

std::optional<EnteteBmp> lire_entete_bmp(std::span<const std::uint8_t> o, std::uint64_t taille) {
  if (o.size() < 14 + 40 || o[0] != 'B' || o[1] != 'M') return std::nullopt;
  const std::uint32_t taille_info = lire32(o, 14);
  if (taille_info != 40 && taille_info != 52 && taille_info != 56 && taille_info != 108 && taille_info != 124)
    return std::nullopt;
  if (o.size() < 14 + std::size_t{taille_info}) return std::nullopt;
  EnteteBmp e;
  const auto largeur = static_cast<std::int32_t>(lire32(o, 18));
  const auto hauteur = static_cast<std::int32_t>(lire32(o, 22));
  const std::uint32_t plans = lire16(o, 26), compression = lire32(o, 30), couleurs = lire32(o, 46);
  e.bits = static_cast<int>(lire16(o, 28));
  if (largeur <= 0 || largeur > 65535 || hauteur == 0 || hauteur < -65535 || hauteur > 65535 || plans != 1)
    return std::nullopt;
  e.largeur = largeur;
  e.hauteur = hauteur < 0 ? -hauteur : hauteur;
  e.de_haut_en_bas = hauteur < 0;
  if (e.bits != 1 && e.bits != 4 && e.bits != 8 && e.bits != 16 && e.bits != 24 && e.bits != 32) return std::nullopt;

  std::size_t apres_info = 14 + taille_info;
  // Colour fields: the defaults of the depth, or the masks the file gives,
  // after a 40-byte header or inside the larger ones (alpha from 56 bytes on).
  std::array<std::uint32_t, 4> masques{};
  if (compression == kBitfields || compression == kAlphaBitfields) {
    if (e.bits != 16 && e.bits != 32) return std::nullopt;
    const std::size_t nombre = compression == kAlphaBitfields || taille_info >= 56 ? 4 : 3;
    if (o.size() < 14 + 40 + 4 * nombre) return std::nullopt;
    for (std::size_t i = 0; i < nombre; ++i) masques[i] = lire32(o, 14 + 40 + 4 * i);
    if (taille_info == 40) apres_info += 4 * nombre;
  } else if (compression != 0) {
    return std::nullopt;
  } else if (e.bits == 16) {
    masques = {0x7C00, 0x03E0, 0x001F, 0};
  } else if (e.bits == 32) {
    masques = {0xFF0000, 0xFF00, 0xFF, 0};
  }
  if (e.bits == 16 || e.bits == 32) {
    const std::uint64_t hors_pixel = e.bits == 16 ? 0xFFFF0000u : 0;
    std::uint32_t vus = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      auto c = canal(masques[i]);
      // Each colour has bits of its own inside the pixel; alpha may have none.
      if (!c || (i < 3 && masques[i] == 0) || (masques[i] & vus) || (masques[i] & hors_pixel)) return std::nullopt;
      vus |= masques[i];
      e.canaux[i] = *c;
    }
  }

  if (e.bits <= 8) {
    const std::uint32_t maximum = 1u << e.bits;
    const std::uint32_t entrees = couleurs == 0 ? maximum : couleurs;
    if (entrees > maximum || o.size() < apres_info + std::size_t{entrees} * 4) return std::nullopt;
    e.palette.assign(maximum, 0xFF000000u);  // indexes past the table read as black
    for (std::uint32_t i = 0; i < entrees; ++i) e.palette[i] = lire32(o, apres_info + 4 * i) | 0xFF000000u;
    apres_info += std::size_t{entrees} * 4;
  }
  e.debut_pixels = lire32(o, 10);
  e.pas = ((std::uint64_t(e.largeur) * e.bits + 31) / 32) * 4;
  if (e.debut_pixels < apres_info || e.debut_pixels > taille || e.pas * e.hauteur > taille - e.debut_pixels)
    return std::nullopt;
  return e;
}

void convertir_ligne_bmp(const EnteteBmp& e, const std::uint8_t* s, std::uint8_t* d) {
  auto poser = [&d](std::uint32_t bgra) {
    d[0] = bgra & 0xFF;
    d[1] = (bgra >> 8) & 0xFF;
    d[2] = (bgra >> 16) & 0xFF;
    d[3] = 0xFF;
    d += 4;
  };
  switch (e.bits) {
    case 16:
    case 32: {
      const auto& [r, g, b, a] = e.canaux;
      if (e.bits == 32 && r.masque == 0xFF0000 && g.masque == 0xFF00 && b.masque == 0xFF && !a.masque) {
        for (int x = 0; x < e.largeur; ++x, s += 4) poser(s[0] | s[1] << 8 | s[2] << 16);  // the common layout
        break;
      }
      auto valeur = [](const CanalBmp& c, std::uint32_t v) {
        return static_cast<std::uint32_t>(std::uint64_t{(v & c.masque) >> c.decalage} * 255 / c.maximum);
      };
      for (int x = 0; x < e.largeur; ++x) {
        const std::uint32_t v =
            e.bits == 16 ? s[0] | s[1] << 8 : s[0] | s[1] << 8 | s[2] << 16 | std::uint32_t{s[3]} << 24;
        s += e.bits / 8;
        const std::uint32_t alpha = a.masque ? valeur(a, v) : 255;
        d[0] = static_cast<std::uint8_t>(valeur(b, v) * alpha / 255);
        d[1] = static_cast<std::uint8_t>(valeur(g, v) * alpha / 255);
        d[2] = static_cast<std::uint8_t>(valeur(r, v) * alpha / 255);
        d[3] = static_cast<std::uint8_t>(alpha);
        d += 4;
      }
      break;
    }
    case 24:
      for (int x = 0; x < e.largeur; ++x, s += 3) poser(s[0] | s[1] << 8 | s[2] << 16);
      break;
    default: {
      const int par_octet = 8 / e.bits;
      const unsigned masque = (1u << e.bits) - 1;
      for (int x = 0; x < e.largeur; ++x) {
        const int decalage = 8 - e.bits * (x % par_octet + 1);
        poser(e.palette[(s[x / par_octet] >> decalage) & masque]);
      }
    }
  }
}

}  // namespace pixavue
