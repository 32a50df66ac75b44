// Picture files on Windows: the format is told by the first bytes.
#include "win32/images_win32.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "slideshow/ajustement.h"
#include "win32/chemin_long.h"
#include "win32/decodage_a_part.h"

namespace pixavue::win32 {
namespace {

// Metafiles and icons are read whole; larger ones are no pictures the
// screensaver will show. Photos and bitmaps are streamed and have no such cap.
constexpr std::uint64_t kMaxOctetsFichier = 64ull << 20;

PoigneeFichier ouvrir(std::wstring_view chemin) {
  return PoigneeFichier(CreateFileW(chemin_long(chemin).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

std::optional<std::vector<std::uint8_t>> lire_fichier(HANDLE fichier) {
  LARGE_INTEGER taille;
  if (!GetFileSizeEx(fichier, &taille) || taille.QuadPart < 0 ||
      static_cast<std::uint64_t>(taille.QuadPart) > kMaxOctetsFichier)
    return std::nullopt;
  std::vector<std::uint8_t> octets(static_cast<std::size_t>(taille.QuadPart));
  std::size_t lus = 0;
  while (lus < octets.size()) {
    DWORD morceau = 0;
    DWORD demande = static_cast<DWORD>(std::min<std::size_t>(octets.size() - lus, 1u << 24));
    if (!ReadFile(fichier, octets.data() + lus, demande, &morceau, nullptr) || morceau == 0) return std::nullopt;
    lus += morceau;
  }
  return octets;
}

bool commence_par(std::span<const std::uint8_t> o, std::initializer_list<std::uint8_t> debut) {
  return o.size() >= debut.size() && std::equal(debut.begin(), debut.end(), o.begin());
}

}  // namespace

ImagePreparee creer_dib(int largeur, int hauteur) {
  ImagePreparee p;
  if (largeur <= 0 || hauteur <= 0) return p;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), largeur, -hauteur, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  p.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!p.bitmap) return p;
  p.bits = static_cast<std::uint8_t*>(bits);
  p.largeur = largeur;
  p.hauteur = hauteur;
  return p;
}

Reduction reduction_pour(double largeur, double hauteur, const std::optional<Taille>& cadre) {
  if (!cadre || largeur <= 0 || hauteur <= 0) return {};
  // Fitting keeps the proportions, up to the rounding of their ratio: a
  // hundredth more covers it.
  const double echelle = std::min(cadre->largeur / largeur, cadre->hauteur / hauteur) * 1.01;
  return {std::min(echelle, 1.0)};
}

// Premultiplied pixels composed over the background, made opaque.
static void composer(ImagePreparee& cible, COLORREF fond) {
  const std::uint32_t fb = GetBValue(fond), fv = GetGValue(fond), fr = GetRValue(fond);
  std::uint8_t* p = cible.bits;
  for (std::size_t i = 0, n = std::size_t(cible.largeur) * cible.hauteur; i < n; ++i, p += 4) {
    const std::uint32_t reste = 255 - p[3];
    if (reste == 0) continue;
    p[0] = static_cast<std::uint8_t>(p[0] + (fb * reste + 127) / 255);
    p[1] = static_cast<std::uint8_t>(p[1] + (fv * reste + 127) / 255);
    p[2] = static_cast<std::uint8_t>(p[2] + (fr * reste + 127) / 255);
    p[3] = 255;
  }
}

// Scales the `fenetre` part of premultiplied pixels to `largeur` x `hauteur`
// into `cible`.
static void reduire_dans(const std::uint8_t* octets, int largeur_source, int hauteur_source, int largeur, int hauteur,
                         Zone fenetre, ImagePreparee& cible) {
  const std::size_t pas = 4 * static_cast<std::size_t>(largeur_source);
  if (largeur == largeur_source && hauteur == hauteur_source) {
    // One to one: the visible rows are copied as they are.
    for (int y = 0; y < fenetre.hauteur; ++y)
      std::memcpy(cible.bits + 4 * std::size_t(cible.largeur) * y, octets + pas * (y + fenetre.y0) + 4 * fenetre.x0,
                  4 * std::size_t(fenetre.largeur));
    return;
  }
  Reechantillonneur r(largeur_source, hauteur_source, largeur, hauteur, fenetre, cible.bits,
                      4 * static_cast<std::ptrdiff_t>(cible.largeur));
  for (int y = 0; y < hauteur_source; ++y) r.ajouter_ligne(octets + pas * y);
  r.terminer();
}

void ImageMatricielle::preparer(int largeur, int hauteur, Zone fenetre, COLORREF fond, ImagePreparee& cible) const {
  reduire_dans(pixels_.octets.data(), pixels_.largeur, pixels_.hauteur, largeur, hauteur, fenetre, cible);
  composer(cible, fond);
}

std::shared_ptr<const Image> ImageMatricielle::a_la_taille(int largeur, int hauteur) const {
  if (largeur <= 0 || hauteur <= 0 || std::uint64_t(largeur) * std::uint64_t(hauteur) > kMaxPixelsDecodes)
    return nullptr;
  ImagePreparee dib = creer_dib(largeur, hauteur);
  if (!dib.bitmap) return nullptr;
  reduire_dans(pixels_.octets.data(), pixels_.largeur, pixels_.hauteur, largeur, hauteur, {0, 0, largeur, hauteur},
               dib);
  return std::make_shared<ImageAuPixelPres>(std::move(dib), naturelle_);
}

ImageAuPixelPres::ImageAuPixelPres(ImagePreparee pixels, Taille naturelle)
    : pixels_(std::move(pixels)), opaque_(true), naturelle_(naturelle) {
  const std::uint8_t* p = pixels_.bits;
  for (std::size_t i = 0, n = std::size_t(pixels_.largeur) * pixels_.hauteur; i < n && opaque_; ++i, p += 4)
    opaque_ = p[3] == 255;
}

void ImageAuPixelPres::preparer(int largeur, int hauteur, Zone fenetre, COLORREF fond, ImagePreparee& cible) const {
  reduire_dans(pixels_.bits, pixels_.largeur, pixels_.hauteur, largeur, hauteur, fenetre, cible);
  composer(cible, fond);
}

HBITMAP ImageAuPixelPres::telle_quelle(int largeur, int hauteur) const {
  return opaque_ && largeur == pixels_.largeur && hauteur == pixels_.hauteur ? pixels_.bitmap.get() : nullptr;
}

namespace {
const std::atomic<bool> kJamaisAbandonne{false};
}  // namespace

ImagesWin32::ImagesWin32(double ppp, const std::atomic<bool>* abandon)
    : ppp_(ppp), abandon_(abandon ? *abandon : kJamaisAbandonne) {}

// Made at the first picture that needs it, never at start-up: loading the
// imaging component takes longer than opening the window.
IWICImagingFactory* ImagesWin32::wic() {
  if (!wic_) CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&wic_));
  return wic_.Get();
}

// An EMF drawn only in EMF+ records, drawn by GDI+ in the decoding process at
// the size it shows at; as a metafile, at its frame's size at the screen's
// dots per inch.
std::shared_ptr<const Image> ImagesWin32::dessiner_emf_plus_a_part(std::wstring_view chemin,
                                                                   const MetafichierAmeliore& plan,
                                                                   std::optional<Cadre> cadre) {
  const Taille naturelle = taille_naturelle_emf(plan, ppp_);
  const RectanglePixels montre = cadre ? rectangle_montre(naturelle, *cadre)
                                       : RectanglePixels{0, 0, std::max(1, int(std::lround(naturelle.largeur))),
                                                         std::max(1, int(std::lround(naturelle.hauteur)))};
  auto dessin = std::dynamic_pointer_cast<const ImageMatricielle>(decoder_a_part(
      chemin, Taille{double(montre.largeur), double(montre.hauteur)}, abandon_, DecodageAPart::dessin_emf_plus));
  if (!dessin) return nullptr;
  return std::make_shared<ImageMatricielle>(dessin->pixels(), naturelle);
}

std::shared_ptr<const Image> ImagesWin32::charger(std::wstring_view chemin, std::optional<Cadre> cadre) {
  PoigneeFichier fichier = ouvrir(chemin);
  if (!fichier) return nullptr;
  std::uint8_t entete[44] = {};
  DWORD lus = 0;
  if (!ReadFile(fichier.get(), entete, sizeof entete, &lus, nullptr)) return nullptr;
  const std::span<const std::uint8_t> e(entete, lus);
  SetFilePointer(fichier.get(), 0, nullptr, FILE_BEGIN);

  // Photos and bitmaps can be large: they are read as they are decoded.
  if (commence_par(e, {0xFF, 0xD8, 0xFF})) return decoder_jpeg(fichier.get(), cadre, abandon_);
  if (commence_par(e, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}))
    return decoder_png(fichier.get(), cadre, abandon_);
  if (commence_par(e, {'B', 'M'})) {
    if (auto image = decoder_bmp(fichier.get(), cadre, abandon_)) return *image;
    fichier.reset();
    return decoder_wic(wic(), chemin, cadre, abandon_);
  }
  // No GIF is decoded before its walk has checked it out.
  if (commence_par(e, {'G', 'I', 'F', '8'})) {
    auto octets = lire_fichier(fichier.get());
    fichier.reset();
    const auto gif = octets ? verifier_gif(*octets) : std::nullopt;
    return gif ? decoder_gif(*octets, *gif, cadre, abandon_) : nullptr;
  }
  const bool wmf = commence_par(e, {0xD7, 0xCD, 0xC6, 0x9A});
  const bool emf = lus == 44 && commence_par(e, {0x01, 0x00, 0x00, 0x00}) && e[40] == ' ' && e[41] == 'E' &&
                   e[42] == 'M' && e[43] == 'F';
  const bool icone = commence_par(e, {0x00, 0x00, 0x01, 0x00}) || commence_par(e, {0x00, 0x00, 0x02, 0x00});
  if (wmf || emf || icone) {
    auto octets = lire_fichier(fichier.get());
    if (!octets) return nullptr;
    // An enhanced metafile is walked once: the walk says where it goes.
    auto plan = emf ? verifier_emf(*octets) : std::nullopt;
    if (plan && plan->dessin_emf_plus) {
      fichier.reset();
      return dessiner_emf_plus_a_part(chemin, *plan, cadre);
    }
    auto image = plan    ? decoder_emf(*octets, std::move(*plan), ppp_)
                 : icone ? decoder_icone(chemin, *octets)
                         : decoder_metafichier(*octets, ppp_);
    if (image) return image;
  }
  fichier.reset();
  // What the system's own codecs take, they decode, in a process of its
  // own: a file none of the walks above knew, or one they refused (a TGA may
  // start as a cursor does).
  return decode_a_part(chemin) ? decoder_a_part(chemin, cadre, abandon_) : nullptr;
}

namespace {

struct ImagesDuFil : Images {
  ImagesDuFil(double ppp, const std::atomic<bool>& abandon) : images(ppp, &abandon) {}
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    return images.charger(chemin, cadre);
  }
  InitialisationCom com{COINIT_MULTITHREADED};  // first made, last gone
  ImagesWin32 images;
};

}  // namespace

std::unique_ptr<Images> images_du_fil(double ppp, const std::atomic<bool>& abandon) {
  // Never ahead of the window's own work.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
  return std::make_unique<ImagesDuFil>(ppp, abandon);
}

std::optional<EmpreinteFichier> empreinte_fichier(std::wstring_view chemin) {
  PoigneeFichier fichier(CreateFileW(chemin_long(chemin).c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                     nullptr));
  FILE_BASIC_INFO infos{};
  LARGE_INTEGER taille{};
  if (!fichier || !GetFileInformationByHandleEx(fichier.get(), FileBasicInfo, &infos, sizeof infos) ||
      !GetFileSizeEx(fichier.get(), &taille))
    return std::nullopt;
  return EmpreinteFichier{static_cast<std::uint64_t>(taille.QuadPart),
                          static_cast<std::uint64_t>(infos.LastWriteTime.QuadPart),
                          static_cast<std::uint64_t>(infos.ChangeTime.QuadPart)};
}

}  // namespace pixavue::win32
