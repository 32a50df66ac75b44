// Icons and cursors through the system's own loader, once their directory
// has checked out. The picture is drawn over black and over white: the two
// give its colours and its transparency, whatever its kind of mask.
#include <algorithm>

#include "slideshow/verification_icone.h"
#include "win32/chemin_long.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

using PoigneeCurseur = Poignee<HICON, FermeturePar<HICON, DestroyIcon>>;

std::optional<SIZE> taille_icone(HICON icone) {
  ICONINFO infos{};
  if (!GetIconInfo(icone, &infos)) return std::nullopt;
  PoigneeGdi<HBITMAP> couleur(infos.hbmColor), masque(infos.hbmMask);
  BITMAP b{};
  if (couleur && GetObjectW(couleur.get(), sizeof b, &b)) return SIZE{b.bmWidth, b.bmHeight};
  if (masque && GetObjectW(masque.get(), sizeof b, &b)) return SIZE{b.bmWidth, b.bmHeight / 2};
  return std::nullopt;
}

bool dessiner_sur(HICON icone, SIZE taille, BYTE gris, ImagePreparee& dib) {
  PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
  if (!dc || !dib.bitmap) return false;
  std::fill_n(dib.bits, 4 * std::size_t(taille.cx) * taille.cy, gris);
  Selection choisi(dc.get(), dib.bitmap.get());
  return DrawIconEx(dc.get(), 0, 0, icone, taille.cx, taille.cy, 0, nullptr, DI_NORMAL) != FALSE;
}

}  // namespace

std::shared_ptr<const Image> decoder_icone(std::wstring_view chemin, std::span<const std::uint8_t> octets) {
  if (!verifier_icone(octets)) return nullptr;
  const UINT genre = octets[2] == 2 ? IMAGE_CURSOR : IMAGE_ICON;
  PoigneeCurseur icone(
      static_cast<HICON>(LoadImageW(nullptr, chemin_long(chemin).c_str(), genre, 0, 0, LR_LOADFROMFILE)));
  if (!icone) return nullptr;
  auto taille = taille_icone(icone.get());
  if (!taille || taille->cx <= 0 || taille->cy <= 0 || taille->cx > 1024 || taille->cy > 1024) return nullptr;

  ImagePreparee noir = creer_dib(taille->cx, taille->cy), blanc = creer_dib(taille->cx, taille->cy);
  if (!dessiner_sur(icone.get(), *taille, 0, noir) || !dessiner_sur(icone.get(), *taille, 255, blanc)) return nullptr;
  GdiFlush();
  Pixels pixels{taille->cx, taille->cy, std::vector<std::uint8_t>(4 * std::size_t(taille->cx) * taille->cy)};
  for (std::size_t i = 0; i < pixels.octets.size(); i += 4) {
    // Over black a pixel shows its premultiplied colour; over white, that
    // plus the background it lets through.
    const int transparence = std::clamp(int(blanc.bits[i + 1]) - int(noir.bits[i + 1]), 0, 255);
    for (int c = 0; c < 3; ++c) pixels.octets[i + c] = noir.bits[i + c];
    pixels.octets[i + 3] = static_cast<std::uint8_t>(255 - transparence);
  }
  return std::make_shared<ImageMatricielle>(std::move(pixels), Taille{double(taille->cx), double(taille->cy)});
}

}  // namespace pixavue::win32
