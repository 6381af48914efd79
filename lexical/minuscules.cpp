#include "lexical/minuscules.h"

std::string Minuscules(std::string_view texte) {
  std::string resultat(texte);
  for (char& c : resultat) c = Minuscule(c);
  return resultat;
}
