#include "liste_triee.h"

#include <string>

unsigned char MinusculeCle(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  // Windows-1252 capitals: À..Þ except ×, and Š Œ Ž Ÿ.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);
  if (c == 0x9F) return 0xFF;
  return c;
}

int CompareCles(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int x = MinusculeCle(static_cast<unsigned char>(a[i]));
    const int y = MinusculeCle(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string ClePliee(std::string_view cle) {
  std::string resultat(cle);
  for (char& c : resultat) c = static_cast<char>(MinusculeCle(static_cast<unsigned char>(c)));
  return resultat;
}

void ErreurIndice(int i) {
  throw Erreur(Formate("Indice de liste hors limites (%d)", {std::to_string(i)}));
}
