// The one reader of decimal integers written in text (sources, rank lists,
// notes, configuration, command lines): an optional sign ('+' or '-') then
// digits, the whole text and nothing else, blanks included (a caller that
// allows blanks or other bases trims or reads them first). Never throws.
#pragma once

#include <optional>
#include <string_view>

// What becomes of a number beyond int's range.
enum class Depassement {
  Refuse,       // nothing is read
  AuPlusGrand,  // a number above the largest integer is read as the largest
};

// The integer the text writes, or nothing.
std::optional<int> LisEntier(std::string_view texte, Depassement depassement = Depassement::Refuse);
