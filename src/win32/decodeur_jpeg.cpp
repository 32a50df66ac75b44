// JPEG through libjpeg-turbo, scaled in the DCT domain: a photo much larger
// than the screen is decoded at the smallest eighth that still covers what
// the screen shows of it, which is several times faster than a full decode
// and a fraction of its memory.
#include <windows.h>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <cmath>

#include "slideshow/orientation.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

struct Erreur {
  jpeg_error_mgr mgr;
  std::jmp_buf retour;
};

// The file read 64 KB at a time as the decoder asks: a 10 MB photo never
// sits whole in memory next to its decoded pixels.
struct Source {
  jpeg_source_mgr mgr;
  HANDLE fichier;
  const std::atomic<bool>* abandon;
  std::uint8_t tampon[64 * 1024];
};

void debut_source(j_decompress_ptr) {}
boolean remplir(j_decompress_ptr info) {
  auto* s = reinterpret_cast<Source*>(info->src);
  // A progressive picture is read whole before its first row comes out.
  if (s->abandon->load(std::memory_order_relaxed)) info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
  DWORD lus = 0;
  if (!ReadFile(s->fichier, s->tampon, sizeof s->tampon, &lus, nullptr) || lus == 0) {
    // A truncated file ends as libjpeg expects: with an end-of-image marker.
    static const std::uint8_t kFin[] = {0xFF, JPEG_EOI};
    s->mgr.next_input_byte = kFin;
    s->mgr.bytes_in_buffer = sizeof kFin;
    return TRUE;
  }
  s->mgr.next_input_byte = s->tampon;
  s->mgr.bytes_in_buffer = lus;
  return TRUE;
}
void sauter(j_decompress_ptr info, long nombre) {
  auto* s = reinterpret_cast<Source*>(info->src);
  while (nombre > static_cast<long>(s->mgr.bytes_in_buffer)) {
    nombre -= static_cast<long>(s->mgr.bytes_in_buffer);
    remplir(info);
  }
  if (nombre > 0) {
    s->mgr.next_input_byte += nombre;
    s->mgr.bytes_in_buffer -= static_cast<std::size_t>(nombre);
  }
}
void fin_source(j_decompress_ptr) {}

// Everything the decoding touches lives here, behind one pointer that does
// not change after setjmp, so nothing is lost when libjpeg jumps back.
struct Decodage {
  jpeg_decompress_struct info{};
  Erreur erreur{};
  Source source{};
  Pixels pixels;
  int orientation = 1;  // how the stored picture must be turned to be seen
  bool cree = false;
  ~Decodage() {
    if (cree) jpeg_destroy_decompress(&info);
  }
};

// What one tick may use, whatever the file: libjpeg's own memory (a
// progressive picture keeps every coefficient of the whole picture, whatever
// the scale) and the decoded pixels, twice when they are turned.
constexpr std::uint64_t kBudgetOctets = std::uint64_t{256} << 20;

// Print workflows store CMYK, or YCCK which libjpeg gives back as CMYK. With
// Adobe's marker, the common case, the values are inverted (255 = no ink).
void cmyk_en_bgra(std::uint8_t* ligne, JDIMENSION largeur, bool inverse) {
  for (JDIMENSION x = 0; x < largeur; ++x, ligne += 4) {
    unsigned c = ligne[0], m = ligne[1], j = ligne[2], k = ligne[3];
    if (!inverse) c = 255 - c, m = 255 - m, j = 255 - j, k = 255 - k;
    ligne[0] = static_cast<std::uint8_t>(j * k / 255);
    ligne[1] = static_cast<std::uint8_t>(m * k / 255);
    ligne[2] = static_cast<std::uint8_t>(c * k / 255);
    ligne[3] = 255;
  }
}

[[noreturn]] void sortir_en_erreur(j_common_ptr info) { std::longjmp(reinterpret_cast<Erreur*>(info->err)->retour, 1); }
void taire(j_common_ptr) {}

bool decoder(Decodage* d, HANDLE fichier, const std::optional<Taille>& cadre, const std::atomic<bool>& abandon) {
  d->info.err = jpeg_std_error(&d->erreur.mgr);
  d->erreur.mgr.error_exit = sortir_en_erreur;
  d->erreur.mgr.output_message = taire;
  if (setjmp(d->erreur.retour)) return false;
  jpeg_create_decompress(&d->info);
  d->cree = true;
  d->source.mgr = {nullptr, 0, debut_source, remplir, sauter, jpeg_resync_to_restart, fin_source};
  d->source.fichier = fichier;
  d->source.abandon = &abandon;
  d->info.src = &d->source.mgr;
  jpeg_save_markers(&d->info, JPEG_APP0 + 1, 0xFFFF);
  if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK) return false;
  for (jpeg_saved_marker_ptr m = d->info.marker_list; m && d->orientation == 1; m = m->next)
    d->orientation = orientation_exif({m->data, m->data_length});

  // The box is the screen's way up; a picture stored on its side meets it turned.
  std::optional<Taille> cadre_stocke = cadre;
  if (cadre && echange_les_cotes(d->orientation)) cadre_stocke = Taille{cadre->hauteur, cadre->largeur};
  const Reduction reduction = reduction_pour(d->info.image_width, d->info.image_height, cadre_stocke);
  d->info.scale_num = static_cast<unsigned>(std::clamp(std::ceil(reduction.echelle * 8 - 1e-9), 1.0, 8.0));
  d->info.scale_denom = 8;
  const bool cmyk = d->info.jpeg_color_space == JCS_CMYK || d->info.jpeg_color_space == JCS_YCCK;
  // Four bytes a pixel either way: CMYK is decoded in place, then made BGRA.
  d->info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_calc_output_dimensions(&d->info);
  const std::uint64_t pixels = std::uint64_t{d->info.output_width} * d->info.output_height;
  if (pixels == 0 || pixels > kMaxPixelsDecodes) return false;
  // Decided from the headers, before anything is decoded: libjpeg fails
  // (it has no backing store) rather than go past what is left.
  const std::uint64_t sortie = 4 * pixels * (d->orientation == 1 ? 1 : 2);
  if (sortie >= kBudgetOctets) return false;
  d->info.mem->max_memory_to_use = static_cast<long>(kBudgetOctets - sortie);

  jpeg_start_decompress(&d->info);
  d->pixels.largeur = static_cast<int>(d->info.output_width);
  d->pixels.hauteur = static_cast<int>(d->info.output_height);
  d->pixels.octets.resize(4 * pixels);
  while (d->info.output_scanline < d->info.output_height) {
    JSAMPROW ligne = d->pixels.octets.data() + 4 * std::size_t{d->info.output_width} * d->info.output_scanline;
    if (abandon.load(std::memory_order_relaxed) || jpeg_read_scanlines(&d->info, &ligne, 1) != 1) return false;
    if (cmyk) cmyk_en_bgra(ligne, d->info.output_width, d->info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&d->info);
  // Turned once decoded, at the reduced size: never a second full-size pass.
  if (d->orientation != 1) d->pixels = orienter(d->pixels, d->orientation);
  return true;
}

}  // namespace

std::shared_ptr<const Image> decoder_jpeg(HANDLE fichier, std::optional<Taille> cadre,
                                          const std::atomic<bool>& abandon) {
  auto d = std::make_unique<Decodage>();
  if (!decoder(d.get(), fichier, cadre, abandon)) return nullptr;
  Taille naturelle{double(d->info.image_width), double(d->info.image_height)};
  if (echange_les_cotes(d->orientation)) naturelle = {naturelle.hauteur, naturelle.largeur};
  return std::make_shared<ImageMatricielle>(std::move(d->pixels), naturelle);
}

}  // namespace pixavue::win32
