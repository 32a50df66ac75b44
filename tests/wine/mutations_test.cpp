// A mutation run over the metafiles and PNGs the tests make: record fields
// (bytes, in a PNG, whose CRCs are then mended) changed at random, each
// mutant walked, and whatever the walk vouches for played or decoded the way
// the program does it. GIFs are decoded by the project's own code, which its
// fuzzer runs whole. Each mutant played is printed first: a crash ends the
// test program, a hang meets ctest's time limit, and the last number printed
// with the seed names the mutant. Any run by hand:
//   PIXAVUE_MUTATIONS="SEED COUNT [FIRST]"    (1 20000 0 by default)
#include <windows.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "enregistrement_gdi.h"
#include "octets.h"
#include "outils.h"
#include "slideshow/ajustement.h"
#include "slideshow/verification_png.h"
#include "win32/images_win32.h"

namespace pixavue::test {
namespace {

using Fichier = std::vector<std::uint8_t>;

// The GDI recordings in every mapping mode, with and without a frame, the
// other writers' files, the samples and test PNGs of every colour type, in a
// fixed order.
std::vector<Fichier> corpus() {
  std::vector<Fichier> fichiers;
  const RECT cadre{0, 0, 8000, 6000};
  for (int mode = MM_TEXT; mode <= MM_ANISOTROPIC; ++mode) {
    fichiers.push_back(enregistrer_gdi(mode, nullptr));
    fichiers.push_back(enregistrer_gdi(mode, &cadre));
  }
  std::vector<std::filesystem::path> chemins{echantillon(L"schema.emf"), echantillon(L"dessin.wmf")};
  for (const auto& f : std::filesystem::directory_iterator(chemin_wine(PIXAVUE_METAFICHIERS, L"")))
    if (f.path().extension() == ".emf") chemins.push_back(f.path());
  std::sort(chemins.begin() + 2, chemins.end());
  for (const wchar_t* png : {L"c0-1-i-t.png", L"c0-16-t.png", L"c2-8-t.png", L"c2-16-i.png", L"c3-2-i-t.png",
                             L"c3-8-t.png", L"c4-16-i.png", L"c6-8-i.png", L"trois-i.png", L"anime.png"})
    chemins.push_back(chemin_wine(PIXAVUE_PNG, png));
  chemins.push_back(echantillon(L"vitrail.png"));
  for (const auto& chemin : chemins) {
    std::ifstream flux(chemin, std::ios::binary);
    fichiers.emplace_back(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
  }
  return fichiers;
}

std::uint64_t melanger(std::uint64_t& etat) {  // splitmix64
  std::uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

bool est_png(const Fichier& o) { return o.size() >= 8 && o[0] == 0x89 && o[1] == 'P' && o[2] == 'N' && o[3] == 'G'; }

// Every chunk that still fits gets its CRC back, so that the walk's own
// check lets the mutant through to the decoder.
void recalculer_crc(Fichier& o) {
  for (std::size_t p = 8; p + 12 <= o.size();) {
    const std::size_t longueur = lu(o, p, 4, true);
    if (longueur > o.size() - p - 12) break;
    const auto crc = crc32(0, &o[p + 4], static_cast<uInt>(longueur + 4));
    o = pose(std::move(o), {p + 8 + longueur, 4, crc, true});
    p += longueur + 12;
  }
}

// One to three fields of random records changed: most often a field after a
// record's type and size (object indexes, counts, sizes, coordinates,
// flags), now and then the type or the size itself.
Fichier muter(Fichier o, std::uint64_t graine) {
  std::uint64_t etat = graine;
  if (est_png(o)) {  // bytes anywhere after the signature: sizes, flags, types, data
    for (int n = 1 + melanger(etat) % 3; n > 0; --n) {
      const std::size_t a = 8 + melanger(etat) % (o.size() - 8);
      const std::uint8_t avant = o[a], hasard = static_cast<std::uint8_t>(melanger(etat));
      const std::uint8_t valeurs[] = {0,    1,    0xFF, 0x80, std::uint8_t(avant + 1), std::uint8_t(avant - 1), hasard,
                                      0x2C, 0x21, 0x3B, 12};
      o[a] = valeurs[melanger(etat) % std::size(valeurs)];
    }
    recalculer_crc(o);
    return o;
  }
  const bool emf = est_emf(o);
  const int unite = emf ? 4 : 2;
  const auto records = enregistrements(o);
  if (records.empty()) return o;
  for (int n = 1 + melanger(etat) % 3; n > 0; --n) {
    const auto [debut, taille] = records[melanger(etat) % records.size()];
    const std::size_t premier = melanger(etat) % 10 == 0 ? 0 : (emf ? 8 : 6);
    if (taille <= premier) continue;
    const std::size_t a = debut + premier + melanger(etat) % ((taille - premier) / unite) * unite;
    const auto avant = static_cast<std::uint32_t>(lu(o, a, unite));
    const auto hasard = static_cast<std::uint32_t>(melanger(etat));
    // clang-format off
    const std::uint32_t valeurs[] = {0, 1, 2, avant + 1, avant - 1, 0x80000000u | (hasard % 32), 0xFFFFFFFFu,
                                     0x7FFFFFFFu, hasard, avant ^ (1u << (hasard % 32)), avant * 2, hasard % 8,
                                     0x8000u, 0u - avant};
    // clang-format on
    o = pose(std::move(o), {a, std::uint64_t(unite), valeurs[melanger(etat) % std::size(valeurs)]});
  }
  return o;
}

TEST(Mutations, WhatTheWalkVouchesForPlaysWithoutACrash) {
  unsigned long long germe = 1, nombre = 20000, premier = 0;
  if (const char* choisis = std::getenv("PIXAVUE_MUTATIONS"))
    std::sscanf(choisis, "%llu %llu %llu", &germe, &nombre, &premier);
  const auto fichiers = corpus();
  ASSERT_GE(fichiers.size(), 30u);
  win32::InitialisationCom com;
  win32::ImagesWin32 images(96);
  DossierEssai dossier(L"pixavue mutants");
  const std::wstring fichier_png = dossier.chemin() + L"\\mutant.png";
  unsigned long long joues = 0;
  for (unsigned long long i = premier; i < premier + nombre; ++i) {
    const Fichier mutant = muter(fichiers[i % fichiers.size()], germe * 0x100000000ull + i);
    std::shared_ptr<const win32::ImageWin32> image;
    if (est_png(mutant)) {
      if (!verifier_png(mutant)) continue;
    } else if (!(image = std::dynamic_pointer_cast<const win32::ImageWin32>(win32::decoder_metafichier(mutant, 96)))) {
      continue;
    }
    std::printf("mutant %llu of file %zu\n", i, std::size_t(i % fichiers.size()));
    std::fflush(stdout);
    ++joues;
    if (!image) {  // from a file, the walk and libpng as the program reads one
      std::ofstream(std::filesystem::path(fichier_png), std::ios::binary)
          .write(reinterpret_cast<const char*>(mutant.data()), static_cast<std::streamsize>(mutant.size()));
      images.charger(fichier_png, Cadre{{160, 120}});
      continue;
    }
    const RectanglePixels r = rectangle_montre(image->taille_naturelle(), Cadre{{160, 120}, true});
    win32::ImagePreparee cible = win32::creer_dib(r.largeur, r.hauteur);
    if (cible.bitmap) image->preparer(r.largeur, r.hauteur, {0, 0, r.largeur, r.hauteur}, RGB(255, 255, 255), cible);
  }
  std::printf("seed %llu, mutants %llu from %llu, of %zu files: %llu played\n", germe, nombre, premier, fichiers.size(),
              joues);
  // A walk that refused nearly everything would make the run prove nothing.
  EXPECT_GT(joues, nombre * 3 / 4);
}

}  // namespace
}  // namespace pixavue::test
