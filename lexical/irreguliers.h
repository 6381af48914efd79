// TListeIrreg: the irregular forms. Key: a written form; object: its
// definitions (lemma key K, Morpho, Modele; Radical always 0) in the order
// added. Forms equal ignoring case are one item, keeping the spelling of
// their first insertion. Read from and written to section 3 of quirandole.lex.
// An archaic form (siem, duim: the comic poets, Lucretius) is read like any
// other, but the inflection tables show it marked and never in place of the
// classical form; the file keeps the mark as the trailing digit
// ChiffreArchaique of the form under which its definitions are written (a
// trailing digit is dropped on reading, so any reader of the format merges
// them with the form's other definitions).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lexical/definition.h"
#include "lexical/liste_triee.h"

inline constexpr char ChiffreArchaique = '0';

struct TDonneesIrreg : TDef {
  std::string K;
  bool Archaique = false;

  TDonneesIrreg() = default;
  TDonneesIrreg(std::uint32_t morpho, int modele, std::string k)
      : TDef{modele, 0, morpho}, K(std::move(k)) {}
  friend bool operator==(const TDonneesIrreg&, const TDonneesIrreg&) = default;
};

class TListeIrreg : public TListeTriee<std::vector<TDonneesIrreg>> {
 public:
  TListeIrreg() : TListeTriee(Doublons::Ignores) {}

  using TListeTriee::Ajoute;
  // Appends one definition under the form (found ignoring case, created when absent).
  void Ajoute(const std::string& forme, const std::string& K, std::uint32_t morpho, int modele);

  const std::vector<TDonneesIrreg>& Definitions(int i) const { return Objet(i); }
  const TDonneesIrreg& Definition(int i, int j) const;  // Erreur for j out of range

  // Builds the store from section 3, dropping one trailing digit of each
  // form so that "fers1" and "fers2" merge into "fers" in file order; the
  // definitions of a form ending in ChiffreArchaique are archaic. Ecris
  // writes a form's archaic definitions under that digit, after the others.
  static std::unique_ptr<TListeIrreg> Lis(TLecteur& lecteur);
  void Ecris(TEcrivain& ecrivain) const;
};
