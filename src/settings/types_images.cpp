// The picture types a user can choose ("type fichier"), with their patterns.
#include "settings/types_images.h"

#include <cmath>

namespace pixavue {

std::optional<std::wstring_view> motif_du_type(double numero) {
  if (!(numero >= 0) || numero >= static_cast<double>(kTypesImages.size()) || std::floor(numero) != numero)
    return std::nullopt;
  return kTypesImages[static_cast<std::size_t>(numero)].motif;
}

}  // namespace pixavue
