// The screensaver window's controls as laid out at design time.
#pragma once

#include "layouts/disposition.h"

namespace pixavue {

extern const Disposition kDispositionVeille;

inline constexpr std::wstring_view kTextePreparation = L"PREPARATION DE L'ECRAN DE VEILLE...";
inline constexpr std::wstring_view kTexteCopyright = L"© 2026 PixavueSCR – Tous droits réservés.";

}  // namespace pixavue
