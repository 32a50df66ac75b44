// The first frame of a GIF as the project decodes it: against the pictures
// the test's own LZW encoder stored, whole, interlaced, transparent, clipped,
// cut short, broken.
#include "slideshow/decodage_gif.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "octets.h"

namespace pixavue {
namespace {

using Octets = std::vector<std::uint8_t>;

// GIF's LZW as encoders write it: the longest known string, then a new one.
Octets lzw(const std::vector<int>& indexes, int taille_minimale) {
  const int effacement = 1 << taille_minimale;
  int largeur = taille_minimale + 1, suivant = effacement + 2, nombre = 0;
  std::uint32_t reserve = 0;
  Octets flux;
  auto ecrire = [&](int code) {
    reserve |= std::uint32_t(code) << nombre;
    for (nombre += largeur; nombre >= 8; nombre -= 8, reserve >>= 8) flux.push_back(std::uint8_t(reserve));
  };
  std::map<std::pair<int, int>, int> table;
  ecrire(effacement);
  int w = indexes[0];
  for (std::size_t i = 1; i < indexes.size(); ++i) {
    if (auto t = table.find({w, indexes[i]}); t != table.end()) {
      w = t->second;
      continue;
    }
    ecrire(w);
    if (suivant < 4096) {
      table[{w, indexes[i]}] = suivant++;
      if (suivant - 1 >= 1 << largeur && largeur < 12) ++largeur;
    }
    w = indexes[i];
  }
  ecrire(w);
  ecrire(effacement + 1);
  if (nombre > 0) flux.push_back(std::uint8_t(reserve));
  return flux;
}

struct Image {
  int largeur, hauteur, gauche = 0, haut = 0;
  int largeur_ecran = 12, hauteur_ecran = 10;
  std::vector<int> indexes;  // row by row, top first
  bool entrelacee = false;
  int transparente = -1;
  int delai = -1;       // none: no control extension
  bool locale = false;  // a table of its own: the global colours in reverse
};

// The screen, a global table of 256 colours (index i is red i, green
// 255 - i, blue i / 2), each block, and the trailer.
Octets fichier(const std::vector<Image>& blocs) {
  test::Octets f;
  f.suite(std::string("GIF89a")).u16(blocs[0].largeur_ecran).u16(blocs[0].hauteur_ecran).u8(0xF7).u16(0);
  for (int i = 0; i < 256; ++i) f.u8(i).u8(255 - i).u8(i / 2);
  for (const Image& image : blocs) {
    if (image.transparente >= 0 || image.delai >= 0)
      f.suite(Octets{0x21, 0xF9, 4, std::uint8_t(image.transparente >= 0)})
          .u16(std::uint16_t(std::max(image.delai, 0)))
          .u8(std::uint8_t(std::max(image.transparente, 0)))
          .u8(0);
    f.u8(0x2C).u16(image.gauche).u16(image.haut).u16(image.largeur).u16(image.hauteur);
    f.u8((image.entrelacee ? 0x40 : 0) | (image.locale ? 0x87 : 0));
    if (image.locale)
      for (int i = 255; i >= 0; --i) f.u8(i).u8(255 - i).u8(i / 2);
    Octets& o = f.u8(8).o;
    std::vector<int> stockes;
    for (auto [debut, pas] : image.entrelacee ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                              : std::vector<std::pair<int, int>>{{0, 1}})
      for (int y = debut; y < image.hauteur; y += pas)
        stockes.insert(stockes.end(), image.indexes.begin() + y * image.largeur,
                       image.indexes.begin() + (y + 1) * image.largeur);
    const Octets donnees = lzw(stockes, 8);
    for (std::size_t i = 0; i < donnees.size(); i += 255) {
      const std::size_t n = std::min<std::size_t>(255, donnees.size() - i);
      o.push_back(std::uint8_t(n));
      o.insert(o.end(), donnees.begin() + i, donnees.begin() + i + n);
    }
    o.push_back(0);
  }
  f.u8(0x3B);
  return f.o;
}
Octets fichier(const Image& image) { return fichier(std::vector{image}); }

// Each screen pixel as its index, -1 where it is transparent, read back
// from the colour.
std::vector<int> indexes_vus(const Octets& o) {
  auto gif = verifier_gif(o);
  if (!gif) return {};
  const Pixels p = premiere_image_gif(o, *gif);
  std::vector<int> vus;
  for (std::size_t i = 0; i < p.octets.size(); i += 4) {
    const std::uint8_t* c = &p.octets[i];
    vus.push_back(c[3] == 0 ? -1 : c[2] == 255 - c[1] && c[0] == c[2] / 2 ? c[2] : -2);
  }
  return vus;
}

// The blocks at their places on the screen, each over those before it, -1
// where none shows; a local table's index read as the global one of its
// colour.
std::vector<int> sur_l_ecran(const std::vector<Image>& blocs) {
  std::vector<int> ecran(std::size_t(blocs[0].largeur_ecran) * blocs[0].hauteur_ecran, -1);
  for (const Image& image : blocs)
    for (int y = 0; y < image.hauteur; ++y)
      for (int x = 0; x < image.largeur; ++x) {
        const int index = image.indexes[y * image.largeur + x];
        if (image.gauche + x < image.largeur_ecran && image.haut + y < image.hauteur_ecran &&
            index != image.transparente)
          ecran[(image.haut + y) * image.largeur_ecran + image.gauche + x] = image.locale ? 255 - index : index;
      }
  return ecran;
}
std::vector<int> sur_l_ecran(const Image& image) { return sur_l_ecran(std::vector{image}); }

Image exemple() {
  // Runs of one index (strings that repeat their own start) and a spread of
  // many indexes, so that codes reach 9 bits and beyond.
  Image image{9, 7, 2, 1};
  for (int i = 0; i < 63; ++i) image.indexes.push_back(i < 20 ? 5 : (i * 37) % 256);
  return image;
}

TEST(DecodageGif, TheFirstFrameLandsAtItsPlaceWhateverItsRowOrderAndTransparency) {
  Image image = exemple();
  EXPECT_EQ(indexes_vus(fichier(image)), sur_l_ecran(image));
  image.entrelacee = true;
  EXPECT_EQ(indexes_vus(fichier(image)), sur_l_ecran(image));
  image.transparente = 5;
  EXPECT_EQ(indexes_vus(fichier(image)), sur_l_ecran(image));
  image = exemple();
  image.gauche = 6;  // 6 + 9 > 12: clipped by the screen
  EXPECT_EQ(indexes_vus(fichier(image)), sur_l_ecran(image));
}

// A picture made of blocks, each over part of the screen with a palette of
// its own or the global one, some with a transparent index: every block up
// to the first that waits shows, composed; the blocks after it don't.
TEST(DecodageGif, TheBlocksOfAPictureShowComposedUpToTheFirstThatWaits) {
  std::vector<Image> blocs;
  for (int n = 0; n < 4; ++n) {
    Image bloc{6, 5, 6 * (n % 2), 5 * (n / 2)};
    for (int i = 0; i < 30; ++i) bloc.indexes.push_back((i * 7 + n * 50) % 256);
    bloc.locale = n % 2 == 1;
    blocs.push_back(bloc);
  }
  blocs[1].delai = 0;                           // a control extension that doesn't wait
  blocs[2].transparente = blocs[2].indexes[0];  // over the screen's transparent corner
  blocs[3].delai = 10;                          // waits: the last block of the picture
  Image apres{12, 10};
  apres.indexes.assign(120, 1);
  std::vector<Image> fichier_entier = blocs;
  fichier_entier.push_back(apres);
  EXPECT_EQ(indexes_vus(fichier(fichier_entier)), sur_l_ecran(blocs));
  // Cut inside the third block: the two before it whole, the start of it.
  const Octets entier = fichier(fichier_entier);
  const std::size_t troisieme = fichier(std::vector(blocs.begin(), blocs.begin() + 2)).size() - 1;
  const auto vus = indexes_vus(Octets(entier.begin(), entier.begin() + std::ptrdiff_t(troisieme + 11 + 10)));
  const auto attendus = sur_l_ecran(std::vector(blocs.begin(), blocs.begin() + 2));
  EXPECT_EQ(std::vector(vus.begin(), vus.begin() + 60), std::vector(attendus.begin(), attendus.begin() + 60));
}

// A long picture fills the table to its 4,096 codes and keeps going; a
// frame taller than its screen is cut by it.
TEST(DecodageGif, ALongPictureOutlivesAFullTable) {
  Image image{100, 120};
  image.largeur_ecran = image.hauteur_ecran = 100;
  for (int i = 0; i < 100 * 120; ++i) image.indexes.push_back((i * 31 + i / 7 + i * i % 13) % 256);
  EXPECT_EQ(indexes_vus(fichier(image)), sur_l_ecran(image));
}

TEST(DecodageGif, DataCutShortOrBrokenShowsTheRowsThatCame) {
  const Image image = exemple();
  const Octets entier = fichier(image);
  const std::size_t debut = 13 + 768 + 11;  // the first sub-block's length
  Octets coupe(entier.begin(), entier.begin() + debut + 1 + 20);
  const std::vector<int> vus = indexes_vus(coupe);
  ASSERT_EQ(vus.size(), 120u);
  // The first rows whole, then nothing past the last code read.
  const std::vector<int> attendus = sur_l_ecran(image);
  EXPECT_EQ(std::vector(vus.begin(), vus.begin() + 3 * 12), std::vector(attendus.begin(), attendus.begin() + 3 * 12));
  EXPECT_EQ(vus.back(), -1);
  // A code past the table's next: decoding stops there, nothing is read
  // from outside the table.
  Octets casse = entier;
  casse[debut + 2] = 0xFF;
  casse[debut + 3] = 0xFF;
  const std::vector<int> vus_casse = indexes_vus(casse);
  ASSERT_EQ(vus_casse.size(), 120u);
  EXPECT_EQ(std::count(vus_casse.begin(), vus_casse.end(), -2), 0);
  EXPECT_EQ(vus_casse.back(), -1);
}

}  // namespace
}  // namespace pixavue
