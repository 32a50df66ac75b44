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
  struct Contribution {
    int premier = 0;              // first source index
    std::vector<float> poids;     // weights of the following ones
  };
  static std::vector<Contribution> contributions(int source, int taille, int debut, int nombre);
  void reduire_ligne(const std::uint8_t* ligne, float* sortie) const;
  void emettre(int ligne_fenetre, const float* valeurs);

  int hauteur_source_;
  Zone fenetre_;
  std::uint8_t* destination_;
  std::ptrdiff_t pas_;
  std::vector<Contribution> colonnes_, lignes_;
  std::vector<float> reduites_;  // horizontally resized source rows still needed
  int premiere_gardee_ = 0;      // source row held at the start of reduites_
  int suivante_ = 0;             // next source row to come
  int prochaine_sortie_ = 0;     // next window row to write
};

// Resizes a whole picture in memory; for the tests and small pictures.
Pixels reechantillonner(const Pixels& source, int largeur, int hauteur);

}  // namespace pixavue
