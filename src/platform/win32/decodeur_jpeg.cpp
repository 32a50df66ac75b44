// JPEG through libjpeg-turbo, scaled in the DCT domain: a photo much larger
// than the screen is decoded at the smallest eighth that still covers what
// the screen shows of it, which is several times faster than a full decode
// and a fraction of its memory.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/images_win32.h"

namespace pixavue::win32 {
namespace {

struct Erreur {
  jpeg_error_mgr mgr;
  std::jmp_buf retour;
};

// Everything the decoding touches lives here, behind one pointer that does
// not change after setjmp, so nothing is lost when libjpeg jumps back.
struct Decodage {
  jpeg_decompress_struct info{};
  Erreur erreur{};
  Pixels pixels;
  bool cree = false;
  ~Decodage() {
    if (cree) jpeg_destroy_decompress(&info);
  }
};

[[noreturn]] void sortir_en_erreur(j_common_ptr info) {
  std::longjmp(reinterpret_cast<Erreur*>(info->err)->retour, 1);
}
void taire(j_common_ptr) {}

bool decoder(Decodage* d, std::span<const std::uint8_t> octets, const std::optional<Taille>& cadre) {
  d->info.err = jpeg_std_error(&d->erreur.mgr);
  d->erreur.mgr.error_exit = sortir_en_erreur;
  d->erreur.mgr.output_message = taire;
  if (setjmp(d->erreur.retour)) return false;
  jpeg_create_decompress(&d->info);
  d->cree = true;
  jpeg_mem_src(&d->info, octets.data(), static_cast<unsigned long>(octets.size()));
  if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK) return false;

  const Reduction reduction = reduction_pour(d->info.image_width, d->info.image_height, cadre);
  d->info.scale_num = static_cast<unsigned>(std::clamp(std::ceil(reduction.echelle * 8 - 1e-9), 1.0, 8.0));
  d->info.scale_denom = 8;
  d->info.out_color_space = JCS_EXT_BGRA;
  jpeg_calc_output_dimensions(&d->info);
  const std::uint64_t pixels = std::uint64_t{d->info.output_width} * d->info.output_height;
  if (pixels == 0 || pixels > kMaxPixelsDecodes) return false;

  jpeg_start_decompress(&d->info);
  d->pixels.largeur = static_cast<int>(d->info.output_width);
  d->pixels.hauteur = static_cast<int>(d->info.output_height);
  d->pixels.octets.resize(4 * pixels);
  while (d->info.output_scanline < d->info.output_height) {
    JSAMPROW ligne = d->pixels.octets.data() + 4 * std::size_t{d->info.output_width} * d->info.output_scanline;
    if (jpeg_read_scanlines(&d->info, &ligne, 1) != 1) return false;
  }
  jpeg_finish_decompress(&d->info);
  return true;
}

}  // namespace

std::shared_ptr<const Image> decoder_jpeg(std::span<const std::uint8_t> octets, std::optional<Taille> cadre) {
  auto d = std::make_unique<Decodage>();
  if (!decoder(d.get(), octets, cadre)) return nullptr;
  const Taille naturelle{double(d->info.image_width), double(d->info.image_height)};
  return std::make_shared<ImageMatricielle>(std::move(d->pixels), naturelle);
}

}  // namespace pixavue::win32
