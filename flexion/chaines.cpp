#include "flexion/chaines.h"

#include <array>

namespace {

// One flag per byte, built at compile time from Lettres.
constexpr std::array<bool, 256> TableLettres() {
  std::array<bool, 256> table{};
  for (char c : Lettres) table[static_cast<unsigned char>(c)] = true;
  return table;
}

constexpr std::array<bool, 256> EstLettreTable = TableLettres();

bool EstBlanc(char c) { return static_cast<unsigned char>(c) <= ' '; }

// End of the word that begins at i: letters, and a hyphen between letters.
std::size_t FinDuMot(std::string_view s, std::size_t i) {
  while (i < s.size() && (EstLettre(s[i]) || (s[i] == '-' && i > 0 && EstLettre(s[i - 1]) &&
                                              i + 1 < s.size() && EstLettre(s[i + 1]))))
    ++i;
  return i;
}

// s without its leading word.
std::string_view SansLettresInitiales(std::string_view s) { return s.substr(FinDuMot(s, 0)); }

}  // namespace

bool EstLettre(char c) { return EstLettreTable[static_cast<unsigned char>(c)]; }

bool Termine(std::string_view fin, std::string_view s) { return s.ends_with(fin); }

std::string SansFin(std::string_view s, int n) {
  if (n <= 0) return std::string(s);
  if (static_cast<std::size_t>(n) >= s.size()) return {};
  return std::string(s.substr(0, s.size() - n));
}

char DerniereLettre(std::string_view s) { return s.empty() ? '\0' : s.back(); }

std::string SupprimeTout(std::string_view sous, std::string_view s) {
  std::string resultat(s);
  if (sous.empty()) return resultat;
  for (auto pos = resultat.find(sous); pos != std::string::npos; pos = resultat.find(sous))
    resultat.erase(pos, sous.size());
  return resultat;
}

bool Commence(std::string_view debut, std::string_view s) { return s.starts_with(debut); }

int DernierePosition(std::string_view sous, std::string_view s) {
  if (sous.empty()) return 0;
  auto pos = s.rfind(sous);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::string Rogne(std::string_view s) {
  std::size_t debut = 0, fin = s.size();
  while (debut < fin && EstBlanc(s[debut])) ++debut;
  while (fin > debut && EstBlanc(s[fin - 1])) --fin;
  return std::string(s.substr(debut, fin - debut));
}

std::vector<std::string> Mots(std::string_view s) {
  std::vector<std::string> mots;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && !EstLettre(s[i])) ++i;
    std::size_t debut = i;
    i = FinDuMot(s, i);
    if (i > debut) mots.emplace_back(s.substr(debut, i - debut));
  }
  return mots;
}

std::string PremierMot(std::string_view s) {
  std::string texte = Rogne(s);
  return texte.substr(0, FinDuMot(texte, 0));
}

std::string MotN(int n, std::string_view s) {
  if (n < 1) return {};
  // Trimmed first, so that word 1 here is the word PremierMot gives even when
  // the text begins with blanks.
  std::string texte = Rogne(s);
  for (int i = 1; i < n; ++i) texte = Rogne(SansLettresInitiales(texte));
  return PremierMot(texte);
}
