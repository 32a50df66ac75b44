// The Wine tests' entry. A system's picture is decoded by the program that
// wants it, started again: this one too.
#include <gtest/gtest.h>

#include "win32/decodage_a_part.h"

int main(int argc, char** argv) {
  if (auto code = pixavue::win32::decodeur_si_demande()) return *code;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
