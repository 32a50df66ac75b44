// Resamples a picture to the exact size it is shown at.
#include "slideshow/reechantillonnage.h"

#include <algorithm>
#include <cmath>

namespace pixavue {

// For output indexes [debut, debut + nombre): which source indexes, weighted
// how. Shrinking averages the covered source span; growing interpolates
// between the two nearest source centres.
std::vector<Reechantillonneur::Contribution> Reechantillonneur::contributions(int source, int taille, int debut,
                                                                              int nombre) {
  std::vector<Contribution> resultat(static_cast<std::size_t>(std::max(nombre, 0)));
  const double echelle = static_cast<double>(source) / taille;
  for (int i = 0; i < nombre; ++i) {
    Contribution& c = resultat[static_cast<std::size_t>(i)];
    const int sortie = debut + i;
    if (echelle >= 1.0) {
      const double a = sortie * echelle, b = std::min<double>(source, (sortie + 1) * echelle);
      c.premier = std::clamp(static_cast<int>(std::floor(a)), 0, source - 1);
      const int dernier = std::clamp(static_cast<int>(std::ceil(b)) - 1, c.premier, source - 1);
      for (int s = c.premier; s <= dernier; ++s) {
        const double recouvrement = std::min<double>(b, s + 1) - std::max<double>(a, s);
        c.poids.push_back(static_cast<float>(std::max(recouvrement, 0.0) / (b - a)));
      }
    } else {
      const double centre = std::clamp((sortie + 0.5) * echelle - 0.5, 0.0, source - 1.0);
      c.premier = static_cast<int>(std::floor(centre));
      const double t = centre - c.premier;
      c.poids.push_back(static_cast<float>(1.0 - t));
      if (c.premier + 1 < source) c.poids.push_back(static_cast<float>(t));
    }
  }
  return resultat;
}

Reechantillonneur::Reechantillonneur(int ls, int hs, int lt, int ht, Zone fenetre, std::uint8_t* destination,
                                     std::ptrdiff_t pas)
    : hauteur_source_(hs),
      fenetre_(fenetre),
      destination_(destination),
      pas_(pas),
      colonnes_(contributions(ls, lt, fenetre.x0, fenetre.largeur)),
      lignes_(contributions(hs, ht, fenetre.y0, fenetre.hauteur)) {
  if (!lignes_.empty()) premiere_gardee_ = suivante_ = 0;
}

void Reechantillonneur::reduire_ligne(const std::uint8_t* ligne, float* sortie) const {
  for (const Contribution& c : colonnes_) {
    float b = 0, v = 0, r = 0, a = 0;
    const std::uint8_t* p = ligne + 4 * static_cast<std::ptrdiff_t>(c.premier);
    for (float poids : c.poids) {
      b += poids * p[0];
      v += poids * p[1];
      r += poids * p[2];
      a += poids * p[3];
      p += 4;
    }
    *sortie++ = b;
    *sortie++ = v;
    *sortie++ = r;
    *sortie++ = a;
  }
}

void Reechantillonneur::emettre(int ligne_fenetre, const float* valeurs) {
  std::uint8_t* cible = destination_ + pas_ * ligne_fenetre;
  for (int i = 0; i < 4 * fenetre_.largeur; ++i)
    cible[i] = static_cast<std::uint8_t>(std::clamp(std::lround(valeurs[i]), 0L, 255L));
}

void Reechantillonneur::ajouter_ligne(const std::uint8_t* ligne) {
  if (suivante_ >= hauteur_source_) return;
  const std::size_t largeur_reduite = 4 * static_cast<std::size_t>(fenetre_.largeur);
  const int source = suivante_++;
  // Rows above every remaining output row are never needed again.
  if (prochaine_sortie_ < static_cast<int>(lignes_.size())) {
    const int besoin = lignes_[static_cast<std::size_t>(prochaine_sortie_)].premier;
    if (source < besoin) return;
    if (premiere_gardee_ < besoin) {
      const std::size_t enlever =
          std::min<std::size_t>(static_cast<std::size_t>(besoin - premiere_gardee_) * largeur_reduite,
                                reduites_.size());
      reduites_.erase(reduites_.begin(), reduites_.begin() + static_cast<std::ptrdiff_t>(enlever));
      premiere_gardee_ = besoin;
    }
  } else {
    return;
  }
  if (reduites_.empty()) premiere_gardee_ = source;
  reduites_.resize(reduites_.size() + largeur_reduite);
  reduire_ligne(ligne, reduites_.data() + reduites_.size() - largeur_reduite);

  // Every output row whose sources have all arrived is written now.
  std::vector<float> somme(largeur_reduite);
  while (prochaine_sortie_ < static_cast<int>(lignes_.size())) {
    const Contribution& c = lignes_[static_cast<std::size_t>(prochaine_sortie_)];
    const int dernier = c.premier + static_cast<int>(c.poids.size()) - 1;
    if (dernier > source) break;
    std::fill(somme.begin(), somme.end(), 0.0f);
    for (std::size_t k = 0; k < c.poids.size(); ++k) {
      const float* rangee =
          reduites_.data() + static_cast<std::size_t>(c.premier + static_cast<int>(k) - premiere_gardee_) * largeur_reduite;
      for (std::size_t i = 0; i < largeur_reduite; ++i) somme[i] += c.poids[k] * rangee[i];
    }
    emettre(prochaine_sortie_++, somme.data());
  }
}

void Reechantillonneur::terminer() {
  // A picture that stopped early leaves its missing rows transparent.
  for (; prochaine_sortie_ < static_cast<int>(lignes_.size()); ++prochaine_sortie_)
    std::fill_n(destination_ + pas_ * prochaine_sortie_, 4 * fenetre_.largeur, std::uint8_t{0});
}

Pixels reechantillonner(const Pixels& source, int largeur, int hauteur) {
  Pixels sortie{largeur, hauteur, std::vector<std::uint8_t>(4 * static_cast<std::size_t>(largeur) * hauteur)};
  Reechantillonneur r(source.largeur, source.hauteur, largeur, hauteur, {0, 0, largeur, hauteur},
                      sortie.octets.data(), 4 * static_cast<std::ptrdiff_t>(largeur));
  for (int y = 0; y < source.hauteur; ++y) r.ajouter_ligne(source.octets.data() + 4 * static_cast<std::size_t>(source.largeur) * y);
  r.terminer();
  return sortie;
}

}  // namespace pixavue
