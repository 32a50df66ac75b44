// Walks a Windows metafile's whole record chain before any system playback
// sees it.
#include <algorithm>
#include <array>
#include <vector>

#include "slideshow/lecteur_metafichier.h"
#include "slideshow/verification_metafichier.h"

namespace pixavue {
namespace {

using metafichier::Compteurs;
using metafichier::Octets;
using metafichier::verifier_dib;

constexpr std::uint64_t kTaillePlacable = 22;

enum : std::uint16_t {
  META_EOF = 0x0000,
  META_POLYGON = 0x0324,
  META_POLYLINE = 0x0325,
  META_POLYPOLYGON = 0x0538,
  META_TEXTOUT = 0x0521,
  META_EXTTEXTOUT = 0x0A32,
  META_SELECTOBJECT = 0x012D,
  META_SELECTPALETTE = 0x0234,
  META_DELETEOBJECT = 0x01F0,
  META_ESCAPE = 0x0626,
  META_DIBBITBLT = 0x0940,
  META_DIBSTRETCHBLT = 0x0B41,
  META_STRETCHDIB = 0x0F43,
  META_SETDIBTODEV = 0x0D33,
  META_DIBCREATEPATTERNBRUSH = 0x0142,
  META_BITBLT = 0x0922,
  META_STRETCHBLT = 0x0B23,
  META_CREATEPATTERNBRUSH = 0x01F9,
  META_CREATEREGION = 0x06FF,
  META_SETPALENTRIES = 0x0037,
  META_ANIMATEPALETTE = 0x0436,
  META_CREATEPALETTE = 0x00F7,
  META_RESIZEPALETTE = 0x0139,
  META_FILLREGION = 0x0228,
  META_FRAMEREGION = 0x0429,
  META_INVERTREGION = 0x012A,
  META_PAINTREGION = 0x012B,
  META_SELECTCLIPREGION = 0x012C,
};

constexpr std::array<std::uint16_t, 7> kCreationsWmf{0x00F7, 0x02FC, 0x02FB, 0x02FA, 0x01F9, 0x0142, 0x06FF};

// Fixed records that read this many parameter words: playing one shorter
// would read past its end.
struct ParametresMin {
  std::uint16_t fonction, mots;
};
constexpr ParametresMin kParametresWmf[] = {
    {0x0103, 1}, {0x0201, 2}, {0x0209, 2}, {0x020B, 2}, {0x020C, 2}, {0x020D, 2}, {0x020E, 2}, {0x0211, 2},
    {0x0213, 2}, {0x0214, 2}, {0x0412, 4}, {0x0410, 4}, {0x041B, 4}, {0x0418, 4}, {0x061C, 6}, {0x0817, 8},
    {0x081A, 8}, {0x0830, 8}, {0x041F, 4}, {0x02FC, 4}, {0x02FA, 5}, {0x02FB, 9}, {0x0102, 1}, {0x0104, 1},
    {0x0106, 1}, {0x0107, 1}, {0x012E, 1}, {0x012C, 1}, {0x0127, 1}, {0x0231, 2}, {0x0220, 2}, {0x0415, 4},
    {0x0416, 4}, {0x0419, 4}, {0x0228, 2}, {0x0200, 0}, {0x061D, 6}, {0x0429, 4}, {0x012A, 1}, {0x012B, 1},
};

// True when the walk vouches for a record's contents: its counts fit in it,
// its object indexes name objects, its bitmaps check out, and it stays
// within the picture's budgets. `p` holds its parameters.
bool enregistrement_sur(std::uint16_t fonction, const Octets& p, std::vector<bool>& table, Compteurs& c) {
  const std::uint64_t parametres = p.taille() / 2;
  auto parametre = [&](std::uint64_t i) { return p.mot(i * 2); };
  for (auto [f_min, mots_min] : kParametresWmf)
    if (fonction == f_min && parametres < mots_min) return false;

  switch (fonction) {
    case META_POLYGON:
    case META_POLYLINE: {
      auto nombre = parametre(0);
      if (!nombre || parametres < 1 + std::uint64_t{*nombre} * 2 || !c.ajouter(c.points, *nombre, kMaxPoints))
        return false;
      break;
    }
    case META_POLYPOLYGON: {
      auto polygones = parametre(0);
      if (!polygones || parametres < 1 + std::uint64_t{*polygones}) return false;
      std::uint64_t total = 0;
      for (std::uint64_t i = 0; i < *polygones; ++i) total += *parametre(1 + i);
      if (parametres < 1 + *polygones + 2 * total || !c.ajouter(c.points, total, kMaxPoints)) return false;
      break;
    }
    case META_TEXTOUT: {
      auto longueur = parametre(0);
      if (!longueur || parametres < 1 + (std::uint64_t{*longueur} + 1) / 2 + 2 ||
          !c.ajouter(c.caracteres, *longueur, kMaxCaracteres))
        return false;
      break;
    }
    case META_EXTTEXTOUT: {
      auto longueur = parametre(2), options = parametre(3);
      if (!longueur || !options) return false;
      std::uint64_t requis = 4 + ((*options & 0x0006) ? 4 : 0) + (std::uint64_t{*longueur} + 1) / 2;
      if (parametres < requis || !c.ajouter(c.caracteres, *longueur, kMaxCaracteres)) return false;
      // Optional spacing: when present it must hold one word a character.
      if (parametres > requis && parametres < requis + *longueur) return false;
      break;
    }
    case META_SELECTOBJECT:
    case META_SELECTPALETTE:
    case META_DELETEOBJECT: {
      auto indice = parametre(0);
      if (!indice || *indice >= table.size() || !table[*indice]) return false;
      if (fonction == META_DELETEOBJECT) table[*indice] = false;
      break;
    }
    case META_FILLREGION:
    case META_FRAMEREGION:
    case META_INVERTREGION:
    case META_PAINTREGION:
    case META_SELECTCLIPREGION: {
      // The playback reads the handle table at each of these indexes (a
      // region, then a brush for the first two) with no check of its own;
      // a clipping region of 0 clears the clipping without reading it.
      const int champs = fonction == META_FILLREGION || fonction == META_FRAMEREGION ? 2 : 1;
      for (int i = 0; i < champs; ++i) {
        auto indice = parametre(i);
        if (!indice) return false;
        if (fonction == META_SELECTCLIPREGION && *indice == 0) continue;
        if (*indice >= table.size() || !table[*indice]) return false;
      }
      break;
    }
    case META_ESCAPE: {
      auto longueur = parametre(1);
      if (!longueur || parametres < 2 + (std::uint64_t{*longueur} + 1) / 2) return false;
      break;
    }
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV:
    case META_DIBCREATEPATTERNBRUSH: {
      // Words before the bitmap; the two blits carry none in their short form.
      std::uint64_t avant = fonction == META_DIBBITBLT       ? 8
                            : fonction == META_DIBSTRETCHBLT ? 10
                            : fonction == META_STRETCHDIB    ? 11
                            : fonction == META_SETDIBTODEV   ? 9
                                                             : 2;
      const bool sans_bitmap =
          (fonction == META_DIBBITBLT && parametres == 9) || (fonction == META_DIBSTRETCHBLT && parametres == 11);
      if (sans_bitmap) break;
      if (parametres <= avant || !verifier_dib(p.sous(avant * 2, (parametres - avant) * 2), nullptr, c)) return false;
      break;
    }
    case META_BITBLT:
    case META_STRETCHBLT:
      // The system's playback reads their bitmap in a layout of its own;
      // the program draws them itself, from what this reads.
      if (auto blit = lire_blit_ddb(fonction, p.octets(0, p.taille())))
        return c.ajouter(c.pixels, std::uint64_t{blit->largeur_bitmap} * blit->hauteur_bitmap, kMaxPixelsBitmap);
      return false;
    case META_CREATEPATTERNBRUSH:
    case META_CREATEREGION:
    case META_SETPALENTRIES:
    case META_ANIMATEPALETTE:
    case META_RESIZEPALETTE:
      // Device-dependent bitmaps, regions and palette edits: old, rare, and
      // full of sizes the playback trusts. Left out.
      return false;
    default:
      break;
  }
  return true;
}

std::optional<MetafichierWindows> verifier_records_wmf(const Octets& f, MetafichierWindows m) {
  // METAHEADER
  auto type = f.mot(0), entete = f.mot(2), version = f.mot(4), objets = f.mot(10);
  auto taille_mots = f.dmot(6);
  if (!type || !entete || !version || !taille_mots || !objets) return std::nullopt;
  if ((*type != 1 && *type != 2) || *entete != 9 || (*version != 0x0100 && *version != 0x0300)) return std::nullopt;
  std::uint64_t taille = std::uint64_t{*taille_mots} * 2;
  // Some writers count the 22-byte placeable header in the size; other
  // readers take such files, and every record is still checked against the
  // bytes that are there.
  if (taille == f.taille() + kTaillePlacable) taille = f.taille();
  if (taille < 18 || taille > f.taille()) return std::nullopt;
  m.taille = static_cast<std::size_t>(taille);

  std::vector<bool> table(*objets, false);  // the object table: a creation takes the lowest free slot
  Compteurs c;
  std::uint64_t position = 18;
  for (std::uint32_t n = 0; n < kMaxEnregistrements; ++n) {
    auto mots = f.dmot(position);
    auto fonction = f.mot(position + 4);
    if (!mots || !fonction || *mots < 3 || !f.contient(position, std::uint64_t{*mots} * 2) ||
        position + std::uint64_t{*mots} * 2 > taille)
      return std::nullopt;
    const std::uint64_t parametres = *mots - 3;  // words after the function
    const Octets p = f.sous(position + 6, parametres * 2);

    if (*fonction == META_EOF) return m;
    // Whole and in its place, but not vouched for: left out at playback,
    // where a creation left out still takes its slot (see the decoder).
    if (!enregistrement_sur(*fonction, p, table, c)) m.ecartes.push_back(n);
    for (std::uint16_t creation : kCreationsWmf) {
      if (*fonction != creation) continue;
      std::size_t libre = 0;
      while (libre < table.size() && table[libre]) ++libre;
      if (libre == table.size()) return std::nullopt;  // the playback would lose track of the table
      table[libre] = true;
    }
    position += std::uint64_t{*mots} * 2;
  }
  return std::nullopt;  // too many records
}

}  // namespace

bool creation_wmf(std::uint16_t fonction) {
  return std::find(kCreationsWmf.begin(), kCreationsWmf.end(), fonction) != kCreationsWmf.end();
}

std::optional<BlitDdb> lire_blit_ddb(std::uint16_t fonction, std::span<const std::uint8_t> parametres) {
  const Octets p(parametres);
  auto mot = [&](std::uint64_t i) { return p.mot(i * 2); };
  // Words before the bitmap: the operation, then the source's corner (and
  // size, when stretched), then the destination. The forms without a bitmap
  // are shorter.
  const bool etire = fonction == META_STRETCHBLT;
  const std::uint64_t avant = etire ? 10 : 8;
  if (p.taille() / 2 < avant + 5) return std::nullopt;
  // Bitmap16: type, width, height, bytes a row, planes and bits a pixel (a
  // byte each), then the rows.
  auto op_bas = mot(0), op_haut = mot(1), largeur = mot(avant + 1), hauteur = mot(avant + 2), ligne = mot(avant + 3),
       plans_bits = mot(avant + 4);
  BlitDdb b{};
  b.operation = std::uint32_t{*op_bas} | std::uint32_t{*op_haut} << 16;
  const auto signe = [&](std::uint64_t i) { return static_cast<std::int16_t>(*mot(i)); };
  if (etire) {
    b.source_h = signe(2), b.source_l = signe(3), b.source_y = signe(4), b.source_x = signe(5);
    b.hauteur = signe(6), b.largeur = signe(7), b.y = signe(8), b.x = signe(9);
  } else {
    b.source_y = signe(2), b.source_x = signe(3), b.hauteur = b.source_h = signe(4);
    b.largeur = b.source_l = signe(5), b.y = signe(6), b.x = signe(7);
  }
  b.largeur_bitmap = *largeur, b.hauteur_bitmap = *hauteur, b.octets_par_ligne = *ligne;
  b.bits_par_pixel = static_cast<std::uint8_t>(*plans_bits >> 8);
  if ((*plans_bits & 0xFF) != 1 || (b.bits_par_pixel != 24 && b.bits_par_pixel != 32)) return std::nullopt;
  if (b.largeur_bitmap == 0 || b.hauteur_bitmap == 0 ||
      b.octets_par_ligne < (std::uint64_t{b.largeur_bitmap} * b.bits_par_pixel + 15) / 16 * 2)
    return std::nullopt;
  const std::uint64_t debut = (avant + 5) * 2, requis = std::uint64_t{b.octets_par_ligne} * b.hauteur_bitmap;
  if (!p.contient(debut, requis)) return std::nullopt;
  b.pixels = p.octets(debut, requis);
  // The source inside the bitmap, mirrored sizes counting by their extent.
  const auto dans = [](std::int64_t debut_, std::int64_t etendue, std::int64_t cote) {
    return std::min(debut_, debut_ + etendue) >= 0 && std::max(debut_, debut_ + etendue) <= cote;
  };
  if (!dans(b.source_x, b.source_l, b.largeur_bitmap) || !dans(b.source_y, b.source_h, b.hauteur_bitmap))
    return std::nullopt;
  return b;
}

std::optional<MetafichierWindows> verifier_wmf(std::span<const std::uint8_t> octets) {
  const Octets f(octets);
  // The placeable header: key, handle, box, units per inch, reserved, checksum.
  auto cle = f.dmot(0);
  if (!cle || *cle != 0x9AC6CDD7 || f.taille() < 22) return std::nullopt;
  MetafichierWindows m{static_cast<std::int16_t>(*f.mot(6)),
                       static_cast<std::int16_t>(*f.mot(8)),
                       static_cast<std::int16_t>(*f.mot(10)),
                       static_cast<std::int16_t>(*f.mot(12)),
                       *f.mot(14),
                       22,
                       0,
                       {}};
  if (m.unites_par_pouce == 0 || m.droite <= m.gauche || m.bas <= m.haut) return std::nullopt;
  return verifier_records_wmf(f.sous(22, f.taille() - 22), m);
}

}  // namespace pixavue
