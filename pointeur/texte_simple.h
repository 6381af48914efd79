// TTexteSimple: ITexteRiche over a Windows-1252 string, laid out as a grid of
// fixed cells (one character per column, one line per row) so that tests and
// tools can point at characters. Owns a copy of its text.
#pragma once

#include <string>

#include "pointeur/texte_riche.h"

class TTexteSimple : public ITexteRiche {
 public:
  static constexpr int LargeurCellule = 8;
  static constexpr int HauteurLigne = 16;

  explicit TTexteSimple(std::string texte);

  // The point at the middle of the cell of a character, for tests.
  int XDe(int position) const;
  int YDe(int position) const;

  int CaractereDuPoint(int x, int y) const override;
  int Longueur() const override;
  std::string TexteIntervalle(int debut, int longueur) const override;
  ClasseCaractere Classe(int position) const override;

  // ClasseDuCaractere, kept under this name for the vocabulary.
  static ClasseCaractere ClasseDe(unsigned char c);

 private:
  std::string Texte;
};
