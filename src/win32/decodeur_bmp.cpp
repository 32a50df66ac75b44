// Uncompressed bitmaps read a band of rows at a time and reduced as they
// come: a bitmap of many megapixels never sits whole in memory. The other
// forms (compressed, 16 bits, old headers) go to the Windows Imaging Component.
#include <algorithm>
#include <cmath>

#include "slideshow/entete_bmp.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

constexpr int kBande = 64;  // rows read at a time

bool lire_a(HANDLE fichier, std::uint64_t position, std::uint8_t* tampon, std::size_t octets) {
  LARGE_INTEGER p;
  p.QuadPart = static_cast<LONGLONG>(position);
  if (!SetFilePointerEx(fichier, p, nullptr, FILE_BEGIN)) return false;
  while (octets > 0) {
    DWORD lus = 0;
    const DWORD demande = static_cast<DWORD>(std::min<std::size_t>(octets, 1u << 24));
    if (!ReadFile(fichier, tampon, demande, &lus, nullptr) || lus == 0) return false;
    tampon += lus;
    octets -= lus;
  }
  return true;
}

}  // namespace

std::optional<std::shared_ptr<const Image>> decoder_bmp(HANDLE fichier, std::optional<Taille> cadre,
                                                        const std::atomic<bool>& abandon) {
  LARGE_INTEGER taille;
  if (!GetFileSizeEx(fichier, &taille)) return nullptr;
  std::vector<std::uint8_t> debut(kOctetsEnteteBmp);
  DWORD lus = 0;
  if (!ReadFile(fichier, debut.data(), static_cast<DWORD>(debut.size()), &lus, nullptr)) return nullptr;
  debut.resize(lus);
  auto entete = lire_entete_bmp(debut, static_cast<std::uint64_t>(taille.QuadPart));
  if (!entete) return std::nullopt;
  const EnteteBmp& e = *entete;

  const Reduction reduction = reduction_pour(e.largeur, e.hauteur, cadre);
  Pixels pixels;
  pixels.largeur = std::max(1, static_cast<int>(std::ceil(e.largeur * reduction.echelle)));
  pixels.hauteur = std::max(1, static_cast<int>(std::ceil(e.hauteur * reduction.echelle)));
  if (std::uint64_t(pixels.largeur) * pixels.hauteur > kMaxPixelsDecodes) return nullptr;
  pixels.octets.resize(4 * std::size_t(pixels.largeur) * pixels.hauteur);
  Reechantillonneur r(e.largeur, e.hauteur, pixels.largeur, pixels.hauteur, {0, 0, pixels.largeur, pixels.hauteur},
                      pixels.octets.data(), 4 * pixels.largeur);

  // A bitmap whose alpha is 0 everywhere was never meant to be transparent:
  // its writer left the field empty, and browsers show it opaque. It is
  // reduced both ways until a pixel shows some alpha.
  std::optional<EnteteBmp> sans_alpha;
  Pixels opaques;
  std::optional<Reechantillonneur> r_opaque;
  if (e.canaux[3].masque) {
    sans_alpha = e;
    sans_alpha->canaux[3].masque = 0;
    opaques = {pixels.largeur, pixels.hauteur, std::vector<std::uint8_t>(pixels.octets.size())};
    r_opaque.emplace(e.largeur, e.hauteur, pixels.largeur, pixels.hauteur, Zone{0, 0, pixels.largeur, pixels.hauteur},
                     opaques.octets.data(), 4 * pixels.largeur);
  }

  std::vector<std::uint8_t> bande(e.pas * kBande), ligne(4 * std::size_t(e.largeur));
  for (int y = 0; y < e.hauteur; y += kBande) {
    if (abandon.load(std::memory_order_relaxed)) return nullptr;
    const int lignes = std::min(kBande, e.hauteur - y);
    // Rows are stored bottom first unless the height was negative.
    const int premiere = e.de_haut_en_bas ? y : e.hauteur - y - lignes;
    if (!lire_a(fichier, e.debut_pixels + e.pas * std::uint64_t(premiere), bande.data(), e.pas * lignes))
      return nullptr;
    for (int l = 0; l < lignes; ++l) {
      const int stockee = e.de_haut_en_bas ? l : lignes - 1 - l;
      convertir_ligne_bmp(e, bande.data() + e.pas * stockee, ligne.data());
      r.ajouter_ligne(ligne.data());
      if (!r_opaque) continue;
      for (std::size_t a = 3; a < ligne.size() && r_opaque; a += 4)
        if (ligne[a]) r_opaque.reset();  // some alpha: it is meant
      if (!r_opaque) continue;
      convertir_ligne_bmp(*sans_alpha, bande.data() + e.pas * stockee, ligne.data());
      r_opaque->ajouter_ligne(ligne.data());
    }
  }
  r.terminer();
  if (r_opaque) {
    r_opaque->terminer();
    pixels = std::move(opaques);
  }
  return std::make_shared<ImageMatricielle>(std::move(pixels), Taille{double(e.largeur), double(e.hauteur)});
}

}  // namespace pixavue::win32
