// Paths longer than the classic limit: the wide API takes them in their
// long form ("\\?\C:\..." or "\\?\UNC\server\share\..."), which the system
// reads as it stands, so it is made from the full, normalised path.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace pixavue::win32 {

// The path as given while it is short enough for every API; its long form
// once it isn't.
inline std::wstring chemin_long(std::wstring_view chemin) {
  // A folder's path plus "\*" must still fit: the search adds it.
  if (chemin.size() < MAX_PATH - 12 || chemin.starts_with(LR"(\\?\)")) return std::wstring(chemin);
  const std::wstring texte(chemin);
  std::wstring complet(GetFullPathNameW(texte.c_str(), 0, nullptr, nullptr), L'\0');
  const DWORD longueur = GetFullPathNameW(texte.c_str(), static_cast<DWORD>(complet.size()), complet.data(), nullptr);
  if (longueur == 0 || longueur >= complet.size()) return texte;
  complet.resize(longueur);
  if (complet.starts_with(LR"(\\?\)")) return complet;
  if (complet.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + complet.substr(2);
  return LR"(\\?\)" + complet;
}

}  // namespace pixavue::win32
