// Walks an enhanced metafile's whole record chain before any system playback
// sees it.
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "slideshow/lecteur_metafichier.h"
#include "slideshow/portee_metafichier.h"
#include "slideshow/verification_metafichier.h"

namespace pixavue {
namespace {

using metafichier::Compteurs;
using metafichier::Octets;
using metafichier::verifier_dib;

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
      // The playback makes this pen itself from the record's fields (see
      // the decoder): what they describe must be a pen the system makes.
      auto style = d(28), brosse = d(36), hachure = d(44), entrees = d(48);
      if (!bitmap(12) || !style || !brosse || !hachure || !entrees || !tient(52, *entrees, 4)) return false;
      const bool geometrique = (*style & 0x000F0000u) == 0x00010000u;  // PS_GEOMETRIC
      const bool libre = (*style & 0x0000000Fu) == 7;                  // PS_USERSTYLE
      if (libre && (*entrees == 0 || *entrees > 16)) return false;
      switch (*brosse) {
        case 0:  // BS_SOLID
        case 1:  // BS_NULL
          break;
        case 2:  // BS_HATCHED, HS_HORIZONTAL to HS_DIAGCROSS
          if (!geometrique || *hachure > 5) return false;
          break;
        case 5:  // BS_DIBPATTERN and BS_DIBPATTERNPT: the record's own bitmap
        case 6:
          if (!geometrique || *d(16) == 0) return false;
          break;
        default:  // a bitmap handle, or a style no pen takes
          return false;
      }
      break;
    }
    default:
      break;
  }
  return true;
}

// The records that put something on the page: shapes, paths filled or
// stroked, regions painted, bitmaps, text.
bool dessine(std::uint32_t type) {
  constexpr std::uint32_t kDessins[] = {2,  3,  4,  5,  6,  7,  8,  15, 41, 42, 43,  44,  45,  46, 47, 53,
                                        54, 55, 56, 62, 63, 64, 71, 72, 73, 74, 76,  77,  78,  79, 80, 81,
                                        83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 108, 114, 116, 118};
  return std::find(std::begin(kDessins), std::end(kDessins), type) != std::end(kDessins);
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
  bool emf_plus = false, dessin_gdi = false;
  for (std::uint32_t n = 0; n < kMaxEnregistrements; ++n) {
    auto t = tout.dmot(position), s = tout.dmot(position + 4);
    if (!t || !s || *s < 8 || *s % 4 || !tout.contient(position, *s)) return std::nullopt;
    const Octets r = tout.sous(position, *s);
    const std::uint64_t taille = *s;

    if (*t == EMR_EOF) {
      m.dessin_emf_plus = emf_plus && !dessin_gdi;
      return taille >= 20 ? std::optional(std::move(m)) : std::nullopt;
    }
    // An EMF+ record lives in a comment that starts "EMF+".
    if (*t == EMR_GDICOMMENT && r.dmot(12) == 0x2B464D45u) emf_plus = true;
    if (dessine(*t)) dessin_gdi = true;
    // Whole and in its place, but not vouched for: left out at playback.
    const auto suite = enregistrement_sur(*t, r, c) && objet_sur(*t, r, objets)
                           ? portee->suivre(*t, tout.octets(position, taille))
                           : PorteeEmf::Suite::ecarter;
    if (suite == PorteeEmf::Suite::ecarter) m.ecartes.push_back(n + 1);
    if (suite == PorteeEmf::Suite::en_libre) {
      const auto e = portee->mapping_libre();
      m.mappings_libres.push_back({n + 1, e[0], e[1], e[2], e[3]});
    }
    position += taille;
  }
  return std::nullopt;  // too many records, or no end record
}

}  // namespace

std::optional<MetafichierAmeliore> verifier_emf(std::span<const std::uint8_t> octets) {
  return verifier_emf_records(Octets(octets));
}

}  // namespace pixavue
