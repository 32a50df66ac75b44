// Fitting a picture to the screen by the size mode, and placing it centred.
#pragma once

#include <cstdint>
#include <optional>

#include "slideshow/diaporama.h"

namespace pixavue {

// The proportion of two sides, long over short: the quotient in single
// precision rounded to two decimals, halves to even.
float rapport(float long_cote, float court_cote);

// Resizes the work slot by the size mode (0 none, 1 only what doesn't fit,
// 2 everything, anything else none). False when an assignment faulted; the
// ones after it still ran.
bool ajuster(Controle& image, std::int16_t mode, std::int16_t largeur_ecran, std::int16_t hauteur_ecran);

// The display slot takes the work slot's size and picture, centred.
void placer(Controle& affichee, const Controle& travail, std::int16_t largeur_ecran, std::int16_t hauteur_ecran);

// The box a tick hands the decoder: the screen in modes 1 and 2, which fit a
// picture into it, so that no more pixels are decoded than it shows; none in
// the other modes.
std::optional<Cadre> cadre_du_mode(std::int16_t mode, std::int16_t largeur_ecran, std::int16_t hauteur_ecran);

// Where a control meets the device pixels: a fractional rectangle is taken
// at its nearest corners, and is never less than one pixel.
struct RectanglePixels {
  int x = 0, y = 0, largeur = 0, hauteur = 0;
};
RectanglePixels en_pixels(const Controle& controle);

// The pixels a picture of that natural size takes on the screen once fitted
// into `cadre` and placed, as a tick would fit and place it.
RectanglePixels rectangle_montre(Taille naturelle, const Cadre& cadre);

}  // namespace pixavue
