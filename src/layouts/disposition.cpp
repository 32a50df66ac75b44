// Describes a window's controls as laid out at design time, in twips.
#include "layouts/disposition.h"

namespace pixavue {

const ControleDecrit* trouver(const Disposition& disposition, std::wstring_view nom, int indice) {
  for (const auto& controle : disposition.controles)
    if (controle.nom == nom && controle.indice == indice) return &controle;
  return nullptr;
}

}  // namespace pixavue
