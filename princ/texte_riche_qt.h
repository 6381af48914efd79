// TTexteRicheQt: ITexteRiche over a QTextEdit (borrowed; must outlive this
// view). Points are in the viewport's coordinates; positions are those of the
// QTextDocument. Texts come out in Windows-1252 with pupils' vowel marks and
// ligatures written plain (graphie.h), ready for the analysis.
#pragma once

#include "pointeur/texte_riche.h"

class QTextEdit;

class TTexteRicheQt : public ITexteRiche {
 public:
  explicit TTexteRicheQt(const QTextEdit& edition) : Edition(edition) {}

  int CaractereDuPoint(int x, int y) const override;
  int Longueur() const override;
  std::string TexteIntervalle(int debut, int longueur) const override;
  ClasseCaractere Classe(int position) const override;

 private:
  const QTextEdit& Edition;
};
