// The first picture of a GIF whose walk checked out, decoded by the project
// itself: each block's LZW data read sub-block by sub-block up to the end of
// the file, each pixel placed on the logical screen as it comes, over the
// blocks before it. Rows the data never reached stay as they were, as
// browsers leave them.
#pragma once

#include <cstdint>
#include <span>

#include "slideshow/reechantillonnage.h"
#include "slideshow/verification_gif.h"

namespace pixavue {

// The logical screen in premultiplied BGRA: transparent but for the frame.
Pixels premiere_image_gif(std::span<const std::uint8_t> octets, const StructureGif& gif);

}  // namespace pixavue
