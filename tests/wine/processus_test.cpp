// The command line's argument.
#include <gtest/gtest.h>

#include "win32/processus_win32.h"

namespace pixavue::win32 {
namespace {

TEST(Processus, ArgumentFollowsTheProgramAndOneBlank) {
  struct Cas {
    const wchar_t* ligne;
    const wchar_t* argument;
  } cas[] = {
      {LR"("C:\Program Files\Pixavue.scr" /s)", L"/s"},
      {LR"("C:\Program Files\Pixavue.scr"  /s)", L" /s"},
      {LR"(C:\windows\Pixavue.scr /p 1234)", L"/p 1234"},
      {LR"(Pixavue.scr)", L""},
      {LR"("Pixavue.scr")", L""},
      {LR"("Pixavue.scr"/c:5)", L"/c:5"},
      {L"", L""},
  };
  for (auto [ligne, argument] : cas) EXPECT_EQ(argument_de(ligne), argument) << ligne;
}

}  // namespace
}  // namespace pixavue::win32
