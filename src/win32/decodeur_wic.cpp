// Bitmaps, DIBs and GIFs (first frame) through the Windows Imaging Component.
// Large pictures are reduced row band by row band as they are decoded, so no
// full-size copy is ever held. A GIF comes from the bytes its walk checked,
// and its first frame is placed on its logical screen.
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
std::shared_ptr<const ImageMatricielle> premiere_image(IWICImagingFactory* f, IWICBitmapDecoder* decodeur,
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

std::shared_ptr<const Image> decoder_gif(IWICImagingFactory* f, std::span<const std::uint8_t> octets,
                                         const StructureGif& gif, std::optional<Taille> cadre,
                                         const std::atomic<bool>& abandon) {
  ComPtr<IWICStream> flux;
  ComPtr<IWICBitmapDecoder> decodeur;
  if (!f || FAILED(f->CreateStream(&flux)) ||
      FAILED(flux->InitializeFromMemory(const_cast<BYTE*>(octets.data()), static_cast<DWORD>(octets.size()))) ||
      FAILED(f->CreateDecoderFromStream(flux.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decodeur)))
    return nullptr;
  const Taille ecran{double(gif.largeur_ecran), double(gif.hauteur_ecran)};
  if (std::uint64_t(gif.largeur_ecran) * gif.hauteur_ecran > kMaxPixelsDecodes) return nullptr;
  const bool seule =
      gif.gauche == 0 && gif.haut == 0 && gif.largeur == gif.largeur_ecran && gif.hauteur == gif.hauteur_ecran;
  if (seule) return premiere_image(f, decodeur.Get(), cadre, abandon);

  // A frame smaller than its screen, or offset on it: the picture is the
  // screen, transparent but for the frame at its place.
  auto image = premiere_image(f, decodeur.Get(), std::nullopt, abandon);
  if (!image) return nullptr;
  const Pixels& cadre_gif = image->pixels();
  if (cadre_gif.largeur == gif.largeur_ecran && cadre_gif.hauteur == gif.hauteur_ecran)
    return std::make_shared<ImageMatricielle>(Pixels(cadre_gif), ecran);  // already placed by the system
  Pixels toile{gif.largeur_ecran, gif.hauteur_ecran, {}};
  toile.octets.resize(4 * std::size_t(toile.largeur) * toile.hauteur);
  const int largeur = std::min(cadre_gif.largeur, toile.largeur - gif.gauche);
  for (int y = 0; y < cadre_gif.hauteur && gif.haut + y < toile.hauteur; ++y)
    std::copy_n(&cadre_gif.octets[4 * std::size_t(y) * cadre_gif.largeur], 4 * std::size_t(largeur),
                &toile.octets[4 * (std::size_t(gif.haut + y) * toile.largeur + gif.gauche)]);
  const Reduction reduction = reduction_pour(ecran.largeur, ecran.hauteur, cadre);
  if (reduction.echelle < 1)
    toile = reechantillonner(toile, std::max(1, static_cast<int>(std::ceil(toile.largeur * reduction.echelle))),
                             std::max(1, static_cast<int>(std::ceil(toile.hauteur * reduction.echelle))));
  return std::make_shared<ImageMatricielle>(std::move(toile), ecran);
}

}  // namespace pixavue::win32
