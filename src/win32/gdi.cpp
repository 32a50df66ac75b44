// Colours and fonts of the layouts, as GDI wants them.
#include "win32/gdi.h"

#include <cmath>
#include <string>

namespace pixavue::win32 {

COLORREF couleur_gdi(Couleur couleur, COLORREF sinon) {
  using S = Couleur::Source;
  switch (couleur.source) {
    case S::valeur:
      return static_cast<COLORREF>(couleur.valeur & 0xFFFFFF);
    case S::face_bouton:
      return GetSysColor(COLOR_BTNFACE);
    case S::fond_fenetre:
      return GetSysColor(COLOR_WINDOW);
    case S::texte_fenetre:
      return GetSysColor(COLOR_WINDOWTEXT);
    case S::aucune:
      break;
  }
  return sinon;
}

namespace {

// "MS Sans Serif" is a bitmap font: a few fixed sizes, blurred or replaced at
// other dots per inch. "MS Shell Dlg" is its scalable stand-in on every
// Windows (Microsoft Sans Serif, with the same metrics) and maps to Tahoma
// under Wine.
std::wstring_view face_ajustable(std::wstring_view nom) { return nom == L"MS Sans Serif" ? L"MS Shell Dlg" : nom; }

}  // namespace

PoigneePolice creer_police(const Police& police, double ppp, const Police& defaut) {
  const Police& p = police.nom.empty() ? defaut : police;
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(p.points * ppp / 72.0));
  lf.lfWeight = p.gras ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  std::wstring nom(face_ajustable(p.nom).substr(0, LF_FACESIZE - 1));
  wcsncpy(lf.lfFaceName, nom.c_str(), LF_FACESIZE - 1);
  return PoigneePolice(CreateFontIndirectW(&lf));
}

}  // namespace pixavue::win32
