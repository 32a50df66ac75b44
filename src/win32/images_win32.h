// Picture files on Windows: each format decoded by what does it best, into
// pictures that the screensaver window prepares once at their shown size.
#pragma once

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/images.h"
#include "slideshow/images_anticipees.h"
#include "slideshow/reechantillonnage.h"
#include "slideshow/verification_gif.h"
#include "slideshow/verification_metafichier.h"
#include "win32/poignees.h"

namespace pixavue::win32 {

// The most pixels a decoded picture may hold (200 MB): a file that asks for
// more takes the error path instead of exhausting memory.
inline constexpr std::uint64_t kMaxPixelsDecodes = 50'000'000;

// A picture prepared for the screen: opaque pixels of the visible part of its
// shown rectangle, composed over the background, ready to be copied.
struct ImagePreparee {
  PoigneeGdi<HBITMAP> bitmap;
  std::uint8_t* bits = nullptr;  // owned by the bitmap
  int largeur = 0, hauteur = 0;
};

// A 32-bit top-down DIB section of that size; empty when it can't be made.
ImagePreparee creer_dib(int largeur, int hauteur);

class ImageWin32 : public Image {
 public:
  // Draws the `fenetre` part of the picture scaled to `largeur` x `hauteur`,
  // over `fond`, into `cible` (of the window's size).
  virtual void preparer(int largeur, int hauteur, Zone fenetre, COLORREF fond, ImagePreparee& cible) const = 0;
  // The picture's own bitmap, when it already holds what `preparer` would
  // make at that size over any background: the screen copies from it then.
  virtual HBITMAP telle_quelle(int /*largeur*/, int /*hauteur*/) const { return nullptr; }
};

// A raster picture: its pixels, maybe decoded at a reduced scale, and the
// natural size the file gives.
class ImageMatricielle : public ImageWin32 {
 public:
  ImageMatricielle(Pixels pixels, Taille naturelle) : pixels_(std::move(pixels)), naturelle_(naturelle) {}
  Taille taille_naturelle() const override { return naturelle_; }
  void preparer(int largeur, int hauteur, Zone fenetre, COLORREF fond, ImagePreparee& cible) const override;
  // Made ahead at its shown size, in a bitmap of its own.
  std::shared_ptr<const Image> a_la_taille(int largeur, int hauteur) const override;
  const Pixels& pixels() const { return pixels_; }

 private:
  Pixels pixels_;
  Taille naturelle_;
};

// A raster picture made ahead at the very size it is shown at, in a bitmap
// that the screen copies from when it is opaque: nothing is left to do at its
// tick, where even writing a fresh bitmap of the screen's size costs a frame.
class ImageAuPixelPres : public ImageWin32 {
 public:
  // Premultiplied pixels, not yet composed over any background.
  ImageAuPixelPres(ImagePreparee pixels, Taille naturelle);
  Taille taille_naturelle() const override { return naturelle_; }
  void preparer(int largeur, int hauteur, Zone fenetre, COLORREF fond, ImagePreparee& cible) const override;
  HBITMAP telle_quelle(int largeur, int hauteur) const override;

 private:
  ImagePreparee pixels_;
  bool opaque_;
  Taille naturelle_;
};

// The reduced size a decoder may stop at: the smallest that still covers
// what `cadre` shows of a picture of `largeur` x `hauteur`.
struct Reduction {
  double echelle = 1;  // at most 1
};
Reduction reduction_pour(double largeur, double hauteur, const std::optional<Taille>& cadre);

// The decoders, one a family of formats; nothing on any failure. The long
// ones give up, between reads and between rows, once `abandon` is set.
std::shared_ptr<const Image> decoder_jpeg(HANDLE fichier, std::optional<Taille> cadre,
                                          const std::atomic<bool>& abandon);
// A PNG, once the project's walk has checked the file.
std::shared_ptr<const Image> decoder_png(HANDLE fichier, std::optional<Taille> cadre, const std::atomic<bool>& abandon);
// Nothing when the bitmap is not one of the forms it reads.
std::optional<std::shared_ptr<const Image>> decoder_bmp(HANDLE fichier, std::optional<Taille> cadre,
                                                        const std::atomic<bool>& abandon);
std::shared_ptr<const Image> decoder_wic(IWICImagingFactory* fabrique, std::wstring_view chemin,
                                         std::optional<Taille> cadre, const std::atomic<bool>& abandon);
// A GIF whose walk checked out, from those very bytes.
std::shared_ptr<const Image> decoder_gif(std::span<const std::uint8_t> octets, const StructureGif& gif,
                                         std::optional<Taille> cadre, const std::atomic<bool>& abandon);
std::shared_ptr<const Image> decoder_icone(std::wstring_view chemin, std::span<const std::uint8_t> octets);
std::shared_ptr<const Image> decoder_metafichier(std::span<const std::uint8_t> octets, double points_par_pouce);
// An enhanced metafile its walk already vouched for; its natural size is its
// frame at the screen's dots per inch.
std::shared_ptr<const Image> decoder_emf(std::span<const std::uint8_t> octets, MetafichierAmeliore plan,
                                         double points_par_pouce);
Taille taille_naturelle_emf(const MetafichierAmeliore& plan, double points_par_pouce);

// Needs COM initialised on the calling thread for as long as it lives.
class ImagesWin32 : public Images {
 public:
  // `abandon`, when given, makes a decode under way give up once set.
  explicit ImagesWin32(double points_par_pouce, const std::atomic<bool>* abandon = nullptr);
  // The format is told by the file's first bytes, never by its name.
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override;

 private:
  double ppp_;
  const std::atomic<bool>& abandon_;
  std::shared_ptr<const Image> dessiner_emf_plus_a_part(std::wstring_view chemin, const MetafichierAmeliore& plan,
                                                        std::optional<Cadre> cadre);
  IWICImagingFactory* wic();
  Microsoft::WRL::ComPtr<IWICImagingFactory> wic_;
};

// The decoders of the worker that prepares the next picture, made on that
// thread: COM for it, below-normal priority, its own imaging factory.
std::unique_ptr<Images> images_du_fil(double points_par_pouce, const std::atomic<bool>& abandon);
// A file's size and last write; nothing when it can't be found.
std::optional<EmpreinteFichier> empreinte_fichier(std::wstring_view chemin);

// COM for the thread, for the life of the object.
class InitialisationCom {
 public:
  // A window's thread is a single-threaded apartment; a worker without a
  // message loop joins the multithreaded one, where nothing waits on messages.
  explicit InitialisationCom(DWORD modele = COINIT_APARTMENTTHREADED)
      : ok_(SUCCEEDED(CoInitializeEx(nullptr, modele))) {}
  ~InitialisationCom() {
    if (ok_) CoUninitialize();
  }
  InitialisationCom(const InitialisationCom&) = delete;
  InitialisationCom& operator=(const InitialisationCom&) = delete;

 private:
  bool ok_;
};

}  // namespace pixavue::win32
