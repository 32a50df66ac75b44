// The per-user settings store: texts addressed by application, section, key.
#pragma once

#include <string>
#include <string_view>

namespace pixavue {

class MagasinParametres {
 public:
  virtual ~MagasinParametres() = default;
  // The stored text; an absent key reads as the empty text.
  virtual std::wstring lire_parametre(std::wstring_view application, std::wstring_view section,
                                      std::wstring_view cle) = 0;
  // Creates what is missing and replaces any earlier value. A write that
  // fails is dropped: no caller of the program reports it.
  virtual void ecrire_parametre(std::wstring_view application, std::wstring_view section, std::wstring_view cle,
                                std::wstring_view texte) = 0;
};

}  // namespace pixavue
