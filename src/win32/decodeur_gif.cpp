// GIFs: the first frame, decoded by the project's own LZW reader from the
// bytes its walk checked, on its logical screen, then reduced for the box.
// No system decoder sees the file: the imaging component (Wine's at least)
// reads every frame whole when it opens one and fails a file whose data ends
// early, where browsers show the rows that came.
#include <algorithm>
#include <cmath>

#include "slideshow/decodage_gif.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {

std::shared_ptr<const Image> decoder_gif(std::span<const std::uint8_t> octets, const StructureGif& gif,
                                         std::optional<Taille> cadre, const std::atomic<bool>& abandon) {
  if (abandon.load(std::memory_order_relaxed)) return nullptr;
  Pixels toile = premiere_image_gif(octets, gif);
  const Taille ecran{double(gif.largeur_ecran), double(gif.hauteur_ecran)};
  const Reduction reduction = reduction_pour(ecran.largeur, ecran.hauteur, cadre);
  if (reduction.echelle < 1)
    toile = reechantillonner(toile, std::max(1, static_cast<int>(std::ceil(toile.largeur * reduction.echelle))),
                             std::max(1, static_cast<int>(std::ceil(toile.hauteur * reduction.echelle))));
  return std::make_shared<ImageMatricielle>(std::move(toile), ecran);
}

}  // namespace pixavue::win32
