// TListeDes: the endings table. Key: an ending written backwards ("ibus" is
// stored as "subi"); object: the ending's readings in file order. Equal keys
// are refused. Read from and written to section 2 of quirandole.lex.
#pragma once

#include <memory>
#include <vector>

#include "lexical/lecture.h"
#include "lexical/liste_triee.h"

class TListeDes : public TListeTriee<std::vector<TLecture>> {
 public:
  TListeDes() : TListeTriee(Doublons::Refuses) {}

  const std::vector<TLecture>& Lectures(int i) const { return Objet(i); }
  const TLecture& Lecture(int i, int j) const;  // Erreur for j out of range

  // Builds the table from section 2; Erreur on bad data or a repeated key.
  static std::unique_ptr<TListeDes> Lis(TLecteur& lecteur);
  void Ecris(TEcrivain& ecrivain) const;
};

// The key of an ending: its characters from the last to the first.
std::string CleDesinence(std::string_view terminaison);
