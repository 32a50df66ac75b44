// The hidden file list: the plain files of one folder that match a pattern.
#include "slideshow/liste_fichiers.h"

#include <algorithm>
#include <utility>

namespace pixavue {
namespace {

// Folds the letters of ASCII and Latin-1 to lower case, the same way on
// every platform, so that matching never depends on a locale.
wchar_t minuscule(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  return c;
}

// Greedy matching with one backtrack point: linear in practice, and never
// exponential whatever the number of stars.
bool correspond_au_masque(std::wstring_view nom, std::wstring_view masque) {
  std::size_t n = 0, m = 0;
  std::size_t etoile = std::wstring_view::npos, reprise = 0;
  while (n < nom.size()) {
    if (m < masque.size() && (masque[m] == L'?' || minuscule(masque[m]) == minuscule(nom[n]))) {
      ++n, ++m;
    } else if (m < masque.size() && masque[m] == L'*') {
      etoile = m++;
      reprise = n;
    } else if (etoile != std::wstring_view::npos) {
      m = etoile + 1;
      n = ++reprise;
    } else {
      return false;
    }
  }
  while (m < masque.size() && masque[m] == L'*') ++m;
  return m == masque.size();
}

}  // namespace

bool correspond_au_motif(std::wstring_view nom, std::wstring_view motif) {
  while (true) {
    std::size_t fin = motif.find(L';');
    std::wstring_view masque = motif.substr(0, fin);
    if (!masque.empty() && correspond_au_masque(nom, masque)) return true;
    if (fin == std::wstring_view::npos) return false;
    motif.remove_prefix(fin + 1);
  }
}

void ListeFichiers::Refresh(Fichiers& fichiers) {
  noms_.clear();
  auto trouves = fichiers.fichiers_du_dossier(Path);
  if (!trouves) return;
  // Each name's sort key is made once. Names the system holds equal are then
  // ordered by their characters, so that the order never depends on how the
  // folder was read.
  std::vector<std::pair<std::string, std::wstring>> tries;
  for (auto& nom : *trouves)
    if (correspond_au_motif(nom, Pattern)) tries.emplace_back(fichiers.cle_de_tri(nom), std::move(nom));
  std::sort(tries.begin(), tries.end());
  noms_.reserve(tries.size());
  for (auto& [cle, nom] : tries) noms_.push_back(std::move(nom));
}

std::wstring avec_separateur(std::wstring dossier) {
  if (dossier.empty() || dossier.back() != L'\\') dossier += L'\\';
  return dossier;
}

}  // namespace pixavue
