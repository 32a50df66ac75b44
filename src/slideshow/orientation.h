// How a photo must be turned to be seen as it was taken: the Exif orientation
// tag of its APP1 segment, and the turn itself on decoded pixels.
#pragma once

#include <cstdint>
#include <span>

#include "slideshow/reechantillonnage.h"

namespace pixavue {

// 1 (as stored) to 8, from an APP1 segment's payload ("Exif\0\0" and a TIFF
// block). A missing, damaged or out-of-range tag gives 1: no turn.
int orientation_exif(std::span<const std::uint8_t> app1);

// 5 to 8 swap width and height.
constexpr bool echange_les_cotes(int orientation) { return orientation >= 5 && orientation <= 8; }

// The pixels as they are seen, for an orientation of 1 to 8.
Pixels orienter(const Pixels& stockees, int orientation);

}  // namespace pixavue
