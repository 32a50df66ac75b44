// The run's one random generator: a 24-bit linear congruential generator,
// never seeded, so every run draws the same sequence.
#pragma once

#include <cstdint>

namespace pixavue {

class Aleatoire {
 public:
  // Uniform in [0, 1), single precision.
  float Rnd() {
    etat_ = (etat_ * 1140671485u + 12820163u) & 0xFFFFFFu;
    return static_cast<float>(etat_) / 16777216.0f;
  }

 private:
  std::uint32_t etat_ = 327680;  // 0x50000
};

}  // namespace pixavue
