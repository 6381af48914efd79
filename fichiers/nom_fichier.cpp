#include "fichiers/nom_fichier.h"

namespace {

// Room left for "-" and the text's file name within the usual 255 bytes.
constexpr std::size_t LongueurMaximale = 100;

bool Refuse(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string NomDeFichier(std::string_view nom) {
  std::string sur;
  for (std::size_t i = 0; i < nom.size(); ++i) {
    const auto c = static_cast<unsigned char>(nom[i]);
    const auto suivant = i + 1 < nom.size() ? static_cast<unsigned char>(nom[i + 1]) : 0;
    if (c == '.' && suivant == '.') {
      sur += '-';
      ++i;
    } else if (c == 0xC2 && suivant >= 0x80 && suivant <= 0x9F) {
      sur += '-';  // a C1 control character, two bytes in UTF-8
      ++i;
    } else {
      sur += Refuse(c) ? '-' : static_cast<char>(c);
    }
  }
  sur.erase(0, sur.find_first_not_of('.'));
  if (sur.size() > LongueurMaximale) {
    std::size_t fin = LongueurMaximale;
    // Back to the first byte of a character.
    while (fin > 0 && (static_cast<unsigned char>(sur[fin]) & 0xC0) == 0x80) --fin;
    sur.resize(fin);
  }
  return sur;
}
