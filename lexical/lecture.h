// TLecture: one morphological reading (inflection model, stem number, morphology
// word) with its category accessors and its French description. A plain
// value; Radical is 1..3 for readings of the endings table, 0 elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lexical/vocabulaire.h"

class TLecteur;
class TEcrivain;

struct TLecture {
  int Modele = 0;
  int Radical = 0;
  std::uint32_t Morpho = 0;

  Partie::TPartie Partie() const;  // part of speech of Modele, Aucune outside 0..30
  int NumCas() const;              // IndexCas rule
  int NumGenre() const;            // the others: highest index set, -1 for none
  int NumNombre() const;
  int NumPersonne() const;
  int NumTemps() const;
  int NumMode() const;
  int NumVoix() const;

  // A supine: a verb reading with a case and no mood, the accusative being
  // the supine in -um (cubitum ire), the ablative the supine in -u
  // (mirabile dictu). The morphology word has no term of its own for it.
  bool Supin() const;

  // French description, e.g. "nominatif singulier" or " 1ère personne
  // singulier indicatif présent actif", "supin en -u" for a supine; with
  // avecModele, followed by
  // " modèle NAME radical N" (a model outside 0..30 shows its number).
  std::string Libelle(bool avecModele) const;

  // The three values Modele, Radical, Morpho in file order.
  // `sorte` and `nom` name the record when the model is out of range.
  static TLecture Lis(TLecteur& lecteur, std::string_view sorte = {}, std::string_view nom = {});
  void Ecris(TEcrivain& ecrivain) const;

  friend bool operator==(const TLecture&, const TLecture&) = default;
};
