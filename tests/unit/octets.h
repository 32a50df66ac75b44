// Bytes for the tests of the file checks and decoders: the samples, a
// builder and a reader of little-endian (or big-endian) fields, one field of
// a good file broken, and a metafile's chain of records.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
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
  Octets& u8(std::uint8_t v) { return champ(v, 1); }
  Octets& u16(std::uint16_t v) { return champ(v, 2); }
  Octets& u32(std::uint32_t v) { return champ(v, 4); }
  template <class Suite>
  Octets& suite(const Suite& s) {
    o.insert(o.end(), std::begin(s), std::end(s));
    return *this;
  }
};

// The `n` bytes at `a` read as one number.
inline std::uint64_t lu(const std::vector<std::uint8_t>& o, std::size_t a, int n, bool gros_boutien = false) {
  std::uint64_t v = 0;
  for (int i = 0; i < n; ++i) v |= std::uint64_t{o[a + i]} << 8 * (gros_boutien ? n - 1 - i : i);
  return v;
}

// One field of a good file changed: the `n` bytes at `a` set to `v`, in a copy.
struct Retouche {
  std::uint64_t a, n, v;
  bool gros_boutien = false;
};
inline std::vector<std::uint8_t> pose(std::vector<std::uint8_t> o, Retouche r) {
  for (std::uint64_t i = 0; i < r.n; ++i)
    o[r.a + i] = static_cast<std::uint8_t>(r.v >> 8 * (r.gros_boutien ? r.n - 1 - i : i));
  return o;
}

inline bool est_emf(const std::vector<std::uint8_t>& o) { return o.size() >= 44 && lu(o, 40, 4) == 0x464D4520; }

// A metafile's records as offset and size, up to the first that doesn't fit:
// an enhanced one's from the end of its header, a Windows one's after its
// header (and its placeable header).
inline std::vector<std::pair<std::size_t, std::size_t>> enregistrements(const std::vector<std::uint8_t>& o) {
  const bool emf = est_emf(o);
  std::vector<std::pair<std::size_t, std::size_t>> records;
  std::size_t p = emf ? lu(o, 4, 4) : (o.size() >= 4 && lu(o, 0, 4) == 0x9AC6CDD7 ? 22 : 0) + 18;
  while (p + 8 <= o.size()) {
    const std::size_t taille = emf ? lu(o, p + 4, 4) : lu(o, p, 4) * 2;
    if (taille < 8 || taille > o.size() - p) break;
    records.emplace_back(p, taille);
    p += taille;
  }
  return records;
}

}  // namespace pixavue::test
