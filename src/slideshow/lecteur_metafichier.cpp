// The check of a bitmap embedded in a metafile.
#include "slideshow/lecteur_metafichier.h"

#include "slideshow/verification_metafichier.h"

namespace pixavue::metafichier {
namespace {

// True when no pixel of these rows indexes past `entrees` colours.
bool indices_dans_la_table(const Octets& pixels, std::uint64_t largeur, std::uint64_t hauteur, std::uint32_t bits,
                           std::uint64_t pas, std::uint64_t entrees) {
  const unsigned masque = (1u << bits) - 1;
  for (std::uint64_t y = 0; y < hauteur; ++y)
    for (std::uint64_t x = 0; x < largeur; ++x) {
      const std::uint64_t bit = x * bits;
      const unsigned indice = (pixels[y * pas + bit / 8] >> (8 - bits - bit % 8)) & masque;
      if (indice >= entrees) return false;
    }
  return true;
}

}  // namespace

bool verifier_dib(const Octets& zone, const Octets* apart, Compteurs& c) {
  auto taille_entete = zone.dmot(0);
  if (!taille_entete) return false;
  std::int64_t largeur, hauteur;
  std::uint32_t bits, compression = 0, couleurs = 0;
  if (*taille_entete == 12) {  // BITMAPCOREHEADER
    auto l = zone.mot(4), h = zone.mot(6), b = zone.mot(10);
    if (!l || !h || !b) return false;
    largeur = *l, hauteur = *h, bits = *b;
  } else if (*taille_entete >= 40 && *taille_entete <= 124) {
    auto l = zone.dmot(4), h = zone.dmot(8), comp = zone.dmot(16), nb = zone.dmot(32);
    auto b = zone.mot(14);
    if (!l || !h || !b || !comp || !nb) return false;
    largeur = static_cast<std::int32_t>(*l), hauteur = static_cast<std::int32_t>(*h);
    bits = *b, compression = *comp, couleurs = *nb;
  } else {
    return false;
  }
  if (hauteur < 0) hauteur = -hauteur;
  if (largeur <= 0 || hauteur <= 0 || largeur > 65535 || hauteur > 65535) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (!c.ajouter(c.pixels, static_cast<std::uint64_t>(largeur) * hauteur, kMaxPixelsBitmap)) return false;
  // Colour table: explicit count, else the full table of the depth.
  std::uint64_t entrees = couleurs ? couleurs : (bits <= 8 ? 1u << bits : 0);
  if (entrees > 256 && bits <= 8) return false;
  const std::uint64_t taille_entree = *taille_entete == 12 ? 3 : 4;
  std::uint64_t fin_table = *taille_entete + entrees * taille_entree + (compression == 3 ? 12 : 0);
  const std::uint64_t pas = ((static_cast<std::uint64_t>(largeur) * bits + 31) / 32) * 4;
  const std::uint64_t requis = pas * static_cast<std::uint64_t>(hauteur);
  // BI_RGB and BI_BITFIELDS give the exact size; RLE sizes are known only by
  // decoding, and the decoder then stays inside the bytes it was given.
  const bool rle = compression == 1 || compression == 2;
  if (compression > 3) return false;  // JPEG and PNG inside a DIB are refused
  if (!zone.contient(0, fin_table)) {
    // Some writers give a count of 0 and carry fewer entries than the
    // depth's full table: taken when no pixel indexes past what is there.
    if (couleurs != 0 || bits > 8 || compression != 0 || !apart || apart->taille() < requis ||
        zone.taille() < *taille_entete)
      return false;
    const std::uint64_t portees = (zone.taille() - *taille_entete) / taille_entree;
    return indices_dans_la_table(*apart, static_cast<std::uint64_t>(largeur), static_cast<std::uint64_t>(hauteur), bits,
                                 pas, portees);
  }
  if (apart) return rle || apart->taille() >= requis;
  return rle || zone.contient(fin_table, requis);
}

}  // namespace pixavue::metafichier
