// The shuffle's order: each round shows every picture of the list once, in
// an order drawn afresh for the round. Its generator is its own, seeded from
// the system at each run, so that a new run draws a new order while the
// background colour's generator keeps its fixed start.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace pixavue {

class Melange {
 public:
  Melange() : generateur_(graine_du_systeme()) {}
  explicit Melange(std::uint64_t graine) : generateur_(graine) {}

  // A round of the list's `nombre` pictures, as their indexes in the list.
  // With two pictures or more its first is never `derniere`, the last one
  // shown: no picture shows twice in a row across the rounds' edge.
  std::vector<std::int32_t> tour(std::int32_t nombre, std::optional<std::int32_t> derniere);

 private:
  static std::uint64_t graine_du_systeme();
  std::mt19937_64 generateur_;
};

}  // namespace pixavue
