// The settings store in the user's registry: HKCU\Software\<application>\<section>,
// one REG_SZ value per key.
#pragma once

#include "platform/magasin_parametres.h"

namespace pixavue::win32 {

class MagasinRegistre : public MagasinParametres {
 public:
  std::wstring lire_parametre(std::wstring_view application, std::wstring_view section, std::wstring_view cle) override;
  void ecrire_parametre(std::wstring_view application, std::wstring_view section, std::wstring_view cle,
                        std::wstring_view texte) override;
};

}  // namespace pixavue::win32
