#include "pointeur/mulot.h"

#include <string_view>

ClasseCaractere ClasseDuCaractere(unsigned char c) {
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

bool EstSeparateur(ClasseCaractere c) {
  return c == ClasseCaractere::Blanc || c == ClasseCaractere::FinDeLigne;
}

}  // namespace

int ITexteRiche::DebutDuMot(int position) const {
  const ClasseCaractere classe = Classe(position);
  if (EstSeparateur(classe)) return position;
  while (position > 0 && Classe(position - 1) == classe) --position;
  return position;
}

int ITexteRiche::DebutDuMotSuivant(int position) const {
  const int fin = Longueur();
  if (position < 0) position = 0;
  const ClasseCaractere classe = Classe(position);
  if (!EstSeparateur(classe))
    while (position < fin && Classe(position) == classe) ++position;
  while (position < fin && Classe(position) == ClasseCaractere::Blanc) ++position;
  // A line break ends the word and is passed over like a blank.
  if (position < fin && Classe(position) == ClasseCaractere::FinDeLigne) {
    while (position < fin && EstSeparateur(Classe(position))) ++position;
  }
  return position;
}

int CaractereAuPoint(const ITexteRiche& texte, int x, int y) {
  return texte.CaractereDuPoint(x, y);
}

std::string TexteEntre(const ITexteRiche& texte, int debut, int longueur) {
  if (longueur < 1 || debut < 0) return {};
  return texte.TexteIntervalle(debut, longueur);
}

std::string MotAIndex(const ITexteRiche& texte, int i) {
  if (i < 0 || i >= texte.Longueur() || EstSeparateur(texte.Classe(i))) return {};
  if (i > 0 && !EstSeparateur(texte.Classe(i - 1))) i = texte.DebutDuMot(i);
  const int j = texte.DebutDuMotSuivant(i);
  std::string mot = TexteEntre(texte, i, j - i);
  while (!mot.empty() && static_cast<unsigned char>(mot.back()) <= 32) mot.pop_back();
  return mot;
}

std::string MotAuPoint(const ITexteRiche& texte, int x, int y) {
  return MotAIndex(texte, CaractereAuPoint(texte, x, y));
}
