// The picture types a user can choose ("type fichier"), with their patterns.
#include "settings/types_images.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace pixavue {
namespace {

// The system's extensions a label shows, beyond which it ends in "...".
constexpr std::size_t kLibelleMotifMax = 40;

std::wstring en_minuscules(std::wstring texte) {
  std::transform(texte.begin(), texte.end(), texte.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return texte;
}

// Whether one of the program's own types takes that extension: their
// patterns are all "*.extension" masks.
bool extension_propre(const std::wstring& extension) {
  std::wstring_view motif = kTypesImages[0].motif;
  for (std::size_t debut = 0; debut < motif.size();) {
    const std::size_t fin = std::min(motif.find(L';', debut), motif.size());
    if (en_minuscules(std::wstring(motif.substr(debut + 1, fin - debut - 1))) == extension) return true;
    debut = fin + 1;
  }
  return false;
}

}  // namespace

std::wstring motif_du_systeme(const std::vector<std::wstring>& extensions) {
  std::wstring motif;
  std::vector<std::wstring> pris;
  for (const std::wstring& donnee : extensions) {
    const std::wstring extension = en_minuscules(donnee);
    // A name of a letter or more after one dot, and nothing a mask reads.
    const bool nom =
        extension.size() >= 2 && extension[0] == L'.' && extension.find_first_of(L"*?;. ", 1) == std::wstring::npos;
    if (!nom || extension_propre(extension) || std::find(pris.begin(), pris.end(), extension) != pris.end()) continue;
    pris.push_back(extension);
    motif += (motif.empty() ? L"*" : L";*") + extension;
  }
  return motif;
}

std::optional<std::wstring> motif_du_type(double numero, std::wstring_view motif_systeme) {
  if (!(numero >= 0) || numero >= static_cast<double>(kTypesImages.size()) || std::floor(numero) != numero)
    return std::nullopt;
  const auto index = static_cast<std::size_t>(numero);
  if (index == kTypeSysteme) return std::wstring(motif_systeme);
  std::wstring motif(kTypesImages[index].motif);
  if (index == 0 && !motif_systeme.empty()) motif += L";" + std::wstring(motif_systeme);
  return motif;
}

std::wstring libelle_du_type(std::size_t index, std::wstring_view motif_systeme) {
  std::wstring libelle(kTypesImages.at(index).libelle);
  if (index != kTypeSysteme || motif_systeme.empty()) return libelle;
  std::wstring motif(motif_systeme);
  if (motif.size() > kLibelleMotifMax) motif = motif.substr(0, motif.rfind(L';', kLibelleMotifMax)) + L";...";
  return libelle + L" (" + motif + L")";
}

}  // namespace pixavue
