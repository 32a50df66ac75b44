// The icon and cursor check on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "slideshow/verification_icone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  (void)pixavue::verifier_icone(std::span<const std::uint8_t>(donnees, taille));
  return 0;
}
