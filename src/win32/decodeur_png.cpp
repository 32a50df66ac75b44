// PNG through libpng, once the project's own walk has checked the file. The
// rows are read one at a time and reduced as they come, so a picture much
// larger than the screen is never held whole; only an interlaced one, whose
// rows come in seven passes, is kept whole while it is read.
#include <windows.h>

#include <csetjmp>

#include <png.h>

#include <algorithm>
#include <cmath>

#include "slideshow/verification_png.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

// What one picture may use, decided from its header before anything is
// decoded: the reduced pixels, the whole picture when it is interlaced, and
// the rows being read.
constexpr std::uint64_t kBudgetOctets = std::uint64_t{256} << 20;

// Everything the decoding touches lives here, behind one pointer that does
// not change after setjmp, so nothing is lost when libpng jumps back.
struct Decodage {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::jmp_buf retour;
  HANDLE fichier = nullptr;
  const std::atomic<bool>* abandon = nullptr;
  std::vector<std::uint8_t> tampon = std::vector<std::uint8_t>(64 * 1024);
  std::size_t debut = 0, fin = 0;
  std::vector<std::uint8_t> lignes;  // one row, or the whole interlaced picture
  Pixels pixels;
  std::optional<Reechantillonneur> reduction;
  ~Decodage() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  }
};

[[noreturn]] void sortir_en_erreur(png_structp png, png_const_charp) {
  std::longjmp(static_cast<Decodage*>(png_get_error_ptr(png))->retour, 1);
}
void taire(png_structp, png_const_charp) {}

// The file read 64 KB at a time as libpng asks; a file that ends early, or
// a run that ends meanwhile, stops the decoding.
void lire(png_structp png, png_bytep destination, std::size_t n) {
  auto* d = static_cast<Decodage*>(png_get_io_ptr(png));
  while (n > 0) {
    if (d->debut == d->fin) {
      DWORD lus = 0;
      if (d->abandon->load(std::memory_order_relaxed) ||
          !ReadFile(d->fichier, d->tampon.data(), static_cast<DWORD>(d->tampon.size()), &lus, nullptr) || lus == 0)
        png_error(png, "fin");
      d->debut = 0;
      d->fin = lus;
    }
    const std::size_t morceau = std::min(n, d->fin - d->debut);
    std::copy_n(&d->tampon[d->debut], morceau, destination);
    d->debut += morceau;
    destination += morceau;
    n -= morceau;
  }
}

void premultiplier(std::uint8_t* ligne, std::uint32_t largeur) {
  for (std::uint32_t x = 0; x < largeur; ++x, ligne += 4) {
    const unsigned a = ligne[3];
    if (a == 255) continue;
    for (int c = 0; c < 3; ++c) ligne[c] = static_cast<std::uint8_t>((ligne[c] * a + 127) / 255);
  }
}

// From the header alone: the reduced size fits the box, and the memory the
// decoding needs fits the budget.
bool dans_le_budget(const StructurePng& s, int largeur, int hauteur) {
  const std::uint64_t sortie = 4 * std::uint64_t(largeur) * std::uint64_t(hauteur);
  const bool reduite = largeur != static_cast<int>(s.largeur) || hauteur != static_cast<int>(s.hauteur);
  const std::uint64_t entiere = s.entrelace && reduite ? 4 * std::uint64_t{s.largeur} * s.hauteur : 0;
  // libpng's two rows at up to 8 bytes a pixel, our row, the resampler's weights.
  const std::uint64_t lignes = 2 * (octets_par_ligne(s) + 8 * std::uint64_t{s.largeur}) + 4 * std::uint64_t{s.largeur} +
                               16 * (std::uint64_t{s.largeur} + s.hauteur);
  return std::uint64_t(largeur) * std::uint64_t(hauteur) <= kMaxPixelsDecodes &&
         sortie + entiere + lignes <= kBudgetOctets;
}

bool decoder(Decodage* d, const StructurePng& s, int largeur, int hauteur) {
  if (setjmp(d->retour)) return false;
  d->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, d, sortir_en_erreur, taire);
  if (!d->png || !(d->info = png_create_info_struct(d->png))) return false;
  png_set_read_fn(d->png, d, lire);
  // The walk and the budget have decided the size. Of the ancillary chunks
  // only the transparency counts: libpng is built to skip the others.
  png_set_user_limits(d->png, 0x7FFFFFFF, 0x7FFFFFFF);
  png_read_info(d->png, d->info);
  // The file changed since its walk: not the picture that was vouched for.
  if (png_get_image_width(d->png, d->info) != s.largeur || png_get_image_height(d->png, d->info) != s.hauteur ||
      png_get_bit_depth(d->png, d->info) != s.profondeur || png_get_color_type(d->png, d->info) != s.type_couleur)
    return false;

  // Every form becomes 8-bit BGRA: palettes and low depths expanded, the
  // transparency as alpha, 16 bits rounded to 8, grey made colour.
  png_set_expand(d->png);
  png_set_scale_16(d->png);
  png_set_gray_to_rgb(d->png);
  png_set_bgr(d->png);
  png_set_filler(d->png, 0xFF, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(d->png);
  png_read_update_info(d->png, d->info);
  const std::size_t pas = 4 * std::size_t{s.largeur};
  if (png_get_rowbytes(d->png, d->info) != pas) return false;

  d->pixels.largeur = largeur;
  d->pixels.hauteur = hauteur;
  d->pixels.octets.resize(4 * std::size_t(largeur) * std::size_t(hauteur));
  const bool reduite = largeur != static_cast<int>(s.largeur) || hauteur != static_cast<int>(s.hauteur);
  // Each row lands in place at full size; reduced, a row at a time goes
  // through the resampler, unless all seven passes must be held.
  std::uint8_t* image = d->pixels.octets.data();
  if (reduite) {
    d->lignes.resize(s.entrelace ? pas * s.hauteur : pas);
    image = d->lignes.data();
    d->reduction.emplace(static_cast<int>(s.largeur), static_cast<int>(s.hauteur), largeur, hauteur,
                         Zone{0, 0, largeur, hauteur}, d->pixels.octets.data(), 4 * largeur);
  }
  const bool par_ligne = reduite && !s.entrelace;
  for (int passe = 0; passe < passes; ++passe)
    for (std::uint32_t y = 0; y < s.hauteur; ++y) {
      if (d->abandon->load(std::memory_order_relaxed)) return false;
      std::uint8_t* ligne = image + (par_ligne ? 0 : pas * y);
      png_read_row(d->png, ligne, nullptr);
      if (passe + 1 < passes) continue;
      premultiplier(ligne, s.largeur);
      if (par_ligne) d->reduction->ajouter_ligne(ligne);
    }
  if (reduite && s.entrelace)
    for (std::uint32_t y = 0; y < s.hauteur; ++y) d->reduction->ajouter_ligne(image + pas * y);
  if (reduite) d->reduction->terminer();
  return true;
}

}  // namespace

std::shared_ptr<const Image> decoder_png(HANDLE fichier, std::optional<Taille> cadre,
                                         const std::atomic<bool>& abandon) {
  const auto structure = verifier_png([&](std::span<std::uint8_t> tampon) -> std::size_t {
    DWORD lus = 0;
    if (abandon.load(std::memory_order_relaxed) ||
        !ReadFile(fichier, tampon.data(), static_cast<DWORD>(tampon.size()), &lus, nullptr))
      return 0;
    return lus;
  });
  if (!structure || SetFilePointer(fichier, 0, nullptr, FILE_BEGIN) != 0) return nullptr;
  const Taille naturelle{double(structure->largeur), double(structure->hauteur)};
  const double echelle = reduction_pour(naturelle.largeur, naturelle.hauteur, cadre).echelle;
  const int largeur = std::max(1, static_cast<int>(std::ceil(naturelle.largeur * echelle)));
  const int hauteur = std::max(1, static_cast<int>(std::ceil(naturelle.hauteur * echelle)));
  if (!dans_le_budget(*structure, largeur, hauteur)) return nullptr;

  auto d = std::make_unique<Decodage>();
  d->fichier = fichier;
  d->abandon = &abandon;
  if (!decoder(d.get(), *structure, largeur, hauteur)) return nullptr;
  return std::make_shared<ImageMatricielle>(std::move(d->pixels), naturelle);
}

}  // namespace pixavue::win32
