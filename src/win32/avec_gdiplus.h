// GDI+'s headers, as this build can take them: they need IStream, which
// WIN32_LEAN_AND_MEAN leaves out, and min and max, which NOMINMAX does.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>
