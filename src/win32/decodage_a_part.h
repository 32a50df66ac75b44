// Pictures the system's codecs decode, decoded in a process of their own:
// the program itself, started with "/decodeur", in a job that caps its memory
// and ends it with its parent. A codec that crashes, hangs, takes all memory
// or hands back nonsense costs that one picture, never the run.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/images.h"

namespace pixavue::win32 {

// What the decoding process may hold, and how long a picture may take it.
inline constexpr SIZE_T kMemoireDecodeur = 256u << 20;
inline constexpr DWORD kDelaiDecodeurMs = 10'000;

// What a child is asked for: a picture for the system's codecs, or an
// enhanced metafile drawn only in EMF+ records, which GDI+ alone draws.
enum class DecodageAPart : std::uint32_t { codec, dessin_emf_plus };

// The file's first frame, turned as its metadata says, decoded by a child
// process at the smallest size that covers `cadre`; or the EMF+ drawing
// drawn at exactly `cadre`'s size. Nothing on any failure, or once `abandon`
// is set. It waits for the child: a worker's call. Each worker's child is
// kept for the next picture; one that failed is ended.
std::shared_ptr<const Image> decoder_a_part(std::wstring_view chemin, std::optional<Taille> cadre,
                                            const std::atomic<bool>& abandon,
                                            DecodageAPart genre = DecodageAPart::codec);

// Whether the file goes to a child: its extension is one that the system's
// decoders take and none of the program's own types does.
bool decode_a_part(std::wstring_view chemin);
// Whether the file may go to a child, which the window's thread must never
// wait for: the system's decoders' files, and enhanced metafiles, whose
// drawing may be all EMF+ (only their walk tells).
bool peut_aller_a_un_enfant(std::wstring_view chemin);

// The child's side, when the command line asks for it: decodes the request it
// was handed and gives its exit code. Every program that may be a decoding
// child asks this first.
std::optional<int> decodeur_si_demande();

}  // namespace pixavue::win32
