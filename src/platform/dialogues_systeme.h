// The system's standard choosers: open and save a file, pick a folder, pick
// a colour. Each is modal and returns once the user has closed it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pixavue {

enum class Issue { choisi, annule, echec };

struct DemandeFichier {
  std::intptr_t proprietaire = 0;
  // Description and masks pairs, each part ended by a NUL, the whole by one more.
  std::wstring filtre;
  int indice_filtre = 1;       // 1-based
  std::wstring fichier;        // the name the chooser starts with
  int capacite_fichier = 260;  // characters the chooser is told it may write
  int capacite_titre = 260;
  std::wstring dossier_initial;
  std::optional<std::wstring> titre;  // nothing: the system's own
  std::uint32_t drapeaux = 0;         // OFN_ values
  std::wstring extension_defaut;
};

struct ReponseFichier {
  Issue issue = Issue::annule;
  std::wstring fichier;  // full path
  std::wstring titre;    // the name alone
  std::uint32_t drapeaux = 0;
  std::uint32_t erreur = 0;  // the chooser's own error code, on failure
};

struct ReponseCouleur {
  Issue issue = Issue::annule;
  std::uint32_t couleur = 0;  // 0x00BBGGRR
  std::uint32_t erreur = 0;
};

enum class SorteFichier { ouvrir, enregistrer };

class DialoguesSysteme {
 public:
  virtual ~DialoguesSysteme() = default;
  virtual ReponseFichier choisir_fichier(SorteFichier sorte, const DemandeFichier& demande) = 0;
  // Nothing when cancelled; the empty text for an item with no file-system path.
  virtual std::optional<std::wstring> choisir_dossier(std::intptr_t proprietaire, std::wstring_view consigne,
                                                      std::uint32_t drapeaux) = 0;
  // drapeaux: CC_ values (1 start on the colour given, 2 custom part open).
  virtual ReponseCouleur choisir_couleur(std::intptr_t proprietaire, std::uint32_t couleur, std::uint32_t drapeaux) = 0;
};

}  // namespace pixavue
