// The settings dialog's controls as laid out at design time.
#pragma once

#include <span>

#include "layouts/disposition.h"

namespace pixavue {

extern const Disposition kDispositionOptions;

// The dialog's tab order, first to last: a control's name and array index.
struct PlaceTabulation {
  std::wstring_view nom;
  int indice = -1;
};
extern const std::span<const PlaceTabulation> kOrdreTabulation;

inline constexpr std::wstring_view kBoutonParDefaut = L"cmdEnregistrer";
inline constexpr std::wstring_view kBoutonAnnuler = L"cmdFermer";

}  // namespace pixavue
