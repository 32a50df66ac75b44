// The screen's size, its monitors and the mouse cursor's visibility.
#pragma once

#include <vector>

namespace pixavue {

struct MesuresEcran {
  double largeur_twips = 0;
  double hauteur_twips = 0;
  double twips_par_pixel_x = 15;
  double twips_par_pixel_y = 15;
};

// A rectangle of the desktop, in pixels from the primary monitor's top left
// corner: a monitor left of or above it starts at negative coordinates.
struct RectangleEcran {
  int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
  bool operator==(const RectangleEcran&) const = default;
};

struct Moniteur {
  RectangleEcran zone;
  bool principal = false;
};

class Ecran {
 public:
  virtual ~Ecran() = default;
  virtual MesuresEcran mesures() = 0;
  // EnumDisplayMonitors and GetMonitorInfoW: every monitor, as the system
  // lays them out now.
  virtual std::vector<Moniteur> moniteurs() = 0;
  // ShowCursor: raises or lowers the cursor's display count by one.
  virtual void afficher_curseur(bool afficher) = 0;
};

}  // namespace pixavue
