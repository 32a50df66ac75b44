// The readers of setting texts and the rounding rules.
#include "settings/valeurs_texte.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pixavue {
namespace {

TEST(LireNombre, TakesTheLeadingNumericPart) {
  struct Cas {
    const wchar_t* texte;
    double attendu;
  } cas[] = {
      {L"", 0},   {L"abc", 0},  {L"4", 4},   {L"4.5", 4.5},  {L"12abc", 12}, {L"  7", 7}, {L"-3", -3},
      {L"+2", 2}, {L".5", 0.5}, {L"5.", 5},  {L"1e3", 1000}, {L"2e", 2},     {L"2e+", 2}, {L"1.5e-1x", 0.15},
      {L"-", 0},  {L".", 0},    {L"x12", 0}, {L"3 4", 3},    {L"0059", 59},
  };
  for (auto [texte, attendu] : cas) EXPECT_DOUBLE_EQ(lire_nombre(texte), attendu) << texte;
}

TEST(LireNombre, HugeExponentsSaturateInsteadOfFailing) {
  EXPECT_TRUE(std::isinf(lire_nombre(L"1e400")));
  EXPECT_LT(lire_nombre(L"-1e400"), 0);
  EXPECT_EQ(lire_nombre(L"1e-400"), 0);
}

TEST(LireBooleen, AcceptsNumericTextAndTheTwoWords) {
  struct Cas {
    const wchar_t* texte;
    std::optional<bool> attendu;
  } cas[] = {
      {L"1", true},           {L"0", false},         {L"-1", true},         {L"0.0", false}, {L" 1 ", true},
      {L"2.5", true},         {L"true", true},       {L"FALSE", false},     {L"True", true}, {L"", std::nullopt},
      {L"oui", std::nullopt}, {L"1x", std::nullopt}, {L"  ", std::nullopt},
  };
  for (auto [texte, attendu] : cas) EXPECT_EQ(lire_booleen(texte), attendu) << texte;
}

TEST(Arrondi, HalvesGoToEven) {
  struct Cas {
    double valeur, attendu;
  } cas[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},       {-0.5, 0}, {-1.5, -2},
             {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {4500.0, 4500}, {-7.2, -7}};
  for (auto [valeur, attendu] : cas) EXPECT_EQ(arrondi_pair(valeur), attendu) << valeur;
}

TEST(EnEntier, RoundsThenChecksTheRange) {
  EXPECT_EQ(en_entier16(32767.4), 32767);
  EXPECT_EQ(en_entier16(32767.5), std::nullopt);  // rounds to 32768
  EXPECT_EQ(en_entier16(-32768.5), -32768);       // rounds to even, inside
  EXPECT_EQ(en_entier16(-32769), std::nullopt);
  EXPECT_EQ(en_entier16(NAN), std::nullopt);
  EXPECT_EQ(en_entier16(INFINITY), std::nullopt);
  EXPECT_EQ(en_entier32(2147483647.0), 2147483647);
  EXPECT_EQ(en_entier32(2147483648.0), std::nullopt);
  EXPECT_EQ(en_entier32(-2147483648.0), -2147483647 - 1);
}

TEST(LireEntier32, WantsTheWholeTextToBeANumber) {
  EXPECT_EQ(lire_entier32(L"16777215"), 16777215);
  EXPECT_EQ(lire_entier32(L" 255 "), 255);
  EXPECT_EQ(lire_entier32(L"12.5"), 12);
  EXPECT_EQ(lire_entier32(L"abc"), std::nullopt);
  EXPECT_EQ(lire_entier32(L"12abc"), std::nullopt);
  EXPECT_EQ(lire_entier32(L""), std::nullopt);
  EXPECT_EQ(lire_entier32(L"99999999999"), std::nullopt);
}

TEST(TexteEntier, PlainDecimal) {
  EXPECT_EQ(texte_entier(0), L"0");
  EXPECT_EQ(texte_entier(-1), L"-1");
  EXPECT_EQ(texte_entier(16777215), L"16777215");
}

}  // namespace
}  // namespace pixavue
