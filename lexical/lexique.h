// TLexique: the Latin lexicon. Key: lemma key (headword); object: its entry.
// Equal keys are accepted (homographs), latest inserted first. Three stem
// indexes map the stems listed in the entries to their lemma keys:
// Radicaux1 (RadicauxA of models 5-9, 14, 15), Radicaux2 (RadicauxA of verbs
// 17-28), Radicaux3 (RadicauxB of verbs). Read from and written to section 1
// of quirandole.lex; read-only while the program runs.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "liste_triee.h"

class TLecteur;
class TEcrivain;

struct TDonneesLexicales {
  int Modele = 0;
  int Genre = -1;                    // -1 none, 0 masculine, 1 feminine, 2 neuter
  std::string RadicauxA, RadicauxB;  // comma-separated stems
  std::string Sens;                  // French text, or a cross-reference containing "cf. "

  // The five values in file order.
  static TDonneesLexicales Lis(TLecteur& lecteur);
  void Ecris(TEcrivain& ecrivain) const;
  friend bool operator==(const TDonneesLexicales&, const TDonneesLexicales&) = default;
};

struct TK {
  std::string K;  // a lemma key
};

// A stem index: stem -> lemma key, duplicates accepted.
class TRadicaux : public TListeTriee<TK> {
 public:
  TRadicaux() : TListeTriee(Doublons::Acceptes) {}
  void Vide() { Clear(); }
  using TListeTriee::Ajoute;
  // Indexes the stem under the key; an empty stem is ignored.
  void Ajoute(const std::string& radical, const std::string& cle);
  // Lemma keys of the stem (compared exactly), in index order.
  std::vector<std::string> CanonDe(std::string_view radical) const;
};

class TLexique : public TListeTriee<TDonneesLexicales> {
 public:
  TLexique() : TListeTriee(Doublons::Acceptes) {}

  TRadicaux Radicaux1, Radicaux2, Radicaux3;
  bool Modifie = false;

  // Rebuilds the three stem indexes from all entries.
  void IndexeRadicaux();
  // Candidate lemma keys for a stem of stem number 1 under a model: stem +
  // citation ending, or the keys listed in Radicaux1 (models 5-8, 14, 15);
  // empty for a model without a rule.
  std::vector<std::string> Canons(std::string_view radical, int modele) const;
  // The entry at i; unless direct, the target of its "cf. " cross-reference
  // when that target exists.
  const TDonneesLexicales& Donnees(int i, bool direct) const;
  // Headword to show for i: its key, or that of its cross-reference target.
  std::string Vedette(int i) const;
  // Whether an entry with exactly this key has (through its cross-reference)
  // this model; position of that entry, else after the run of equal keys
  // (or the insertion position).
  bool ChercheModele(std::string_view cle, int modele, int& position) const;

  // Builds the lexicon from section 1 and indexes its stems.
  static std::unique_ptr<TLexique> Lis(TLecteur& lecteur);
  void Ecris(TEcrivain& ecrivain) const;
};
