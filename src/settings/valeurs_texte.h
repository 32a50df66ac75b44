// How setting texts turn into numbers, truth values and back.
//
// Every stored value is a text. The program reads numbers from the leading
// numeric part of a text and truth values from numeric text, and rounds halves
// to even wherever a real number becomes a whole one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pixavue {

// The longest leading numeric part of the text, 0 when there is none:
// "4.5" gives 4.5, "12abc" gives 12, "abc" and "" give 0. Leading blanks are
// skipped; a sign, a decimal point and an exponent are part of the number.
double lire_nombre(std::wstring_view texte);

// True when the whole text, blanks aside, is a number ("1", "-2.5", "1e3").
bool est_numerique(std::wstring_view texte);

// Numeric text is true when not zero; "true" and "false" in any case are
// accepted too. Any other text, the empty one included, fails.
std::optional<bool> lire_booleen(std::wstring_view texte);

// Nearest whole number, halves to even (2.5 gives 2, 3.5 gives 4).
double arrondi_pair(double valeur);

// Rounded halves to even, or nothing when the result leaves the type's range.
std::optional<std::int16_t> en_entier16(double valeur);
std::optional<std::int32_t> en_entier32(double valeur);

// A text that must be a whole number: numeric text rounded halves to even
// into the 32-bit range; anything else fails.
std::optional<std::int32_t> lire_entier32(std::wstring_view texte);

// Plain decimal, a minus sign for negatives, no leading zeros.
std::wstring texte_entier(std::int64_t valeur);

}  // namespace pixavue
