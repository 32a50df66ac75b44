// What the metafile walks share: bounds-checked little-endian reads, the
// picture's budgets, and the check of an embedded device-independent bitmap.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace pixavue::metafichier {

// Bounds-checked little-endian reads inside one span; every offset and size
// is taken in 64 bits so that no sum of file values can wrap.
class Octets {
 public:
  explicit Octets(std::span<const std::uint8_t> o) : o_(o) {}
  std::uint64_t taille() const { return o_.size(); }
  bool contient(std::uint64_t debut, std::uint64_t longueur) const {
    return debut <= o_.size() && longueur <= o_.size() - debut;
  }
  std::optional<std::uint16_t> mot(std::uint64_t a) const {
    if (!contient(a, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(o_[a] | o_[a + 1] << 8);
  }
  std::optional<std::uint32_t> dmot(std::uint64_t a) const {
    if (!contient(a, 4)) return std::nullopt;
    return static_cast<std::uint32_t>(o_[a] | o_[a + 1] << 8 | o_[a + 2] << 16 | std::uint32_t{o_[a + 3]} << 24);
  }
  Octets sous(std::uint64_t debut, std::uint64_t longueur) const { return Octets(o_.subspan(debut, longueur)); }
  std::span<const std::uint8_t> octets(std::uint64_t debut, std::uint64_t longueur) const {
    return o_.subspan(debut, longueur);
  }
  std::uint8_t operator[](std::uint64_t a) const { return o_[a]; }  // inside taille() only

 private:
  std::span<const std::uint8_t> o_;
};

struct Compteurs {
  std::uint64_t points = 0, caracteres = 0, pixels = 0;
  // Counts `n` more when they stay within `limite`.
  bool ajouter(std::uint64_t& compteur, std::uint64_t n, std::uint64_t limite) {
    if (compteur > limite || n > limite - compteur) return false;
    compteur += n;
    return true;
  }
};

// A device-independent bitmap held in `zone`, with its pixels in `apart`
// when they live apart (enhanced metafiles), or right after the header and
// colour table when `apart` is nothing (Windows metafiles).
bool verifier_dib(const Octets& zone, const Octets* apart, Compteurs& c);

}  // namespace pixavue::metafichier
