// TListeIrreg: the irregular forms. Key: a written form; object: its
// readings (lemma key Lemme, Morpho, Modele; Radical always 0) in the order
// added. Forms equal ignoring case are one item, keeping the spelling of
// their first insertion. Read from and written to section 3 of quirandole.lex.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lexical/lecture.h"
#include "lexical/liste_triee.h"

struct TLectureIrreguliere : TLecture {
  std::string Lemme;

  TLectureIrreguliere() = default;
  TLectureIrreguliere(std::uint32_t morpho, int modele, std::string lemme)
      : TLecture{modele, 0, morpho}, Lemme(std::move(lemme)) {}
  friend bool operator==(const TLectureIrreguliere&, const TLectureIrreguliere&) = default;
};

class TListeIrreg : public TListeTriee<std::vector<TLectureIrreguliere>> {
 public:
  TListeIrreg() : TListeTriee(Doublons::Ignores) {}

  using TListeTriee::Ajoute;
  // Appends one reading under the form (found ignoring case, created when absent).
  void Ajoute(const std::string& forme, const std::string& lemme, std::uint32_t morpho, int modele);

  const std::vector<TLectureIrreguliere>& Lectures(int i) const { return Objet(i); }
  const TLectureIrreguliere& Lecture(int i, int j) const;  // Erreur for j out of range

  // Builds the store from section 3, dropping one trailing digit of each
  // form so that "fers1" and "fers2" merge into "fers" in file order.
  static std::unique_ptr<TListeIrreg> Lis(TLecteur& lecteur);
  void Ecris(TEcrivain& ecrivain) const;
};
