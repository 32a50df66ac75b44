// The Exif orientation reader on arbitrary bytes: never reads outside them,
// always answers 1 to 8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "slideshow/orientation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const int orientation = pixavue::orientation_exif(std::span<const std::uint8_t>(donnees, taille));
  if (orientation < 1 || orientation > 8) std::abort();
  return 0;
}
