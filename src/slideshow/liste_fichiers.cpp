// The hidden file list: the plain files of one folder, or of its tree, that
// match a pattern.
#include "slideshow/liste_fichiers.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
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

namespace {

// Each name's sort key is made once. Names the system holds equal are then
// ordered by their characters, so that the order never depends on how the
// folder was read.
std::vector<std::wstring> trier(Fichiers& fichiers, std::vector<std::wstring> noms) {
  std::vector<std::pair<std::string, std::wstring>> tries;
  tries.reserve(noms.size());
  for (auto& nom : noms) tries.emplace_back(fichiers.cle_de_tri(nom), std::move(nom));
  std::sort(tries.begin(), tries.end());
  noms.clear();
  for (auto& [cle, nom] : tries) noms.push_back(std::move(nom));
  return noms;
}

// Walks the folder depth first, its own files before each of its
// sub-folders' trees. `prendre` gets each folder's path from the top and its
// sorted files, and says whether to go on. A stack, not recursion: a tree
// may be as deep as a path is long.
void parcourir(Fichiers& fichiers, const std::wstring& racine, std::wstring_view motif, bool sous_dossiers,
               const std::atomic<bool>* abandon,
               const std::function<bool(const std::wstring&, std::vector<std::wstring>&&)>& prendre) {
  std::set<IdentiteDossier> entres;
  std::vector<std::wstring> a_voir{L""};
  while (!a_voir.empty()) {
    if (abandon && abandon->load()) return;
    const std::wstring relatif = std::move(a_voir.back());
    a_voir.pop_back();
    auto contenu = fichiers.lire_dossier(relatif.empty() ? racine : avec_separateur(racine) + relatif);
    if (!contenu || (contenu->identite && !entres.insert(*contenu->identite).second)) continue;
    std::vector<std::wstring> noms, dossiers;
    for (auto& entree : contenu->entrees) {
      if (entree.cache) continue;
      if (!entree.dossier && correspond_au_motif(entree.nom, motif)) noms.push_back(std::move(entree.nom));
      if (entree.dossier && sous_dossiers) dossiers.push_back(std::move(entree.nom));
    }
    if (!prendre(relatif, trier(fichiers, std::move(noms)))) return;
    dossiers = trier(fichiers, std::move(dossiers));
    for (auto it = dossiers.rbegin(); it != dossiers.rend(); ++it) a_voir.push_back(relatif + *it + L'\\');
  }
}

}  // namespace

void ListeFichiers::Refresh(Fichiers& fichiers, const std::atomic<bool>* abandon) {
  dossiers_.clear();
  noms_.clear();
  entrees_.clear();
  parcourir(fichiers, Path, Pattern, SousDossiers, abandon,
            [&](const std::wstring& dossier, std::vector<std::wstring>&& noms) {
              const auto indice = static_cast<std::uint32_t>(dossiers_.size());
              if (!noms.empty()) dossiers_.push_back(dossier);
              for (const auto& nom : noms) {
                if (entrees_.size() == kMaximum || noms_.size() + nom.size() > UINT32_MAX) return false;
                entrees_.push_back(
                    {indice, static_cast<std::uint32_t>(noms_.size()), static_cast<std::uint32_t>(nom.size())});
                noms_ += nom;
              }
              return entrees_.size() < kMaximum;
            });
  dossiers_.shrink_to_fit();
  noms_.shrink_to_fit();
  entrees_.shrink_to_fit();
}

std::wstring ListeFichiers::List(int index) const {
  const Entree& e = entrees_.at(static_cast<std::size_t>(index));
  return dossiers_[e.dossier] + noms_.substr(e.debut, e.longueur);
}

bool contient_un_fichier(Fichiers& fichiers, const std::wstring& dossier, std::wstring_view motif, bool sous_dossiers) {
  bool trouve = false;
  parcourir(fichiers, dossier, motif, sous_dossiers, nullptr,
            [&](const std::wstring&, std::vector<std::wstring>&& noms) {
              trouve = !noms.empty();
              return !trouve;
            });
  return trouve;
}

std::wstring avec_separateur(std::wstring dossier) {
  if (dossier.empty() || dossier.back() != L'\\') dossier += L'\\';
  return dossier;
}

}  // namespace pixavue
