// EMF+ drawings through GDI+'s flat interface, in the decoding process.
#include "win32/dessin_emf_plus.h"

#include <windows.h>

#include <memory>

#include "win32/avec_gdiplus.h"
#include "win32/chemin_long.h"

namespace pixavue::win32 {
namespace {

namespace G = Gdiplus::DllExports;

// GDI+ started once for the process, on first use; the decoding process
// ends without stopping it.
bool gdiplus_pret() {
  static const bool pret = [] {
    ULONG_PTR jeton = 0;
    Gdiplus::GdiplusStartupInput entree;
    return Gdiplus::GdiplusStartup(&jeton, &entree, nullptr) == Gdiplus::Ok;
  }();
  return pret;
}

struct FermetureImage {
  void operator()(Gdiplus::GpImage* i) const { G::GdipDisposeImage(i); }
};
struct FermetureGraphique {
  void operator()(Gdiplus::GpGraphics* g) const { G::GdipDeleteGraphics(g); }
};
using Metafichier = std::unique_ptr<Gdiplus::GpImage, FermetureImage>;
using Graphique = std::unique_ptr<Gdiplus::GpGraphics, FermetureGraphique>;

}  // namespace

bool dessiner_emf_plus(const std::wstring& chemin, int largeur, int hauteur, std::uint8_t* pixels) {
  if (!gdiplus_pret() || largeur <= 0 || hauteur <= 0) return false;
  Gdiplus::GpMetafile* lu = nullptr;
  if (G::GdipCreateMetafileFromFile(chemin_long(chemin).c_str(), &lu) != Gdiplus::Ok) return false;
  const Metafichier metafichier(lu);
  std::fill(pixels, pixels + 4 * std::size_t(largeur) * hauteur, std::uint8_t{0});
  // A bitmap over the section's own pixels: what GDI+ draws is the answer.
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (G::GdipCreateBitmapFromScan0(largeur, hauteur, 4 * largeur, PixelFormat32bppPARGB, pixels, &bitmap) !=
      Gdiplus::Ok)
    return false;
  const Metafichier toile(bitmap);
  Gdiplus::GpGraphics* g = nullptr;
  if (G::GdipGetImageGraphicsContext(toile.get(), &g) != Gdiplus::Ok) return false;
  const Graphique graphique(g);
  G::GdipSetSmoothingMode(graphique.get(), Gdiplus::SmoothingModeAntiAlias);
  return G::GdipDrawImageRectI(graphique.get(), metafichier.get(), 0, 0, largeur, hauteur) == Gdiplus::Ok;
}

}  // namespace pixavue::win32
