#include "MulotEdt/texte_simple.h"

#include <algorithm>
#include <string_view>
#include <vector>

TTexteSimple::TTexteSimple(std::string texte) : Texte(std::move(texte)) {}

ClasseCaractere TTexteSimple::ClasseDe(unsigned char c) {
  if (c == '\r' || c == '\n' || c == '\v' || c == '\f') return ClasseCaractere::FinDeLigne;
  if (c <= 32 || c == 0xA0) return ClasseCaractere::Blanc;
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
    return ClasseCaractere::Mot;
  // Windows-1252 letters: S/s/Z/z with caron, OE/oe, Y diaeresis, f hook,
  // and the Latin-1 letters except the multiplication and division signs.
  constexpr std::string_view lettres1252 = "\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA";
  if (lettres1252.find(static_cast<char>(c)) != std::string_view::npos) return ClasseCaractere::Mot;
  if (c >= 0xC0 && c != 0xD7 && c != 0xF7) return ClasseCaractere::Mot;
  return ClasseCaractere::Ponctuation;
}

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
