// Checks an icon or cursor file's directory and images before the system's
// loader reads it: every entry inside the file, every image whole.
#pragma once

#include <cstdint>
#include <span>

namespace pixavue {

// True when the file is an icon (type 1) or cursor (type 2) whose entries
// all point at whole images: a PNG, or a DIB with its colour table, colour
// bits and mask inside the entry.
bool verifier_icone(std::span<const std::uint8_t> octets);

}  // namespace pixavue
