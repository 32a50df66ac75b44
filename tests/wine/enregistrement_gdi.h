// A drawing recorded through Windows' own GDI, for the metafile tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32/gdi.h"
#include "win32/poignees.h"

namespace pixavue::test {

using win32::PoigneeGdi;
using win32::PoigneeMetafichier;

// A recorded metafile's bytes.
inline std::vector<std::uint8_t> octets_de(const PoigneeMetafichier& emf) {
  std::vector<std::uint8_t> octets(GetEnhMetaFileBits(emf.get(), 0, nullptr));
  GetEnhMetaFileBits(emf.get(), static_cast<UINT>(octets.size()), octets.data());
  return octets;
}

// A drawing recorded through GDI in `mode`, its coordinates running down the
// page in the y-up modes; `cadre` none for GDI to take it from what was drawn.
// `au_dessus`: they run up instead, so that the drawing lies above the origin
// on the device (a frame at negative coordinates), and the recording sets
// its own window and viewport origins, as some writers record a page.
inline std::vector<std::uint8_t> enregistrer_gdi(int mode, const RECT* cadre, bool avec_bitmap = true,
                                                 bool au_dessus = false) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, cadre, L"Pixavue\0essai\0");
  SetMapMode(dc, mode);
  SetWindowExtEx(dc, 1000, 1000, nullptr);  // taken by the scaled modes only
  SetViewportExtEx(dc, 300, 200, nullptr);
  const bool y_haut = mode >= MM_LOMETRIC && mode <= MM_TWIPS;
  const int haut = y_haut && !au_dessus ? -1 : 1;
  if (au_dessus) {
    SetWindowOrgEx(dc, y_haut ? -40 : 40, y_haut ? 25 : -25, nullptr);
    SetViewportOrgEx(dc, 7, -5, nullptr);
  }
  // About a pixel in each mode's units.
  const int u = haut == 1 || mode == MM_LOENGLISH ? 1 : mode == MM_LOMETRIC ? 3 : 10;
  PoigneeGdi<HBRUSH> bleu(CreateSolidBrush(RGB(30, 80, 200)));
  SelectObject(dc, bleu.get());
  Rectangle(dc, 10 * u, haut * 10 * u, 200 * u, haut * 120 * u);
  PoigneeGdi<HPEN> rouge(CreatePen(PS_DASH, 1, RGB(200, 20, 20)));
  SelectObject(dc, rouge.get());
  const POINT ligne[] = {{20 * u, haut * 150 * u}, {120 * u, haut * 40 * u}, {260 * u, haut * 160 * u}};
  Polyline(dc, ligne, 3);
  Ellipse(dc, 150 * u, haut * 60 * u, 280 * u, haut * 170 * u);
  // Paths stroked, and stroked and filled, with geometric pens: dashed with
  // square caps and mitred joins, styled by the writer with round ones.
  const LOGBRUSH vert{BS_SOLID, RGB(0, 150, 60), 0};
  PoigneeGdi<HPEN> tirets(
      ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_SQUARE | PS_JOIN_MITER, 4 * u, &vert, 0, nullptr));
  SelectObject(dc, tirets.get());
  BeginPath(dc);
  MoveToEx(dc, 30 * u, haut * 180 * u, nullptr);
  LineTo(dc, 90 * u, haut * 130 * u);
  LineTo(dc, 150 * u, haut * 185 * u);
  EndPath(dc);
  StrokePath(dc);
  const DWORD style[] = {6 * static_cast<DWORD>(u), 3 * static_cast<DWORD>(u)};
  PoigneeGdi<HPEN> style_libre(
      ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_ROUND | PS_JOIN_ROUND, 3 * u, &vert, 2, style));
  SelectObject(dc, style_libre.get());
  BeginPath(dc);
  Ellipse(dc, 220 * u, haut * 100 * u, 290 * u, haut * 150 * u);
  EndPath(dc);
  StrokeAndFillPath(dc);
  SelectObject(dc, rouge.get());
  SetTextColor(dc, RGB(0, 90, 0));
  TextOutW(dc, 30 * u, haut * 30 * u, L"Été 写真", 6);
  // An 8-bit bitmap that carries two colours only.
  struct {
    BITMAPINFOHEADER entete{sizeof(BITMAPINFOHEADER), 4, 2, 1, 8, BI_RGB, 0, 0, 0, 2, 0};
    RGBQUAD couleurs[2]{{0, 200, 255, 0}, {40, 40, 40, 0}};
  } info;
  const std::uint8_t pixels[8] = {0, 1, 0, 1, 1, 0, 1, 0};
  if (avec_bitmap)
    StretchDIBits(dc, 200 * u, haut * 20 * u, 60 * u, 30 * u, 0, 0, 4, 2, pixels,
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
  return octets_de(PoigneeMetafichier(CloseEnhMetaFile(dc)));  // before the brush and the pen go
}

}  // namespace pixavue::test
