// Describes a window's controls as laid out at design time, in twips.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pixavue {

enum class Genre {
  zone_texte,        // text box
  etiquette,         // label
  bouton,            // push button
  case_a_cocher,     // check box
  bouton_option,     // option (radio) button
  liste,             // list box
  liste_deroulante,  // drop-down list, choice only
  liste_fichiers,    // file list
  boite_image,       // picture box: a child window of its own
  image,             // picture control, drawn by its window
  ligne,             // line, drawn by its window
  minuterie,         // interval timer
  dialogue_commun,   // common-dialog control, never shown
};

// A colour value (red + 256 x green + 65536 x blue) or one of the system's.
struct Couleur {
  enum class Source : std::uint8_t { aucune, valeur, face_bouton, fond_fenetre, texte_fenetre };
  Source source = Source::aucune;
  std::uint32_t valeur = 0;

  static constexpr Couleur rgb(std::uint32_t v) { return {Source::valeur, v}; }
  static constexpr Couleur systeme(Source s) { return {s, 0}; }
  friend constexpr bool operator==(const Couleur&, const Couleur&) = default;
};

struct Police {
  std::wstring_view nom;  // empty: the window's own font
  double points = 0;
  bool gras = false;
};

// Left, top, width, height inside the client area; for a line, its two ends
// (x1, y1) and (x2, y2).
struct RectTwips {
  int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
};

struct ControleDecrit {
  std::wstring_view nom;
  int indice = -1;  // member of a control array, or -1
  Genre genre = Genre::etiquette;
  std::wstring_view texte;
  std::wstring_view info_bulle;
  RectTwips rect;
  Police police;
  Couleur fond;
  Couleur encre;
  bool visible = true;
  bool main = false;  // the pointing-hand cursor shows over it
  bool bordure = false;
  std::span<const std::wstring_view> elements;  // a list's items
};

struct Disposition {
  std::wstring_view titre;
  int largeur_client = 0, hauteur_client = 0;  // twips
  std::span<const ControleDecrit> controles;
};

// One control of a layout by name and array index; nothing when absent.
const ControleDecrit* trouver(const Disposition& disposition, std::wstring_view nom, int indice = -1);

// Twips to pixels at the screen's real dots per inch.
constexpr double en_pixels(double twips, double points_par_pouce) { return twips * points_par_pouce / 1440.0; }

}  // namespace pixavue
