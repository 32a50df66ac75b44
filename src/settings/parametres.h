// The program's settings: where they live and the names of their keys.
#pragma once

#include <string>
#include <string_view>

#include "platform/magasin_parametres.h"
#include "settings/valeurs_texte.h"

namespace pixavue {

inline constexpr std::wstring_view kApplication = L"PixavueSCR";
inline constexpr std::wstring_view kSection = L"parametres";

// The companion viewer's own settings, read and never written.
inline constexpr std::wstring_view kApplicationVisualiseur = L"Pixavue";
inline constexpr std::wstring_view kCleDossierVisualiseur = L"dossier application";

namespace cle {
inline constexpr std::wstring_view dossier_demarrage = L"dossier demarrage";
inline constexpr std::wstring_view secondes = L"secondes";
inline constexpr std::wstring_view chemin_fichier = L"chemin fichier";
inline constexpr std::wstring_view type_fichier = L"type fichier";
inline constexpr std::wstring_view couleur_fond = L"couleur fond";
inline constexpr std::wstring_view informations = L"informations";
inline constexpr std::wstring_view taille = L"taille";
inline constexpr std::wstring_view son = L"son";
// On only when they read as 1: absent, as in every store written before
// them, they are off.
inline constexpr std::wstring_view sous_dossiers = L"sous dossiers";
inline constexpr std::wstring_view ordre_aleatoire = L"ordre aleatoire";
}  // namespace cle

// The program's own section of the store, so that callers name only the key.
class Parametres {
 public:
  explicit Parametres(MagasinParametres& magasin) : magasin_(magasin) {}

  std::wstring lire(std::wstring_view cle) { return magasin_.lire_parametre(kApplication, kSection, cle); }
  void ecrire(std::wstring_view cle, std::wstring_view texte) {
    magasin_.ecrire_parametre(kApplication, kSection, cle, texte);
  }
  // First-run default: written only when the value reads empty; a value of
  // blanks is not empty and stays.
  void ecrire_si_vide(std::wstring_view cle, std::wstring_view defaut) {
    if (lire(cle).empty()) ecrire(cle, defaut);
  }
  // A choice that is on only when its text reads as the number 1.
  bool choix(std::wstring_view cle) { return lire_nombre(lire(cle)) == 1; }

 private:
  MagasinParametres& magasin_;
};

}  // namespace pixavue
