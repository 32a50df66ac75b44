// Resamples a picture to the exact size it is shown at: area averaging where
// it shrinks (every source pixel counts once), bilinear where it grows. Rows
// stream in top to bottom, so a decoder never has to hold a whole picture
// larger than the screen; only the visible window of the result is made.
#pragma once

#include <cstdint>
#include <vector>

namespace pixavue {

// Premultiplied BGRA, 4 bytes a pixel, rows top to bottom without padding.
struct Pixels {
  int largeur = 0, hauteur = 0;
  std::vector<std::uint8_t> octets;
};

// The part of the resized picture that is made: columns [x0, x0 + largeur),
// rows [y0, y0 + hauteur) of a picture resized to `taille_largeur` x `taille_hauteur`.
struct Zone {
  int x0 = 0, y0 = 0, largeur = 0, hauteur = 0;
};

class Reechantillonneur {
 public:
  // `destination` receives the window's pixels, `pas` bytes a row.
  Reechantillonneur(int largeur_source, int hauteur_source, int taille_largeur, int taille_hauteur, Zone fenetre,
                    std::uint8_t* destination, std::ptrdiff_t pas);

  // The next source row, `largeur_source` BGRA pixels.
  void ajouter_ligne(const std::uint8_t* ligne);
  // Writes what the rows fed so far leave pending; call once at the end.
  void terminer();

 private:
  // Which source indexes make each output index, and their weights in
  // fixed point (kUn is 1), all outputs in one array.
  struct Contributions {
    std::vector<int> premier, nombre, debut;  // per output: first source, count, offset into poids
    std::vector<std::int32_t> poids;
    int taille() const { return static_cast<int>(premier.size()); }
  };
  static Contributions contributions(int source, int taille, int debut, int nombre);
  void reduire_ligne(const std::uint8_t* ligne, std::uint16_t* sortie) const;

  int hauteur_source_;
  Zone fenetre_;
  std::uint8_t* destination_;
  std::ptrdiff_t pas_;
  Contributions colonnes_, lignes_;
  // Horizontally resized source rows still needed, 8.8 fixed point.
  std::vector<std::uint16_t> reduites_;
  std::vector<std::uint32_t> somme_;
  int premiere_gardee_ = 0;   // source row held at the start of reduites_
  int suivante_ = 0;          // next source row to come
  int prochaine_sortie_ = 0;  // next window row to write
};

// Resizes a whole picture in memory; for the tests and small pictures.
Pixels reechantillonner(const Pixels& source, int largeur, int hauteur);

}  // namespace pixavue
