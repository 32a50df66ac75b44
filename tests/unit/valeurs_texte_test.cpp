// The readers of setting texts and the rounding rules.
#include "settings/valeurs_texte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace pixavue {
namespace {

// What each reader made of a value, "-" where it failed.
template <class... T>
std::wstring lus(const T&... valeurs) {
  std::wostringstream o;
  o.precision(15);
  ((o << L" ", valeurs ? o << *valeurs : o << L"-"), ...);
  return o.str().substr(1);
}

// The number (the leading numeric part), the truth value (numeric text or
// either word) and the whole number (the whole text, rounded) of each text.
TEST(ValeursTexte, EachReaderTakesWhatItCanOfAText) {
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> cas[] = {
      {L"", L"0 - -"},          {L"abc", L"0 - -"},        {L"4", L"4 1 4"},        {L"4.5", L"4.5 1 4"},
      {L"12abc", L"12 - -"},    {L"  7", L"7 1 7"},        {L"-3", L"-3 1 -3"},     {L"+2", L"2 1 2"},
      {L".5", L"0.5 1 0"},      {L"5.", L"5 1 5"},         {L"1e3", L"1000 1 1000"}, {L"2e", L"2 - -"},
      {L"2e+", L"2 - -"},       {L"1.5e-1x", L"0.15 - -"}, {L"-", L"0 - -"},        {L".", L"0 - -"},
      {L"x12", L"0 - -"},       {L"3 4", L"3 - -"},        {L"0059", L"59 1 59"},   {L"1e400", L"inf 1 -"},
      {L"-1e400", L"-inf 1 -"}, {L"1e-400", L"0 0 0"},     {L"1", L"1 1 1"},        {L"0", L"0 0 0"},
      {L"-1", L"-1 1 -1"},      {L"0.0", L"0 0 0"},        {L" 1 ", L"1 1 1"},      {L"2.5", L"2.5 1 2"},
      {L"true", L"0 1 -"},      {L"FALSE", L"0 0 -"},      {L"True", L"0 1 -"},     {L"oui", L"0 - -"},
      {L"1x", L"1 - -"},        {L"  ", L"0 - -"},         {L" 255 ", L"255 1 255"}, {L"12.5", L"12.5 1 12"},
      {L"16777215", L"16777215 1 16777215"},               {L"99999999999", L"99999999999 1 -"}};
  // clang-format on
  for (auto [texte, attendu] : cas)
    EXPECT_EQ(lus(std::optional(lire_nombre(texte)), lire_booleen(texte), lire_entier32(texte)), attendu)
        << L"'" << texte << L"'";
}

// Each value rounded, halves to even, then as a 16-bit and a 32-bit whole
// number, which fail out of their range.
TEST(ValeursTexte, RoundingHalvesToEvenThenCheckingTheRange) {
  // clang-format off
  const std::pair<double, const wchar_t*> cas[] = {
      {0.5, L"0 0 0"},        {1.5, L"2 2 2"},           {2.5, L"2 2 2"},         {3.5, L"4 4 4"},
      {-0.5, L"0 0 0"},       {-1.5, L"-2 -2 -2"},       {-2.5, L"-2 -2 -2"},     {2.4999, L"2 2 2"},
      {2.5001, L"3 3 3"},     {-7.2, L"-7 -7 -7"},       {NAN, L"nan - -"},       {INFINITY, L"inf - -"},
      {32767.4, L"32767 32767 32767"},  {32767.5, L"32768 - 32768"},  {-32768.5, L"-32768 -32768 -32768"},
      {-32769, L"-32769 - -32769"},     {2147483647.0, L"2147483647 - 2147483647"},
      {2147483648.0, L"2147483648 - -"}, {-2147483648.0, L"-2147483648 - -2147483648"}};
  // clang-format on
  for (auto [valeur, attendu] : cas)
    EXPECT_EQ(lus(std::optional(arrondi_pair(valeur)), en_entier16(valeur), en_entier32(valeur)), attendu) << valeur;
}

}  // namespace
}  // namespace pixavue
