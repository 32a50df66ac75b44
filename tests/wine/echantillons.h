// Where the bundled sample pictures are, as Wine sees them (Z: is the root).
#pragma once

#include <string>

namespace pixavue::test {

inline std::wstring echantillon(const std::wstring& nom) {
  std::string unix = PIXAVUE_SAMPLES;
  std::wstring chemin = L"Z:";
  for (char c : unix) chemin += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return nom.empty() ? chemin : chemin + L"\\" + nom;
}

}  // namespace pixavue::test
