#include "lexical/entier.h"

#include <charconv>
#include <climits>

std::optional<int> LisEntier(std::string_view texte, Depassement depassement) {
  const bool plus = !texte.empty() && texte.front() == '+';
  if (plus) texte.remove_prefix(1);
  // "+-5" is no integer; from_chars would take the '-' after the '+'.
  if (texte.empty() || (plus && texte.front() == '-')) return std::nullopt;
  int valeur = 0;
  const auto [fin, code] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (fin != texte.data() + texte.size()) return std::nullopt;
  if (code == std::errc::result_out_of_range && depassement == Depassement::AuPlusGrand &&
      texte.front() != '-')
    return INT_MAX;
  if (code != std::errc{}) return std::nullopt;
  return valeur;
}
