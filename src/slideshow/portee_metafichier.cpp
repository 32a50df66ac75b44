// How far an enhanced metafile's drawing reaches on its reference device.
#include "slideshow/portee_metafichier.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <numeric>

namespace pixavue {
namespace {

// Every point and size must land within this many frames of the frame's
// centre. A picture draws inside its frame; what lies this far out is
// clipped anyway, and on the screen it still stays within a few thousand
// times the screen's size, which every engine rasterises quickly.
constexpr double kFramesDePortee = 64;
// A saved state a record: deeper nesting than this only keeps the last ones.
constexpr std::size_t kEtatsSauves = 4096;

class Lecteur {
 public:
  explicit Lecteur(std::span<const std::uint8_t> r) : r_(r) {}
  std::optional<std::uint32_t> u32(std::size_t a) const {
    if (a > r_.size() || r_.size() - a < 4) return std::nullopt;
    return static_cast<std::uint32_t>(r_[a] | r_[a + 1] << 8 | r_[a + 2] << 16 | std::uint32_t{r_[a + 3]} << 24);
  }
  std::optional<double> i32(std::size_t a) const {
    auto v = u32(a);
    return v ? std::optional<double>(static_cast<std::int32_t>(*v)) : std::nullopt;
  }
  std::optional<double> i16(std::size_t a) const {
    if (a > r_.size() || r_.size() - a < 2) return std::nullopt;
    return static_cast<std::int16_t>(r_[a] | r_[a + 1] << 8);
  }
  // A float the system would take: finite and not absurdly large.
  std::optional<double> f32(std::size_t a) const {
    auto v = u32(a);
    if (!v) return std::nullopt;
    float f;
    std::memcpy(&f, &*v, 4);
    if (!std::isfinite(f) || std::fabs(f) > 1e9f) return std::nullopt;
    return f;
  }

 private:
  std::span<const std::uint8_t> r_;
};

// Millimetres a logical unit in each fixed mode, from MM_LOMETRIC (2) on.
constexpr double kMmParUnite[] = {0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
// The same as a fraction: units a millimetre = unites / millimetres.
struct Fraction {
  std::int64_t unites, millimetres;
};
constexpr Fraction kUnitesParMm[] = {{10, 1}, {100, 1}, {1000, 254}, {10000, 254}, {14400, 254}};
bool fixe(std::uint32_t mode) { return mode >= 2 && mode <= 6; }

// a then b, as the system combines two world transforms.
void combiner(const double a[6], const double b[6], double r[6]) {
  const double t[6] = {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3],        a[2] * b[0] + a[3] * b[2],
                       a[2] * b[1] + a[3] * b[3], a[4] * b[0] + a[5] * b[2] + b[4], a[4] * b[1] + a[5] * b[3] + b[5]};
  std::copy(t, t + 6, r);
}

}  // namespace

std::optional<PorteeEmf> PorteeEmf::depuis_entete(std::span<const std::uint8_t> entete) {
  const Lecteur h(entete);
  auto gauche = h.i32(24), haut = h.i32(28), droite = h.i32(32), bas = h.i32(36);
  auto px_x = h.i32(72), px_y = h.i32(76), mm_x = h.i32(80), mm_y = h.i32(84);
  if (!gauche || !haut || !droite || !bas || !px_x || !px_y || !mm_x || !mm_y) return std::nullopt;
  if (*px_x <= 0 || *px_y <= 0 || *mm_x <= 0 || *mm_y <= 0) return std::nullopt;
  const double ppm_x = *px_x / *mm_x, ppm_y = *px_y / *mm_y;
  if (ppm_x < 0.01 || ppm_x > 1000 || ppm_y < 0.01 || ppm_y > 1000) return std::nullopt;
  // The frame is in hundredths of a millimetre.
  const double l = (*droite - *gauche) / 100 * ppm_x, t = (*bas - *haut) / 100 * ppm_y;
  return PorteeEmf(static_cast<std::int32_t>(*px_x), static_cast<std::int32_t>(*px_y), static_cast<std::int32_t>(*mm_x),
                   static_cast<std::int32_t>(*mm_y), (*gauche + *droite) / 200 * ppm_x, (*haut + *bas) / 200 * ppm_y,
                   kFramesDePortee * std::max({l, t, 16.0}));
}

void PorteeEmf::echelle(double& x, double& y) const {
  x = etat_.ext_vue[0] / etat_.ext_fenetre[0];
  y = etat_.ext_vue[1] / etat_.ext_fenetre[1];
}

bool PorteeEmf::point(double x, double y) const {
  double sx, sy;
  echelle(sx, sy);
  const double px = (x - etat_.org_fenetre[0]) * sx + etat_.org_vue[0];
  const double py = (y - etat_.org_fenetre[1]) * sy + etat_.org_vue[1];
  const double* m = etat_.monde;
  const double dx = m[0] * px + m[2] * py + m[4], dy = m[1] * px + m[3] * py + m[5];
  return std::fabs(dx - centre_[0]) <= portee_ && std::fabs(dy - centre_[1]) <= portee_;
}

bool PorteeEmf::longueur(double l) const {
  double sx, sy;
  echelle(sx, sy);
  const double* m = etat_.monde;
  const double monde = std::max({std::fabs(m[0]) + std::fabs(m[2]), std::fabs(m[1]) + std::fabs(m[3])});
  return std::fabs(l) * std::max(std::fabs(sx), std::fabs(sy)) * monde <= portee_;
}

std::array<std::int32_t, 4> PorteeEmf::mapping_libre() const {
  const Fraction f = kUnitesParMm[fixe(etat_.mode) ? etat_.mode - 2 : 0];
  std::array<std::int32_t, 4> e{};
  for (int axe = 0; axe < 2; ++axe) {
    // Units over pixels for the same millimetres, y running up.
    std::int64_t fenetre = std::int64_t{mm_[axe]} * f.unites, vue = std::int64_t{px_[axe]} * f.millimetres;
    const std::int64_t d = std::gcd(fenetre, vue);
    fenetre /= d, vue /= d;
    while (fenetre > INT32_MAX || vue > INT32_MAX)
      fenetre = std::max<std::int64_t>(1, fenetre / 2), vue = std::max<std::int64_t>(1, vue / 2);
    e[axe] = static_cast<std::int32_t>(fenetre);
    e[2 + axe] = static_cast<std::int32_t>(axe == 0 ? vue : -vue);
  }
  return e;
}

// The records that change the mapping: true when `type` is one, applied
// when the system would apply it.
bool PorteeEmf::changer_mapping(std::uint32_t type, std::span<const std::uint8_t> octets, Suite& suite) {
  const Lecteur r(octets);
  const bool libre = etat_.mode == 7 || etat_.mode == 8;  // MM_ISOTROPIC, MM_ANISOTROPIC
  // An extent set in a fixed mode does nothing; once that mode is played as
  // anisotropic extents, it would.
  if ((type == 9 || type == 11 || type == 31 || type == 32) && fixe(etat_.mode)) suite = Suite::ecarter;
  switch (type) {
    case 17: {  // EMR_SETMAPMODE: each mode starts from its own extents
      auto mode = r.u32(8);
      if (!mode || *mode < 1 || *mode > 8) return true;
      etat_.mode = *mode;
      if (fixe(*mode)) suite = Suite::en_libre;
      if (*mode == 8) return true;  // keeps the extents it finds
      const double mm = *mode == 1 ? 0 : kMmParUnite[*mode == 7 ? 0 : *mode - 2];
      etat_.ext_fenetre[0] = etat_.ext_fenetre[1] = 1;
      etat_.ext_vue[0] = *mode == 1 ? 1 : mm * px_par_mm_[0];
      etat_.ext_vue[1] = *mode == 1 ? 1 : -mm * px_par_mm_[1];
      return true;
    }
    case 9:     // EMR_SETWINDOWEXTEX
    case 10:    // EMR_SETWINDOWORGEX
    case 11:    // EMR_SETVIEWPORTEXTEX
    case 12: {  // EMR_SETVIEWPORTORGEX
      auto x = r.i32(8), y = r.i32(12);
      const bool etendue = type == 9 || type == 11;  // only the free modes take one, and never 0
      if (!x || !y || (etendue && (!libre || *x == 0 || *y == 0))) return true;
      double* cible = type == 9    ? etat_.ext_fenetre
                      : type == 10 ? etat_.org_fenetre
                      : type == 11 ? etat_.ext_vue
                                   : etat_.org_vue;
      cible[0] = *x;
      cible[1] = *y;
      return true;
    }
    case 31:    // EMR_SCALEVIEWPORTEXTEX
    case 32: {  // EMR_SCALEWINDOWEXTEX
      auto xn = r.i32(8), xd = r.i32(12), yn = r.i32(16), yd = r.i32(20);
      if (!libre || !xn || !xd || !yn || !yd || !*xn || !*xd || !*yn || !*yd) return true;
      double* ext = type == 31 ? etat_.ext_vue : etat_.ext_fenetre;
      const double x = std::trunc(ext[0] * *xn / *xd), y = std::trunc(ext[1] * *yn / *yd);
      if (x != 0 && y != 0) {
        ext[0] = x;
        ext[1] = y;
      }
      return true;
    }
    case 35:    // EMR_SETWORLDTRANSFORM
    case 36: {  // EMR_MODIFYWORLDTRANSFORM
      double x[6];
      for (int i = 0; i < 6; ++i) {
        auto v = r.f32(8 + 4 * i);
        // Not a float the system would take: Wine's playback takes a NaN all
        // the same, and a dashed pen then never reaches the end of a stroke.
        if (!v) {
          suite = Suite::ecarter;
          return true;
        }
        x[i] = *v;
      }
      const std::uint32_t mode = type == 35 ? 4 : r.u32(32).value_or(0);
      if (mode == 1) {  // MWT_IDENTITY
        const double identite[6] = {1, 0, 0, 1, 0, 0};
        std::copy(identite, identite + 6, etat_.monde);
        return true;
      }
      if (mode < 2 || mode > 4 || x[0] * x[3] == x[1] * x[2]) {  // not invertible, or no mode
        suite = Suite::ecarter;
        return true;
      }
      double monde[6];
      if (mode == 2) combiner(x, etat_.monde, monde);  // MWT_LEFTMULTIPLY
      if (mode == 3) combiner(etat_.monde, x, monde);  // MWT_RIGHTMULTIPLY
      if (mode == 4) std::copy(x, x + 6, monde);
      // Products that leave what a float holds well are the same NaN to come.
      if (std::any_of(monde, monde + 6, [](double v) { return !(std::fabs(v) <= 1e9); })) {
        suite = Suite::ecarter;
        return true;
      }
      std::copy(monde, monde + 6, etat_.monde);
      return true;
    }
  }
  return false;
}

// A state restored must have been saved: the system's playback keeps its own
// stack of states beside the device's, and a level past its depth (the
// lowest integer above all) walked off it.
bool PorteeEmf::sauver_restaurer(std::uint32_t type, std::span<const std::uint8_t> octets) {
  if (type == 33) {  // EMR_SAVEDC
    if (pile_.size() == kEtatsSauves) pile_.erase(pile_.begin());
    pile_.push_back(etat_);
    ++profondeur_;
    return true;
  }
  auto niveau = Lecteur(octets).i32(8);  // EMR_RESTOREDC: relative, so negative
  if (!niveau || *niveau >= 0 || -*niveau > static_cast<double>(profondeur_)) return false;
  const auto n = static_cast<std::uint64_t>(-*niveau);
  profondeur_ -= n;
  const std::size_t gardes = static_cast<std::size_t>(std::min<std::uint64_t>(n, pile_.size()));
  if (gardes > 0) etat_ = pile_[pile_.size() - gardes];
  pile_.resize(pile_.size() - gardes);
  return true;
}

PorteeEmf::Suite PorteeEmf::suivre(std::uint32_t type, std::span<const std::uint8_t> octets) {
  if (type == 33 || type == 34) return sauver_restaurer(type, octets) ? Suite::jouer : Suite::ecarter;
  Suite suite = Suite::jouer;
  if (changer_mapping(type, octets, suite)) return suite;
  return atteint(type, octets) ? Suite::jouer : Suite::ecarter;
}

bool PorteeEmf::atteint(std::uint32_t type, std::span<const std::uint8_t> octets) const {
  const Lecteur r(octets);
  auto points = [&](std::size_t debut, std::uint64_t nombre, bool courts) {
    for (std::uint64_t i = 0; i < nombre; ++i) {
      const std::size_t a = debut + i * (courts ? 4 : 8);
      auto x = courts ? r.i16(a) : r.i32(a), y = courts ? r.i16(a + 2) : r.i32(a + 4);
      if (!x || !y || !point(*x, *y)) return false;
    }
    return true;
  };
  auto taille = [&](std::size_t a) {
    auto l = r.i32(a);
    return l && longueur(*l);
  };
  // A point and the corner a size away from it.
  auto etendue = [&](std::size_t a_point, std::size_t a_taille) {
    auto x = r.i32(a_point), y = r.i32(a_point + 4), l = r.i32(a_taille), h = r.i32(a_taille + 4);
    return x && y && l && h && point(*x, *y) && point(*x + *l, *y + *h);
  };
  switch (type) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 56:  // 32-bit polygons, lines, curves
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:
    case 92:  // and their 16-bit forms
      return points(28, r.u32(24).value_or(0), type >= 85);
    case 7:
    case 8:
    case 90:
    case 91: {  // several of them: counts, then every point
      auto polygones = r.u32(24), nombre = r.u32(28);
      return polygones && nombre && points(32 + 4 * std::size_t{*polygones}, *nombre, type >= 90);
    }
    case 42:
    case 43:  // EMR_ELLIPSE, EMR_RECTANGLE: a box
      return points(8, 2, false);
    case 44:  // EMR_ROUNDRECT: a box and its corners' size
      return points(8, 2, false) && taille(24) && taille(28);
    case 45:
    case 46:
    case 47:
    case 55:  // arcs, chords, pies: a box and two points
      return points(8, 4, false);
    case 15:
    case 27:
    case 53:
    case 54:  // a pixel, a move, a flood fill, a line's end
      return points(8, 1, false);
    case 41: {  // EMR_ANGLEARC: a centre, a radius, two angles in degrees
      auto debut = r.f32(20), balayage = r.f32(24);
      return points(8, 1, false) && taille(16) && debut && balayage && std::fabs(*balayage) <= 3600;
    }
    case 83:
    case 84:  // text: its reference point and its box
      return points(36, 1, false) && points(56, 2, false);
    case 108:  // EMR_SMALLTEXTOUT
      return points(8, 1, false);
    case 76:
    case 77:
    case 78:
    case 114:
    case 116:  // blits: their destination
      return etendue(24, 32);
    case 79:  // EMR_PLGBLT: a parallelogram
      return points(24, 3, false);
    case 80:  // EMR_SETDIBITSTODEVICE: a point, and a size in pixels
      return etendue(24, 40);
    case 81: {  // EMR_STRETCHDIBITS
      auto x = r.i32(24), y = r.i32(28), l = r.i32(72), h = r.i32(76);
      return x && y && l && h && point(*x, *y) && point(*x + *l, *y + *h);
    }
    case 118: {  // EMR_GRADIENTFILL: vertices of 16 bytes, a point first
      auto sommets = r.u32(24);
      if (!sommets) return false;
      for (std::uint64_t i = 0; i < *sommets; ++i)
        if (!points(36 + 16 * i, 1, false)) return false;
      return true;
    }
    case 38:  // EMR_CREATEPEN: its width
      return taille(16);
    case 95:  // EMR_EXTCREATEPEN
      return taille(32);
    case 82:  // EMR_EXTCREATEFONTINDIRECTW: its height and width
      return taille(12) && taille(16);
    case 58: {  // EMR_SETMITERLIMIT
      auto limite = r.f32(8);
      return limite && *limite <= 1e4;
    }
  }
  return true;
}

}  // namespace pixavue
