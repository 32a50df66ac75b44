// The metafile walker on arbitrary bytes: never reads outside them, never
// accepts a file whose sizes it did not check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "slideshow/verification_metafichier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  std::span<const std::uint8_t> octets(donnees, taille);
  if (auto wmf = pixavue::verifier_wmf(octets)) {
    if (wmf->debut + wmf->taille > taille || wmf->unites_par_pouce == 0 || wmf->droite <= wmf->gauche) std::abort();
  }
  if (auto emf = pixavue::verifier_emf(octets)) {
    if (emf->taille > taille || emf->droite <= emf->gauche || emf->bas <= emf->haut) std::abort();
    // Records left out: never the header, each once, in order.
    for (std::size_t i = 0; i < emf->ecartes.size(); ++i)
      if (emf->ecartes[i] == 0 || (i > 0 && emf->ecartes[i] <= emf->ecartes[i - 1])) std::abort();
  }
  return 0;
}
