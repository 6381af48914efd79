#include "lexical/erreur.h"

#include "lexical/cp1252.h"

std::string Erreur::MessageUtf8() const { return Cp1252VersUtf8(what()); }

std::string Formate(std::string_view modele, std::initializer_list<std::string_view> valeurs) {
  std::string resultat;
  auto valeur = valeurs.begin();
  for (std::size_t i = 0; i < modele.size(); ++i) {
    if (modele[i] == '%' && i + 1 < modele.size() &&
        (modele[i + 1] == 's' || modele[i + 1] == 'd') && valeur != valeurs.end()) {
      resultat += *valeur++;
      ++i;
    } else {
      resultat += modele[i];
    }
  }
  return resultat;
}
