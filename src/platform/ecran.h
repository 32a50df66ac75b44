// The screen's size and the mouse cursor's visibility.
#pragma once

namespace pixavue {

struct MesuresEcran {
  double largeur_twips = 0;
  double hauteur_twips = 0;
  double twips_par_pixel_x = 15;
  double twips_par_pixel_y = 15;
};

class Ecran {
 public:
  virtual ~Ecran() = default;
  virtual MesuresEcran mesures() = 0;
  // ShowCursor: raises or lowers the cursor's display count by one.
  virtual void afficher_curseur(bool afficher) = 0;
};

}  // namespace pixavue
