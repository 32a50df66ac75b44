// Fitting a picture to the screen by the size mode, and placing it centred.
#include "slideshow/ajustement.h"

#include <algorithm>
#include <cmath>

#include "settings/valeurs_texte.h"

namespace pixavue {
float rapport(float long_cote, float court_cote) {
  const float quotient = long_cote / court_cote;
  return static_cast<float>(arrondi_pair(static_cast<double>(quotient) * 100.0) / 100.0);
}

bool ajuster(Controle& image, std::int16_t mode, std::int16_t W, std::int16_t H) {
  if (mode == 1 && image.Height <= H && image.Width <= W) mode = 0;
  if (mode != 1 && mode != 2) {
    image.Stretch = true;
    return true;
  }
  const float w = static_cast<float>(image.Width), h = static_cast<float>(image.Height);
  const bool haute = h > w;
  // A tall or square picture meets the screen's height first, a wide one its
  // width; the other side follows by division, and comes back by
  // multiplication when it overflows.
  double& premier = haute || w == h ? image.Height : image.Width;
  double& second = haute || w == h ? image.Width : image.Height;
  const float limite_premier = haute || w == h ? H : W;
  const float limite_second = haute || w == h ? W : H;

  bool juste = true;
  float r = 1;
  if (w != h) {
    const float court = haute ? w : h;
    if (court == 0)
      juste = false;  // the proportion can't be taken; what follows still runs with 1
    else
      r = rapport(haute ? h : w, court);
  }
  premier = limite_premier;
  second = std::trunc(static_cast<float>(premier) / r);
  if (second > limite_second) {
    second = limite_second;
    premier = static_cast<float>(second) * r;
  }
  image.Stretch = true;
  return juste;
}

void placer(Controle& affichee, const Controle& travail, std::int16_t W, std::int16_t H) {
  affichee.Width = travail.Width;
  affichee.Height = travail.Height;
  affichee.Left = (W - affichee.Width) / 2;
  affichee.Top = (H - affichee.Height) / 2;
  affichee.Stretch = true;
  affichee.Picture = travail.Picture;
  affichee.Visible = true;
}

RectanglePixels en_pixels(const Controle& c) {
  const int x = static_cast<int>(std::lround(c.Left)), y = static_cast<int>(std::lround(c.Top));
  return {x, y, std::max(1, static_cast<int>(std::lround(c.Left + c.Width)) - x),
          std::max(1, static_cast<int>(std::lround(c.Top + c.Height)) - y)};
}

RectanglePixels rectangle_montre(Taille naturelle, const Cadre& cadre) {
  const auto largeur = static_cast<std::int16_t>(cadre.largeur), hauteur = static_cast<std::int16_t>(cadre.hauteur);
  Controle travail, affichee;
  travail.Width = naturelle.largeur;
  travail.Height = naturelle.hauteur;
  ajuster(travail, cadre.agrandir ? 2 : 1, largeur, hauteur);
  placer(affichee, travail, largeur, hauteur);
  return en_pixels(affichee);
}

std::optional<Cadre> cadre_du_mode(std::int16_t mode, std::int16_t largeur_ecran, std::int16_t hauteur_ecran) {
  if (mode != 1 && mode != 2) return std::nullopt;
  return Cadre{{double(largeur_ecran), double(hauteur_ecran)}, mode == 2};
}

}  // namespace pixavue
