// Enhanced metafiles drawn only in EMF+ records, as Office and .NET programs
// write them: the system's enhanced-metafile playback ignores those records,
// so only GDI+ draws them. GDI+ is a parser of its own, which no walk of the
// program vouches for: it runs in the decoding process only.
#pragma once

#include <cstdint>
#include <string>

namespace pixavue::win32 {

// The file drawn by GDI+ over transparency into `largeur` x `hauteur`
// premultiplied BGRA pixels, rows end to end; false when GDI+ can't.
bool dessiner_emf_plus(const std::wstring& chemin, int largeur, int hauteur, std::uint8_t* pixels);

}  // namespace pixavue::win32
