// Bytes for the tests of the file checks: the samples, a builder of
// little-endian (or big-endian) fields, and one field of a good file broken.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pixavue::test {

inline std::vector<std::uint8_t> lire_echantillon(const char* nom) {
  std::ifstream f(std::string(PIXAVUE_SAMPLES) + "/" + nom, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

// Fields appended in little-endian order, or big-endian when asked.
struct Octets {
  std::vector<std::uint8_t> o;
  bool gros_boutien = false;
  Octets& champ(std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) o.push_back(static_cast<std::uint8_t>(v >> 8 * (gros_boutien ? n - 1 - i : i)));
    return *this;
  }
  Octets& u16(std::uint16_t v) { return champ(v, 2); }
  Octets& u32(std::uint32_t v) { return champ(v, 4); }
};

// One field of a good file changed: the `n` little-endian bytes at `a` set to
// `v`, in a copy.
struct Retouche {
  std::uint64_t a, n, v;
};
inline std::vector<std::uint8_t> pose(std::vector<std::uint8_t> o, Retouche r) {
  for (std::uint64_t i = 0; i < r.n; ++i) o[r.a + i] = static_cast<std::uint8_t>(r.v >> 8 * i);
  return o;
}

}  // namespace pixavue::test
