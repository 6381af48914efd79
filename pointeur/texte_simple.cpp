#include "pointeur/texte_simple.h"

#include <algorithm>
#include <vector>

TTexteSimple::TTexteSimple(std::string texte) : Texte(std::move(texte)) {}

ClasseCaractere TTexteSimple::ClasseDe(unsigned char c) { return ClasseDuCaractere(c); }

namespace {

// Start index of each line (lines end after '\n', or after a '\r' not
// followed by '\n').
std::vector<int> DebutsDeLignes(const std::string& texte) {
  std::vector<int> debuts{0};
  for (int i = 0; i < static_cast<int>(texte.size()); ++i) {
    const char c = texte[i];
    if (c == '\n' ||
        (c == '\r' && (i + 1 >= static_cast<int>(texte.size()) || texte[i + 1] != '\n')))
      debuts.push_back(i + 1);
  }
  return debuts;
}

}  // namespace

int TTexteSimple::XDe(int position) const {
  const auto debuts = DebutsDeLignes(Texte);
  const auto ligne = std::upper_bound(debuts.begin(), debuts.end(), position) - 1;
  return (position - *ligne) * LargeurCellule + LargeurCellule / 2;
}

int TTexteSimple::YDe(int position) const {
  const auto debuts = DebutsDeLignes(Texte);
  const auto ligne = std::upper_bound(debuts.begin(), debuts.end(), position) - 1;
  return static_cast<int>(ligne - debuts.begin()) * HauteurLigne + HauteurLigne / 2;
}

int TTexteSimple::CaractereDuPoint(int x, int y) const {
  if (x < 0 || y < 0) return -1;
  const auto debuts = DebutsDeLignes(Texte);
  const std::size_t ligne = static_cast<std::size_t>(y / HauteurLigne);
  if (ligne >= debuts.size()) return -1;
  const int debut = debuts[ligne];
  const int fin = ligne + 1 < debuts.size() ? debuts[ligne + 1] : static_cast<int>(Texte.size());
  const int position = debut + x / LargeurCellule;
  return position < fin ? position : -1;
}

int TTexteSimple::Longueur() const { return static_cast<int>(Texte.size()); }

std::string TTexteSimple::TexteIntervalle(int debut, int longueur) const {
  if (debut < 0 || longueur < 1 || debut >= Longueur()) return {};
  return Texte.substr(static_cast<std::size_t>(debut), static_cast<std::size_t>(longueur));
}

ClasseCaractere TTexteSimple::Classe(int position) const {
  if (position < 0 || position >= Longueur()) return ClasseCaractere::FinDeLigne;
  return ClasseDe(static_cast<unsigned char>(Texte[static_cast<std::size_t>(position)]));
}
