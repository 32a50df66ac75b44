// The run mode from the command line's switch.
#include "screensaver/mode_lancement.h"

#include <gtest/gtest.h>

namespace pixavue {
namespace {

TEST(ModeLancement, TwoCharactersLowerCasedThenTrimmed) {
  using M = ModeLancement;
  struct Cas {
    const wchar_t* argument;
    const wchar_t* commutateur;
    ModeLancement mode;
  } cas[] = {
      {L"/s", L"/s", M::plein_ecran}, {L"/S", L"/s", M::plein_ecran}, {L"/s:123", L"/s", M::plein_ecran},
      {L" /s", L"/", M::fenetre_nue},  // the blank is one of the two characters
      {L"/p 1234", L"/p", M::apercu}, {L"/P", L"/p", M::apercu},      {L"/c:5", L"/c", M::configuration},
      {L"", L"", M::configuration},  // Windows' "Configure" on the file
      {L"  ", L"", M::configuration}, {L"/x", L"/x", M::fenetre_nue}, {L"/a", L"/a", M::fenetre_nue},
      {L"s", L"s", M::fenetre_nue},   {L"-s", L"-s", M::fenetre_nue},
  };
  for (auto [argument, commutateur, mode] : cas) {
    EXPECT_EQ(reduire_commutateur(argument), commutateur) << argument;
    EXPECT_EQ(mode_lancement(reduire_commutateur(argument)), mode) << argument;
  }
}

}  // namespace
}  // namespace pixavue
