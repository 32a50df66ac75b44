// The bitmaps that the project's own reader leaves (compressed ones, odd
// layouts) through the Windows Imaging Component. Large pictures are reduced
// row band by row band as they are decoded, so no full-size copy is ever held.
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cmath>

#include "win32/chemin_long.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT kBande = 64;  // rows decoded at a time

// The first frame's pixels, reduced for the box as they are decoded, and
// the frame's own size.
std::shared_ptr<const Image> premiere_image(IWICImagingFactory* f, IWICBitmapDecoder* decodeur,
                                            std::optional<Taille> cadre, const std::atomic<bool>& abandon) {
  ComPtr<IWICBitmapFrameDecode> image;
  if (FAILED(decodeur->GetFrame(0, &image))) return nullptr;
  UINT largeur = 0, hauteur = 0;
  if (FAILED(image->GetSize(&largeur, &hauteur)) || largeur == 0 || hauteur == 0 ||
      std::uint64_t{largeur} * hauteur > kMaxPixelsDecodes)
    return nullptr;
  ComPtr<IWICFormatConverter> conversion;
  if (FAILED(f->CreateFormatConverter(&conversion)) ||
      FAILED(conversion->Initialize(image.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                    WICBitmapPaletteTypeCustom)))
    return nullptr;

  const Reduction reduction = reduction_pour(largeur, hauteur, cadre);
  Pixels pixels;
  pixels.largeur = std::max(1, static_cast<int>(std::ceil(largeur * reduction.echelle)));
  pixels.hauteur = std::max(1, static_cast<int>(std::ceil(hauteur * reduction.echelle)));
  pixels.octets.resize(4 * std::size_t(pixels.largeur) * pixels.hauteur);
  const UINT pas = 4 * largeur;
  if (pixels.largeur == static_cast<int>(largeur) && pixels.hauteur == static_cast<int>(hauteur)) {
    if (FAILED(conversion->CopyPixels(nullptr, pas, static_cast<UINT>(pixels.octets.size()), pixels.octets.data())))
      return nullptr;
  } else {
    Reechantillonneur r(static_cast<int>(largeur), static_cast<int>(hauteur), pixels.largeur, pixels.hauteur,
                        {0, 0, pixels.largeur, pixels.hauteur}, pixels.octets.data(), 4 * pixels.largeur);
    std::vector<std::uint8_t> bande(std::size_t{pas} * kBande);
    for (UINT y = 0; y < hauteur; y += kBande) {
      if (abandon.load(std::memory_order_relaxed)) return nullptr;
      const UINT lignes = std::min(kBande, hauteur - y);
      WICRect zone{0, static_cast<INT>(y), static_cast<INT>(largeur), static_cast<INT>(lignes)};
      if (FAILED(conversion->CopyPixels(&zone, pas, pas * lignes, bande.data()))) return nullptr;
      for (UINT l = 0; l < lignes; ++l) r.ajouter_ligne(bande.data() + std::size_t{pas} * l);
    }
    r.terminer();
  }
  return std::make_shared<ImageMatricielle>(std::move(pixels), Taille{double(largeur), double(hauteur)});
}

}  // namespace

std::shared_ptr<const Image> decoder_wic(IWICImagingFactory* f, std::wstring_view chemin, std::optional<Taille> cadre,
                                         const std::atomic<bool>& abandon) {
  if (!f) return nullptr;
  ComPtr<IWICBitmapDecoder> decodeur;
  if (FAILED(f->CreateDecoderFromFilename(chemin_long(chemin).c_str(), nullptr, GENERIC_READ,
                                          WICDecodeMetadataCacheOnDemand, &decodeur)))
    return nullptr;
  return premiere_image(f, decodeur.Get(), cadre, abandon);
}

}  // namespace pixavue::win32
