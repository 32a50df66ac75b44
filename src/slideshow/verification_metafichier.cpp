// Walks a metafile's whole record chain before any system playback sees it.
#include "slideshow/verification_metafichier.h"

#include "slideshow/portee_metafichier.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace pixavue {
namespace {

// Bounds-checked little-endian reads inside one span; every offset and size
// is taken in 64 bits so that no sum of file values can wrap.
class Octets {
 public:
  explicit Octets(std::span<const std::uint8_t> o) : o_(o) {}
  std::uint64_t taille() const { return o_.size(); }
  bool contient(std::uint64_t debut, std::uint64_t longueur) const {
    return debut <= o_.size() && longueur <= o_.size() - debut;
  }
  std::optional<std::uint16_t> mot(std::uint64_t a) const {
    if (!contient(a, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(o_[a] | o_[a + 1] << 8);
  }
  std::optional<std::uint32_t> dmot(std::uint64_t a) const {
    if (!contient(a, 4)) return std::nullopt;
    return static_cast<std::uint32_t>(o_[a] | o_[a + 1] << 8 | o_[a + 2] << 16 | std::uint32_t{o_[a + 3]} << 24);
  }
  Octets sous(std::uint64_t debut, std::uint64_t longueur) const { return Octets(o_.subspan(debut, longueur)); }
  std::span<const std::uint8_t> octets(std::uint64_t debut, std::uint64_t longueur) const {
    return o_.subspan(debut, longueur);
  }
  std::uint8_t operator[](std::uint64_t a) const { return o_[a]; }  // inside taille() only

 private:
  std::span<const std::uint8_t> o_;
};

struct Compteurs {
  std::uint64_t points = 0, caracteres = 0, pixels = 0;
  // Counts `n` more when they stay within `limite`.
  bool ajouter(std::uint64_t& compteur, std::uint64_t n, std::uint64_t limite) {
    if (compteur > limite || n > limite - compteur) return false;
    compteur += n;
    return true;
  }
};

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

// A device-independent bitmap held in `zone`, with its pixels in `apart`
// when they live apart (enhanced metafiles), or right after the header and
// colour table when `apart` is nothing (Windows metafiles).
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

// ---- Windows metafiles ----------------------------------------------------

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
    auto parametre = [&](std::uint64_t i) { return p.mot(i * 2); };

    if (*fonction == META_EOF) return m;
    for (auto [f_min, mots_min] : kParametresWmf)
      if (*fonction == f_min && parametres < mots_min) return std::nullopt;

    switch (*fonction) {
      case META_POLYGON:
      case META_POLYLINE: {
        auto nombre = parametre(0);
        if (!nombre || parametres < 1 + std::uint64_t{*nombre} * 2 || !c.ajouter(c.points, *nombre, kMaxPoints))
          return std::nullopt;
        break;
      }
      case META_POLYPOLYGON: {
        auto polygones = parametre(0);
        if (!polygones || parametres < 1 + std::uint64_t{*polygones}) return std::nullopt;
        std::uint64_t total = 0;
        for (std::uint64_t i = 0; i < *polygones; ++i) total += *parametre(1 + i);
        if (parametres < 1 + *polygones + 2 * total || !c.ajouter(c.points, total, kMaxPoints)) return std::nullopt;
        break;
      }
      case META_TEXTOUT: {
        auto longueur = parametre(0);
        if (!longueur || parametres < 1 + (std::uint64_t{*longueur} + 1) / 2 + 2 ||
            !c.ajouter(c.caracteres, *longueur, kMaxCaracteres))
          return std::nullopt;
        break;
      }
      case META_EXTTEXTOUT: {
        auto longueur = parametre(2), options = parametre(3);
        if (!longueur || !options) return std::nullopt;
        std::uint64_t requis = 4 + ((*options & 0x0006) ? 4 : 0) + (std::uint64_t{*longueur} + 1) / 2;
        if (parametres < requis || !c.ajouter(c.caracteres, *longueur, kMaxCaracteres)) return std::nullopt;
        // Optional spacing: when present it must hold one word a character.
        if (parametres > requis && parametres < requis + *longueur) return std::nullopt;
        break;
      }
      case META_SELECTOBJECT:
      case META_SELECTPALETTE:
      case META_DELETEOBJECT: {
        auto indice = parametre(0);
        if (!indice || *indice >= table.size() || !table[*indice]) return std::nullopt;
        if (*fonction == META_DELETEOBJECT) table[*indice] = false;
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
        const int champs = *fonction == META_FILLREGION || *fonction == META_FRAMEREGION ? 2 : 1;
        for (int i = 0; i < champs; ++i) {
          auto indice = parametre(i);
          if (!indice) return std::nullopt;
          if (*fonction == META_SELECTCLIPREGION && *indice == 0) continue;
          if (*indice >= table.size() || !table[*indice]) return std::nullopt;
        }
        break;
      }
      case META_ESCAPE: {
        auto longueur = parametre(1);
        if (!longueur || parametres < 2 + (std::uint64_t{*longueur} + 1) / 2) return std::nullopt;
        break;
      }
      case META_DIBBITBLT:
      case META_DIBSTRETCHBLT:
      case META_STRETCHDIB:
      case META_SETDIBTODEV:
      case META_DIBCREATEPATTERNBRUSH: {
        // Words before the bitmap; the two blits carry none in their short form.
        std::uint64_t avant = *fonction == META_DIBBITBLT       ? 8
                              : *fonction == META_DIBSTRETCHBLT ? 10
                              : *fonction == META_STRETCHDIB    ? 11
                              : *fonction == META_SETDIBTODEV   ? 9
                                                                : 2;
        const bool sans_bitmap =
            (*fonction == META_DIBBITBLT && parametres == 9) || (*fonction == META_DIBSTRETCHBLT && parametres == 11);
        if (sans_bitmap) break;
        if (parametres <= avant || !verifier_dib(p.sous(avant * 2, (parametres - avant) * 2), nullptr, c))
          return std::nullopt;
        break;
      }
      case META_BITBLT:
      case META_STRETCHBLT:
      case META_CREATEPATTERNBRUSH:
      case META_CREATEREGION:
      case META_SETPALENTRIES:
      case META_ANIMATEPALETTE:
      case META_RESIZEPALETTE:
        // Device-dependent bitmaps, regions and palette edits: old, rare, and
        // full of sizes the playback trusts. Refused.
        return std::nullopt;
      default:
        break;
    }
    for (std::uint16_t creation : kCreationsWmf) {
      if (*fonction != creation) continue;
      std::size_t libre = 0;
      while (libre < table.size() && table[libre]) ++libre;
      if (libre == table.size()) return std::nullopt;
      table[libre] = true;
    }
    position += std::uint64_t{*mots} * 2;
  }
  return std::nullopt;  // too many records
}

// ---- Enhanced metafiles -----------------------------------------------------

enum : std::uint32_t {
  EMR_HEADER = 1,
  EMR_POLYBEZIER = 2,
  EMR_POLYGON = 3,
  EMR_POLYLINE = 4,
  EMR_POLYBEZIERTO = 5,
  EMR_POLYLINETO = 6,
  EMR_POLYPOLYLINE = 7,
  EMR_POLYPOLYGON = 8,
  EMR_EOF = 14,
  EMR_SELECTOBJECT = 37,
  EMR_DELETEOBJECT = 40,
  EMR_SELECTPALETTE = 48,
  EMR_CREATEPALETTE = 49,
  EMR_SETPALETTEENTRIES = 50,
  EMR_POLYDRAW = 56,
  EMR_GDICOMMENT = 70,
  EMR_FILLRGN = 71,
  EMR_FRAMERGN = 72,
  EMR_INVERTRGN = 73,
  EMR_PAINTRGN = 74,
  EMR_EXTSELECTCLIPRGN = 75,
  EMR_BITBLT = 76,
  EMR_STRETCHBLT = 77,
  EMR_MASKBLT = 78,
  EMR_PLGBLT = 79,
  EMR_SETDIBITSTODEVICE = 80,
  EMR_STRETCHDIBITS = 81,
  EMR_EXTCREATEFONTINDIRECTW = 82,
  EMR_EXTTEXTOUTA = 83,
  EMR_EXTTEXTOUTW = 84,
  EMR_POLYBEZIER16 = 85,
  EMR_POLYGON16 = 86,
  EMR_POLYLINE16 = 87,
  EMR_POLYBEZIERTO16 = 88,
  EMR_POLYLINETO16 = 89,
  EMR_POLYPOLYLINE16 = 90,
  EMR_POLYPOLYGON16 = 91,
  EMR_POLYDRAW16 = 92,
  EMR_CREATEMONOBRUSH = 93,
  EMR_CREATEDIBPATTERNBRUSHPT = 94,
  EMR_SMALLTEXTOUT = 108,
  EMR_EXTCREATEPEN = 95,
  EMR_ALPHABLEND = 114,
  EMR_TRANSPARENTBLT = 116,
};

// Minimum sizes of fixed records, header included.
struct TailleMin {
  std::uint32_t type, octets;
};
constexpr TailleMin kTaillesEmf[] = {
    {9, 16},   {10, 16},  {11, 16},  {12, 16}, {13, 16}, {14, 20}, {15, 20},  {16, 12},   {17, 12},   {18, 12},
    {19, 12},  {20, 12},  {21, 12},  {22, 12}, {23, 12}, {24, 12}, {25, 12},  {27, 16},   {28, 8},    {29, 24},
    {30, 24},  {31, 24},  {32, 16},  {33, 8},  {34, 12}, {35, 32}, {36, 32},  {37, 12},   {38, 28},   {39, 24},
    {40, 12},  {41, 28},  {42, 24},  {43, 24}, {44, 32}, {45, 40}, {46, 40},  {47, 40},   {48, 12},   {49, 20},
    {50, 20},  {51, 16},  {52, 8},   {53, 24}, {54, 16}, {55, 40}, {56, 28},  {57, 12},   {58, 12},   {59, 8},
    {60, 8},   {61, 8},   {62, 24},  {63, 24}, {64, 24}, {65, 8},  {66, 8},   {67, 8},    {68, 8},    {82, 104},
    {70, 12},  {71, 32},  {72, 40},  {73, 28}, {74, 28}, {75, 16}, {76, 100}, {77, 108},  {78, 128},  {79, 140},
    {80, 76},  {81, 80},  {83, 76},  {84, 76}, {93, 32}, {94, 32}, {95, 52},  {114, 108}, {116, 108}, {99, 12},
    {122, 12}, {115, 12}, {108, 36},
};

// Records refused outright: text runs with their own layout, OpenGL, escapes
// to the printer driver, and the few with loosely specified contents.
constexpr std::uint32_t kRefusesEmf[] = {96, 97, 102, 103, 104, 105, 106, 110, 111, 112, 113, 117, 119, 120, 121};

// The object fields, and what the system's playback does with each. Only a
// selection translates a stock index (its high bit set); every other use,
// and every creation, reads or writes the handle table at that index as it
// stands, with no check of its own. So a field passes only when its index is
// inside the table and names, at that point, an object of the kind its
// record takes.
enum class Objet : std::uint8_t { aucun, stylo, pinceau, police, palette, espace_couleur, quelconque };
enum class Usage : std::uint8_t { creer, choisir, supprimer, utiliser };
struct ChampObjet {
  std::uint32_t type;
  std::uint32_t decalage;
  Usage usage;
  Objet genre;
};
constexpr ChampObjet kChampsObjets[] = {
    {38, 8, Usage::creer, Objet::stylo},                // EMR_CREATEPEN
    {95, 8, Usage::creer, Objet::stylo},                // EMR_EXTCREATEPEN
    {39, 8, Usage::creer, Objet::pinceau},              // EMR_CREATEBRUSHINDIRECT
    {93, 8, Usage::creer, Objet::pinceau},              // EMR_CREATEMONOBRUSH
    {94, 8, Usage::creer, Objet::pinceau},              // EMR_CREATEDIBPATTERNBRUSHPT
    {82, 8, Usage::creer, Objet::police},               // EMR_EXTCREATEFONTINDIRECTW
    {49, 8, Usage::creer, Objet::palette},              // EMR_CREATEPALETTE
    {99, 8, Usage::creer, Objet::espace_couleur},       // EMR_CREATECOLORSPACE
    {122, 8, Usage::creer, Objet::espace_couleur},      // EMR_CREATECOLORSPACEW
    {37, 8, Usage::choisir, Objet::quelconque},         // EMR_SELECTOBJECT
    {48, 8, Usage::choisir, Objet::palette},            // EMR_SELECTPALETTE
    {40, 8, Usage::supprimer, Objet::quelconque},       // EMR_DELETEOBJECT
    {101, 8, Usage::supprimer, Objet::espace_couleur},  // EMR_DELETECOLORSPACE
    {50, 8, Usage::utiliser, Objet::palette},           // EMR_SETPALETTEENTRIES
    {51, 8, Usage::utiliser, Objet::palette},           // EMR_RESIZEPALETTE
    {71, 28, Usage::utiliser, Objet::pinceau},          // EMR_FILLRGN's brush
    {72, 28, Usage::utiliser, Objet::pinceau},          // EMR_FRAMERGN's brush
    {100, 8, Usage::utiliser, Objet::espace_couleur},   // EMR_SETCOLORSPACE
};

// True when the record's object field is one the playback handles; the
// table then follows the record. Called once the rest of it is vouched for.
bool objet_sur(std::uint32_t type, const Octets& r, std::vector<Objet>& table) {
  for (const ChampObjet& champ : kChampsObjets) {
    if (champ.type != type) continue;
    auto indice = r.dmot(champ.decalage);
    if (!indice) return false;
    if (*indice & 0x80000000u) return champ.usage == Usage::choisir && (*indice & 0x7FFFFFFFu) <= 31;
    if (*indice == 0 || *indice >= table.size()) return false;
    Objet& objet = table[*indice];
    if (champ.usage == Usage::creer) {
      objet = champ.genre;
      return true;
    }
    if (objet == Objet::aucun || (champ.genre != Objet::quelconque && objet != champ.genre)) return false;
    if (champ.usage == Usage::supprimer) objet = Objet::aucun;
    return true;
  }
  return true;
}

// True when the walk vouches for a record's contents: its counts fit in it,
// its bitmaps check out, and it stays
// within the picture's budgets. `r` is the whole record.
bool enregistrement_sur(std::uint32_t type, const Octets& r, Compteurs& c) {
  const std::uint64_t taille = r.taille();
  auto d = [&](std::uint64_t a) { return r.dmot(a); };
  if (type == EMR_HEADER || type == 0 || type > 122) return false;
  for (std::uint32_t refuse : kRefusesEmf)
    if (type == refuse) return false;
  for (auto [type_min, octets_min] : kTaillesEmf)
    if (type == type_min && taille < octets_min) return false;

  // A count of elements of `taille_element` bytes each, from `debut` on.
  auto tient = [&](std::uint64_t debut, std::uint64_t nombre, std::uint64_t taille_element) {
    return debut <= taille && nombre <= (taille - debut) / taille_element;
  };
  auto bitmap = [&](std::uint64_t a_off_bmi) {
    auto off_bmi = d(a_off_bmi), cb_bmi = d(a_off_bmi + 4), off_bits = d(a_off_bmi + 8), cb_bits = d(a_off_bmi + 12);
    if (!off_bmi || !cb_bmi || !off_bits || !cb_bits) return false;
    if (*cb_bmi == 0) return true;  // a pattern-only blit
    if (!r.contient(*off_bmi, *cb_bmi) || !r.contient(*off_bits, *cb_bits)) return false;
    const Octets pixels = r.sous(*off_bits, *cb_bits);
    return verifier_dib(r.sous(*off_bmi, *cb_bmi), &pixels, c);
  };

  // A blit's source rectangle inside its bitmap: stretching a few pixels
  // from a source billions wide froze the system's playback. Mirrored
  // sizes count by their extent. A blit without a bitmap has no source.
  auto source_dans_bitmap = [&](std::uint64_t a_off_bmi, std::uint64_t a_x, std::uint64_t a_y, std::uint64_t a_l,
                                std::uint64_t a_h) {
    auto off_bmi = d(a_off_bmi), cb_bmi = d(a_off_bmi + 4);
    if (!off_bmi || !cb_bmi) return false;
    if (*cb_bmi == 0) return true;
    auto taille_entete = r.dmot(*off_bmi);
    if (!taille_entete) return false;
    const bool noyau = *taille_entete == 12;  // BITMAPCOREHEADER: 16-bit sizes
    auto mot = [&](std::uint64_t a) -> std::optional<std::uint32_t> {
      if (auto v = r.mot(a)) return *v;
      return std::nullopt;
    };
    auto bl = noyau ? mot(*off_bmi + 4) : d(*off_bmi + 4), bh = noyau ? mot(*off_bmi + 6) : d(*off_bmi + 8);
    auto x = d(a_x), y = d(a_y), l = d(a_l), h = d(a_h);
    if (!bl || !bh || !x || !y || !l || !h) return false;
    const auto dans = [](std::uint32_t debut, std::uint32_t etendue, std::int64_t cote) {
      const std::int64_t a = static_cast<std::int32_t>(debut), b = a + static_cast<std::int32_t>(etendue);
      return std::min(a, b) >= 0 && std::max(a, b) <= cote;
    };
    const std::int64_t largeur = noyau ? *bl : static_cast<std::int32_t>(*bl);
    const std::int64_t hauteur = noyau ? *bh : std::abs(std::int64_t{static_cast<std::int32_t>(*bh)});
    return dans(*x, *l, largeur) && dans(*y, *h, hauteur);
  };

  switch (type) {
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16: {
      auto nombre = d(24);
      const std::uint64_t element = type >= EMR_POLYBEZIER16 ? 4 : 8;
      if (!nombre || !tient(28, *nombre, element) || !c.ajouter(c.points, *nombre, kMaxPoints)) return false;
      break;
    }
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16: {
      auto polygones = d(24), points = d(28);
      const std::uint64_t element = type >= EMR_POLYPOLYLINE16 ? 4 : 8;
      if (!polygones || !points || !tient(32, *polygones, 4)) return false;
      std::uint64_t total = 0;
      for (std::uint64_t i = 0; i < *polygones; ++i) total += *d(32 + 4 * i);
      if (total != *points || !tient(32 + 4 * std::uint64_t{*polygones}, *points, element) ||
          !c.ajouter(c.points, total, kMaxPoints))
        return false;
      break;
    }
    case EMR_POLYDRAW:
    case EMR_POLYDRAW16: {
      auto nombre = d(24);
      const std::uint64_t element = type == EMR_POLYDRAW16 ? 5 : 9;  // a point and its type byte
      if (!nombre || !tient(28, *nombre, element) || !c.ajouter(c.points, *nombre, kMaxPoints)) return false;
      break;
    }
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
      auto caracteres = d(44), off_texte = d(48), options = d(52), off_dx = d(72);
      if (!caracteres || !off_texte || !options || !off_dx) return false;
      const std::uint64_t largeur = type == EMR_EXTTEXTOUTW ? 2 : 1;
      if (!tient(*off_texte, *caracteres, largeur) || !c.ajouter(c.caracteres, *caracteres, kMaxCaracteres))
        return false;
      const std::uint64_t pas_dx = (*options & 0x2000) ? 8 : 4;  // ETO_PDY: x and y a character
      if (*off_dx && !tient(*off_dx, *caracteres, pas_dx)) return false;
      break;
    }
    case EMR_SMALLTEXTOUT: {
      // Its bounds only without ETO_NO_RECT; one byte a character with ETO_SMALL_CHARS.
      auto caracteres = d(16), options = d(20);
      if (!caracteres || !options) return false;
      const std::uint64_t debut = (*options & 0x100) ? 36 : 52;
      if (!tient(debut, *caracteres, (*options & 0x200) ? 1 : 2) ||
          !c.ajouter(c.caracteres, *caracteres, kMaxCaracteres))
        return false;
      break;
    }
    case EMR_CREATEPALETTE: {
      auto entrees = r.mot(14);
      if (!entrees || !tient(16, *entrees, 4)) return false;
      break;
    }
    case EMR_SETPALETTEENTRIES: {
      auto entrees = d(16);
      if (!entrees || !tient(20, *entrees, 4)) return false;
      break;
    }
    case EMR_GDICOMMENT:
      if (!tient(12, *d(8), 1)) return false;
      break;
    case EMR_FILLRGN:
    case EMR_FRAMERGN:
    case EMR_INVERTRGN:
    case EMR_PAINTRGN:
    case EMR_EXTSELECTCLIPRGN: {
      const std::uint64_t a_taille = type == EMR_EXTSELECTCLIPRGN ? 8 : 24;
      const std::uint64_t debut = type == EMR_EXTSELECTCLIPRGN ? 16
                                  : type == EMR_FILLRGN        ? 32
                                  : type == EMR_FRAMERGN       ? 40
                                                               : 28;
      auto octets_region = d(a_taille);
      if (!octets_region || !tient(debut, *octets_region, 1)) return false;
      if (*octets_region == 0) {
        if (type != EMR_EXTSELECTCLIPRGN) return false;
        break;  // resets the clipping
      }
      // RGNDATAHEADER: 32 bytes, then nCount rectangles of 16 bytes.
      auto rectangles = r.dmot(debut + 8);
      if (*octets_region < 32 || !rectangles || *rectangles > (*octets_region - 32) / 16) return false;
      break;
    }
    case EMR_BITBLT:
    case EMR_MASKBLT:
      // The source is as large as the destination.
      if (!bitmap(84) || (type == EMR_MASKBLT && !bitmap(112)) || !source_dans_bitmap(84, 44, 48, 32, 36)) return false;
      break;
    case EMR_STRETCHBLT:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT:
      if (!bitmap(84) || !source_dans_bitmap(84, 44, 48, 100, 104)) return false;
      break;
    case EMR_PLGBLT:
      if (!bitmap(96) || !bitmap(124) || !source_dans_bitmap(96, 48, 52, 56, 60)) return false;
      break;
    case EMR_SETDIBITSTODEVICE:
    case EMR_STRETCHDIBITS:
      if (!bitmap(48) || *d(52) == 0 || !source_dans_bitmap(48, 32, 36, 40, 44)) return false;
      break;
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
      if (!bitmap(16) || *d(20) == 0) return false;
      break;
    case EMR_EXTCREATEPEN: {
      auto entrees = d(48);
      if (!bitmap(12) || !entrees || !tient(52, *entrees, 4)) return false;
      break;
    }
    default:
      break;
  }
  return true;
}

std::optional<MetafichierAmeliore> verifier_emf_records(const Octets& f) {
  auto type = f.dmot(0), taille_entete = f.dmot(4), signature = f.dmot(40), octets = f.dmot(48),
       enregistrements = f.dmot(52);
  auto poignees = f.mot(56);
  if (!type || !taille_entete || !signature || !octets || !enregistrements || !poignees) return std::nullopt;
  if (*type != EMR_HEADER || *signature != 0x464D4520 || *taille_entete < 88 || *taille_entete % 4 ||
      *octets < *taille_entete || *octets % 4 || *octets > f.taille() || *poignees == 0 ||
      *enregistrements > kMaxEnregistrements)
    return std::nullopt;
  MetafichierAmeliore m{static_cast<std::int32_t>(*f.dmot(24)), static_cast<std::int32_t>(*f.dmot(28)),
                        static_cast<std::int32_t>(*f.dmot(32)), static_cast<std::int32_t>(*f.dmot(36)), *octets};
  if (std::int64_t{m.droite} <= m.gauche || std::int64_t{m.bas} <= m.haut) return std::nullopt;
  auto description = f.dmot(64), decalage = f.dmot(68);
  if (!description || !decalage) return std::nullopt;
  if (*description && (std::uint64_t{*decalage} + std::uint64_t{*description} * 2 > *octets)) return std::nullopt;

  const Octets tout = f.sous(0, *octets);
  Compteurs c;
  std::vector<Objet> objets(*poignees, Objet::aucun);  // slot 0 is the picture itself
  auto portee = PorteeEmf::depuis_entete(f.octets(0, *taille_entete));
  if (!portee) return std::nullopt;
  std::uint64_t position = *taille_entete;
  for (std::uint32_t n = 0; n < kMaxEnregistrements; ++n) {
    auto t = tout.dmot(position), s = tout.dmot(position + 4);
    if (!t || !s || *s < 8 || *s % 4 || !tout.contient(position, *s)) return std::nullopt;
    const Octets r = tout.sous(position, *s);
    const std::uint64_t taille = *s;

    if (*t == EMR_EOF) return taille >= 20 ? std::optional(std::move(m)) : std::nullopt;
    // Whole and in its place, but not vouched for: left out at playback.
    if (!enregistrement_sur(*t, r, c) || !objet_sur(*t, r, objets) ||
        !portee->suivre(*t, tout.octets(position, taille)))
      m.ecartes.push_back(n + 1);
    position += taille;
  }
  return std::nullopt;  // too many records, or no end record
}

}  // namespace

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
                       0};
  if (m.unites_par_pouce == 0 || m.droite <= m.gauche || m.bas <= m.haut) return std::nullopt;
  return verifier_records_wmf(f.sous(22, f.taille() - 22), m);
}

std::optional<MetafichierAmeliore> verifier_emf(std::span<const std::uint8_t> octets) {
  return verifier_emf_records(Octets(octets));
}

}  // namespace pixavue
