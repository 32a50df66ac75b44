// How setting texts turn into numbers, truth values and back.
#include "settings/valeurs_texte.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace pixavue {
namespace {

bool est_blanc(wchar_t c) { return c == L' ' || c == L'\t'; }
bool est_chiffre(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view sans_blancs(std::wstring_view texte) {
  while (!texte.empty() && est_blanc(texte.front())) texte.remove_prefix(1);
  while (!texte.empty() && est_blanc(texte.back())) texte.remove_suffix(1);
  return texte;
}

// Length of the number at the start of the text, 0 when it holds none.
std::size_t longueur_nombre(std::wstring_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) ++i;
  std::size_t chiffres = 0;
  while (i < t.size() && est_chiffre(t[i])) ++i, ++chiffres;
  if (i < t.size() && t[i] == L'.') {
    ++i;
    while (i < t.size() && est_chiffre(t[i])) ++i, ++chiffres;
  }
  if (chiffres == 0) return 0;
  // An exponent counts only when digits follow it: "2e" is the number 2.
  if (i < t.size() && (t[i] == L'e' || t[i] == L'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == L'+' || t[j] == L'-')) ++j;
    std::size_t debut = j;
    while (j < t.size() && est_chiffre(t[j])) ++j;
    if (j > debut) i = j;
  }
  return i;
}

double convertir(std::wstring_view nombre) {
  // The characters are ASCII by construction. strtod gives an infinity on
  // overflow and zero on underflow, which is what the readers want; the
  // program never leaves the "C" locale, so '.' is the decimal point.
  std::string etroit(nombre.begin(), nombre.end());
  return std::strtod(etroit.c_str(), nullptr);
}

template <typename Entier>
std::optional<Entier> en_entier(double valeur) {
  if (std::isnan(valeur)) return std::nullopt;
  double arrondi = arrondi_pair(valeur);
  if (arrondi < static_cast<double>(std::numeric_limits<Entier>::min()) ||
      arrondi > static_cast<double>(std::numeric_limits<Entier>::max()))
    return std::nullopt;
  return static_cast<Entier>(arrondi);
}

bool egal_sans_casse(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    wchar_t x = a[i] >= L'A' && a[i] <= L'Z' ? a[i] + 32 : a[i];
    if (x != b[i]) return false;
  }
  return true;
}

}  // namespace

double lire_nombre(std::wstring_view texte) {
  while (!texte.empty() && est_blanc(texte.front())) texte.remove_prefix(1);
  std::size_t n = longueur_nombre(texte);
  return n == 0 ? 0.0 : convertir(texte.substr(0, n));
}

bool est_numerique(std::wstring_view texte) {
  texte = sans_blancs(texte);
  return !texte.empty() && longueur_nombre(texte) == texte.size();
}

std::optional<bool> lire_booleen(std::wstring_view texte) {
  std::wstring_view mot = sans_blancs(texte);
  if (est_numerique(mot)) return lire_nombre(mot) != 0.0;
  if (egal_sans_casse(mot, L"true")) return true;
  if (egal_sans_casse(mot, L"false")) return false;
  return std::nullopt;
}

double arrondi_pair(double valeur) {
  // nearbyint follows the rounding mode, which is to-nearest-even unless
  // someone changed it; do the work by hand so that nobody can.
  double bas = std::floor(valeur);
  double reste = valeur - bas;
  if (reste > 0.5) return bas + 1;
  if (reste < 0.5) return bas;
  return std::fmod(bas, 2.0) == 0.0 ? bas : bas + 1;
}

std::optional<std::int16_t> en_entier16(double valeur) { return en_entier<std::int16_t>(valeur); }
std::optional<std::int32_t> en_entier32(double valeur) { return en_entier<std::int32_t>(valeur); }

std::optional<std::int32_t> lire_entier32(std::wstring_view texte) {
  if (!est_numerique(texte)) return std::nullopt;
  return en_entier32(lire_nombre(texte));
}

std::wstring texte_entier(std::int64_t valeur) { return std::to_wstring(valeur); }

}  // namespace pixavue
