// The shuffle's rounds.
#include "slideshow/melange.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace pixavue {

std::uint64_t Melange::graine_du_systeme() {
  std::random_device systeme;
  return std::uint64_t{systeme()} << 32 | systeme();
}

std::vector<std::int32_t> Melange::tour(std::int32_t nombre, std::optional<std::int32_t> derniere) {
  std::vector<std::int32_t> ordre(static_cast<std::size_t>(std::max(nombre, 0)));
  std::iota(ordre.begin(), ordre.end(), 0);
  std::shuffle(ordre.begin(), ordre.end(), generateur_);
  // Swapped with any other place: every order that doesn't start with it
  // stays as likely as another.
  if (ordre.size() >= 2 && ordre.front() == derniere) {
    std::uniform_int_distribution<std::size_t> place(1, ordre.size() - 1);
    std::swap(ordre.front(), ordre[place(generateur_)]);
  }
  return ordre;
}

}  // namespace pixavue
