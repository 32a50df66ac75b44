// Sample files as bytes, and little-endian edits of them, for the tests of
// the file checks.
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

inline void poser16(std::vector<std::uint8_t>& o, std::size_t a, std::uint16_t v) {
  o[a] = v & 0xFF;
  o[a + 1] = v >> 8;
}

inline void poser32(std::vector<std::uint8_t>& o, std::size_t a, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) o[a + i] = (v >> (8 * i)) & 0xFF;
}

}  // namespace pixavue::test
