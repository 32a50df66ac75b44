// Where the bundled sample pictures and the test sounds are, as Wine sees
// them (Z: is the root).
#pragma once

#include <string>

namespace pixavue::test {

inline std::wstring chemin_wine(const std::string& unix, const std::wstring& nom) {
  std::wstring chemin = L"Z:";
  for (char c : unix) chemin += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return nom.empty() ? chemin : chemin + L"\\" + nom;
}

inline std::wstring echantillon(const std::wstring& nom) { return chemin_wine(PIXAVUE_SAMPLES, nom); }

}  // namespace pixavue::test
