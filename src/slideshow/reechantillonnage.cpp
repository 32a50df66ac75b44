// Resamples a picture to the exact size it is shown at.
#include "slideshow/reechantillonnage.h"

#include <algorithm>
#include <cmath>

namespace pixavue {

namespace {

// Weights are fixed point: kUn stands for 1. Rows in between keep 8 bits of
// fraction, so two passes lose nothing visible and no sum can overflow
// (255 << 8 times kUn fits 32 bits unsigned).
constexpr int kBitsPoids = 14;
constexpr std::int32_t kUn = 1 << kBitsPoids;

}  // namespace

// For output indexes [debut, debut + nombre): which source indexes, weighted
// how. Shrinking averages the covered source span; growing interpolates
// between the two nearest source centres.
Reechantillonneur::Contributions Reechantillonneur::contributions(int source, int taille, int debut, int nombre) {
  Contributions c;
  const double echelle = static_cast<double>(source) / taille;
  std::vector<double> poids;
  for (int i = 0; i < std::max(nombre, 0); ++i) {
    const int sortie = debut + i;
    int premier;
    poids.clear();
    if (echelle >= 1.0) {
      const double a = sortie * echelle, b = std::min<double>(source, (sortie + 1) * echelle);
      premier = std::clamp(static_cast<int>(std::floor(a)), 0, source - 1);
      const int dernier = std::clamp(static_cast<int>(std::ceil(b)) - 1, premier, source - 1);
      for (int s = premier; s <= dernier; ++s)
        poids.push_back(std::max(std::min<double>(b, s + 1) - std::max<double>(a, s), 0.0) / (b - a));
    } else {
      const double centre = std::clamp((sortie + 0.5) * echelle - 0.5, 0.0, source - 1.0);
      premier = static_cast<int>(std::floor(centre));
      const double t = centre - premier;
      poids.push_back(1.0 - t);
      if (premier + 1 < source) poids.push_back(t);
    }
    // Rounded so that the weights add up to exactly kUn: a flat picture stays flat.
    c.premier.push_back(premier);
    c.nombre.push_back(static_cast<int>(poids.size()));
    c.debut.push_back(static_cast<int>(c.poids.size()));
    std::int32_t reste = kUn;
    for (std::size_t k = 0; k < poids.size(); ++k) {
      // The last takes what is left, never below zero: the sums then stay
      // within a unit or two of kUn, which the final clamp absorbs.
      const std::int32_t w =
          k + 1 == poids.size() ? std::max(reste, 0) : static_cast<std::int32_t>(std::lround(poids[k] * kUn));
      c.poids.push_back(w);
      reste -= w;
    }
  }
  return c;
}

Reechantillonneur::Reechantillonneur(int ls, int hs, int lt, int ht, Zone fenetre, std::uint8_t* destination,
                                     std::ptrdiff_t pas)
    : hauteur_source_(hs),
      fenetre_(fenetre),
      destination_(destination),
      pas_(pas),
      colonnes_(contributions(ls, lt, fenetre.x0, fenetre.largeur)),
      lignes_(contributions(hs, ht, fenetre.y0, fenetre.hauteur)),
      somme_(4 * static_cast<std::size_t>(std::max(fenetre.largeur, 0))) {}

void Reechantillonneur::reduire_ligne(const std::uint8_t* ligne, std::uint16_t* sortie) const {
  const int n = colonnes_.taille();
  for (int i = 0; i < n; ++i) {
    const std::uint8_t* p = ligne + 4 * static_cast<std::ptrdiff_t>(colonnes_.premier[i]);
    const std::int32_t* w = colonnes_.poids.data() + colonnes_.debut[i];
    std::uint32_t b = 0, v = 0, r = 0, a = 0;
    for (int k = 0; k < colonnes_.nombre[i]; ++k, p += 4) {
      const std::uint32_t poids = static_cast<std::uint32_t>(w[k]);
      b += poids * p[0];
      v += poids * p[1];
      r += poids * p[2];
      a += poids * p[3];
    }
    constexpr int kDecalage = kBitsPoids - 8;
    constexpr std::uint32_t kDemi = 1u << (kDecalage - 1);
    *sortie++ = static_cast<std::uint16_t>((b + kDemi) >> kDecalage);
    *sortie++ = static_cast<std::uint16_t>((v + kDemi) >> kDecalage);
    *sortie++ = static_cast<std::uint16_t>((r + kDemi) >> kDecalage);
    *sortie++ = static_cast<std::uint16_t>((a + kDemi) >> kDecalage);
  }
}

void Reechantillonneur::ajouter_ligne(const std::uint8_t* ligne) {
  if (suivante_ >= hauteur_source_) return;
  const std::size_t largeur_reduite = 4 * static_cast<std::size_t>(fenetre_.largeur);
  const int source = suivante_++;
  if (prochaine_sortie_ >= lignes_.taille()) return;
  // Rows above every remaining output row are never needed again.
  const int besoin = lignes_.premier[static_cast<std::size_t>(prochaine_sortie_)];
  if (source < besoin) return;
  if (premiere_gardee_ < besoin) {
    const std::size_t enlever =
        std::min<std::size_t>(static_cast<std::size_t>(besoin - premiere_gardee_) * largeur_reduite, reduites_.size());
    reduites_.erase(reduites_.begin(), reduites_.begin() + static_cast<std::ptrdiff_t>(enlever));
    premiere_gardee_ = besoin;
  }
  if (reduites_.empty()) premiere_gardee_ = source;
  reduites_.resize(reduites_.size() + largeur_reduite);
  reduire_ligne(ligne, reduites_.data() + reduites_.size() - largeur_reduite);

  // Every output row whose sources have all arrived is written now.
  while (prochaine_sortie_ < lignes_.taille()) {
    const std::size_t i = static_cast<std::size_t>(prochaine_sortie_);
    const int premier = lignes_.premier[i], nombre = lignes_.nombre[i];
    if (premier + nombre - 1 > source) break;
    const std::int32_t* w = lignes_.poids.data() + lignes_.debut[i];
    std::fill(somme_.begin(), somme_.end(), 0u);
    for (int k = 0; k < nombre; ++k) {
      const std::uint16_t* rangee =
          reduites_.data() + static_cast<std::size_t>(premier + k - premiere_gardee_) * largeur_reduite;
      const std::uint32_t poids = static_cast<std::uint32_t>(w[k]);
      for (std::size_t x = 0; x < largeur_reduite; ++x) somme_[x] += poids * rangee[x];
    }
    std::uint8_t* cible = destination_ + pas_ * prochaine_sortie_;
    constexpr int kDecalage = kBitsPoids + 8;
    constexpr std::uint32_t kDemi = 1u << (kDecalage - 1);
    for (std::size_t x = 0; x < largeur_reduite; ++x)
      cible[x] = static_cast<std::uint8_t>(std::min<std::uint32_t>((somme_[x] + kDemi) >> kDecalage, 255));
    ++prochaine_sortie_;
  }
}

void Reechantillonneur::terminer() {
  // A picture that stopped early leaves its missing rows transparent.
  for (; prochaine_sortie_ < lignes_.taille(); ++prochaine_sortie_)
    std::fill_n(destination_ + pas_ * prochaine_sortie_, 4 * fenetre_.largeur, std::uint8_t{0});
}

Pixels reechantillonner(const Pixels& source, int largeur, int hauteur) {
  Pixels sortie{largeur, hauteur, std::vector<std::uint8_t>(4 * static_cast<std::size_t>(largeur) * hauteur)};
  Reechantillonneur r(source.largeur, source.hauteur, largeur, hauteur, {0, 0, largeur, hauteur}, sortie.octets.data(),
                      4 * static_cast<std::ptrdiff_t>(largeur));
  for (int y = 0; y < source.hauteur; ++y)
    r.ajouter_ligne(source.octets.data() + 4 * static_cast<std::size_t>(source.largeur) * y);
  r.terminer();
  return sortie;
}

}  // namespace pixavue
