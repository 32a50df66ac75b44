// The screensaver window's controls, laid out from their design in twips.
#include "screensaver/frmVeille.h"

#include "layouts/frmVeille.h"

namespace pixavue {
namespace {

Controle disposer(const wchar_t* nom, int indice, double ppp) {
  const ControleDecrit* d = trouver(kDispositionVeille, nom, indice);
  if (!d) return {};
  return Controle{
      .Left = en_pixels(d->rect.gauche, ppp),
      .Top = en_pixels(d->rect.haut, ppp),
      .Width = en_pixels(d->rect.largeur, ppp),
      .Height = en_pixels(d->rect.hauteur, ppp),
      .Visible = d->visible,
      .Caption = std::wstring(d->texte),
      .BackColor = d->fond,
      .ForeColor = d->encre,
      .Font = d->police,
  };
}

}  // namespace

frmVeille::frmVeille(Services services, double ppp)
    : Diaporama(disposer(L"txtInfos", -1, ppp), disposer(L"lblInfo", -1, ppp), disposer(L"Image1", 0, ppp),
                disposer(L"Image1", 1, ppp)),
      Picture1(disposer(L"Picture1", -1, ppp)),
      lblCopyright(disposer(L"lblCopyright", -1, ppp)),
      lblCliquez(disposer(L"lblCliquez", -1, ppp)),
      s_(services),
      parametres_(services.magasin) {}

void frmVeille::Timer1_Timer() {
  if (ListePrete && Diaporama::Timer1_Timer(s_.images, s_.minuterie, parametres_) == Suite::fin) {
    // The run ends without unloading the window, but the sound must not
    // outlive it.
    s_.fenetre.retirer();
    s_.son.liberer();
    s_.processus.terminer();
    return;
  }
  verifier_son_fond();
}

}  // namespace pixavue
